// Runs the text front end as a separate program in a fresh working folder and
// returns the JSON objects it prints, one per line.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/temp_folder.h"

namespace zemra::testing {

class TextRun {
 public:
  TextRun() = default;
  TextRun(const TextRun&) = delete;
  TextRun& operator=(const TextRun&) = delete;

  const std::filesystem::path& Dir() const { return folder_.Path(); }

  // Feeds the actions and returns every object printed (the first screen first).
  std::vector<nlohmann::json> Run(const std::vector<std::string>& actions, int seed = 7,
                                  const std::string& options = "") const {
    const auto input = Dir() / "actions.txt";
    {
      std::ofstream out(input, std::ios::binary);
      for (const std::string& a : actions) out << a << '\n';
    }
    // Japanese unless the options name a language, whatever the locale.
    const std::string language = options.find("--lang") == std::string::npos ? " --lang ja " : " ";
    const std::string command = "cd '" + Dir().string() + "' && '" + ZEMRA_TEXT_PROGRAM + "' --seed " +
                                std::to_string(seed) + language + options + " < actions.txt";
    std::vector<nlohmann::json> objects;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return objects;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
      if (c != '\n') {
        line.push_back(static_cast<char>(c));
        continue;
      }
      objects.push_back(nlohmann::json::parse(line, nullptr, false));
      line.clear();
    }
    ::pclose(pipe);
    return objects;
  }

 private:
  TempFolder folder_;
};

}  // namespace zemra::testing
