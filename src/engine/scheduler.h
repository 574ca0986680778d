// TVorbTimer: the program's only timer. Named periodic jobs run from the main
// loop between window events; a front end calls RunPass when a job may be due
// and sleeps in its own event loop until then.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

class TVorbTimer {
 public:
  using Clock = std::function<std::uint32_t()>;  // milliseconds, wraps at 2^32
  using Procedure = std::function<void()>;

  // Only one scheduler may be live; a second one beeps and stays inert.
  TVorbTimer(Clock clock, const std::function<void()>& beep);
  ~TVorbTimer();
  TVorbTimer(const TVorbTimer&) = delete;
  TVorbTimer& operator=(const TVorbTimer&) = delete;

  bool IsActive() const { return active_; }

  // Appends a job; its first run comes one interval after now.
  void AddThread(Procedure procedure, std::int32_t interval, std::string name);
  // Marks the first unmarked job of that exact name; it is removed at the next pass.
  void DeleteThread(std::string_view name);
  void ClearThreads();

  // One pass after the window's events: purge marked jobs, read the clock
  // once, run every job whose interval has been strictly exceeded.
  void RunPass();

  // Milliseconds from now until the next job falls due, 0 if one is due
  // already, nullopt when no job will ever run (sleep until the next event).
  std::optional<std::uint32_t> MsUntilNextDue() const;

  std::size_t JobCount() const { return jobs_.size(); }

 private:
  struct TVorbThread {
    std::string name;
    Procedure procedure;
    std::int32_t interval = 0;
    std::uint32_t last = 0;
    bool deleted = false;
  };

  Clock clock_;
  std::vector<TVorbThread> jobs_;
  bool active_ = false;
};

}  // namespace zemra
