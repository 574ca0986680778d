// The text front end as a child process spoken to one action at a time, for
// players that decide each action from the screen they have just read.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace zemra::testing {

class TextProcess {
 public:
  // language: "ja" or "en", named on the command line so the locale never chooses.
  TextProcess(const std::filesystem::path& dir, int seed, const char* language = "ja") {
    // A program that has ended must fail the read, not kill the test.
    ::signal(SIGPIPE, SIG_IGN);
    int to_child[2];
    int from_child[2];
    if (::pipe(to_child) != 0 || ::pipe(from_child) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(to_child[0], 0);
      ::dup2(from_child[1], 1);
      ::close(to_child[1]);
      ::close(from_child[0]);
      if (::chdir(dir.c_str()) != 0) ::_exit(127);
      const std::string seed_text = std::to_string(seed);
      ::execl(ZEMRA_TEXT_PROGRAM, ZEMRA_TEXT_PROGRAM, "--seed", seed_text.c_str(), "--lang", language,
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(to_child[0]);
    ::close(from_child[1]);
    in_ = ::fdopen(to_child[1], "w");
    out_ = ::fdopen(from_child[0], "r");
  }
  ~TextProcess() {
    if (in_ != nullptr) std::fclose(in_);
    if (out_ != nullptr) std::fclose(out_);
    if (pid_ > 0) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, &status, 0);
      }
    }
  }
  TextProcess(const TextProcess&) = delete;
  TextProcess& operator=(const TextProcess&) = delete;

  // The next screen the program prints; a discarded value when it printed none.
  nlohmann::json Read() {
    std::string line;
    for (int c; out_ != nullptr && (c = std::fgetc(out_)) != EOF && c != '\n';) line.push_back(static_cast<char>(c));
    return nlohmann::json::parse(line, nullptr, false);
  }

  nlohmann::json Act(const std::string& action) {
    if (in_ == nullptr) return nlohmann::json::value_t::discarded;
    std::fputs((action + "\n").c_str(), in_);
    std::fflush(in_);
    return Read();
  }

 private:
  pid_t pid_ = -1;
  std::FILE* in_ = nullptr;
  std::FILE* out_ = nullptr;
};

}  // namespace zemra::testing
