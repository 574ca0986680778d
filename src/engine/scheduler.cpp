// The job list keeps insertion order; marked jobs leave only at the start of
// a pass, so a job deleted mid-pass may still run once more in that pass.
#include "engine/scheduler.h"

#include <algorithm>

namespace zemra {
namespace {

bool g_scheduler_exists = false;

}  // namespace

TVorbTimer::TVorbTimer(Clock clock, const std::function<void()>& beep) : clock_(std::move(clock)) {
  if (g_scheduler_exists) {
    if (beep) beep();
    return;
  }
  g_scheduler_exists = true;
  active_ = true;
  ClearThreads();
}

TVorbTimer::~TVorbTimer() {
  if (active_) g_scheduler_exists = false;
}

void TVorbTimer::AddThread(Procedure procedure, std::int32_t interval, std::string name) {
  if (!active_) return;
  jobs_.push_back(TVorbThread{std::move(name), std::move(procedure), interval, clock_(), false});
}

void TVorbTimer::DeleteThread(std::string_view name) {
  for (TVorbThread& job : jobs_) {
    if (!job.deleted && job.name == name) {
      job.deleted = true;
      return;
    }
  }
}

void TVorbTimer::ClearThreads() { jobs_.clear(); }

void TVorbTimer::RunPass() {
  if (!active_) return;
  std::erase_if(jobs_, [](const TVorbThread& job) { return job.deleted; });
  const std::uint32_t now = clock_();
  const std::size_t count = jobs_.size();
  for (std::size_t i = 0; i < count && i < jobs_.size(); ++i) {
    const TVorbThread& job = jobs_[i];
    if (!job.procedure || job.interval <= 0) continue;
    if (now - job.last <= static_cast<std::uint32_t>(job.interval)) continue;
    // Copied: the job may add jobs (reallocating the list) while it runs.
    const Procedure procedure = job.procedure;
    procedure();
    if (i < jobs_.size()) jobs_[i].last = now;
  }
}

std::optional<std::uint32_t> TVorbTimer::MsUntilNextDue() const {
  if (!active_) return std::nullopt;
  const std::uint32_t now = clock_();
  std::optional<std::uint32_t> best;
  for (const TVorbThread& job : jobs_) {
    if (job.deleted || !job.procedure || job.interval <= 0) continue;
    const std::uint32_t elapsed = now - job.last;
    const std::uint32_t due_after = static_cast<std::uint32_t>(job.interval) + 1;
    const std::uint32_t wait = elapsed >= due_after ? 0 : due_after - elapsed;
    if (!best || wait < *best) best = wait;
  }
  return best;
}

}  // namespace zemra
