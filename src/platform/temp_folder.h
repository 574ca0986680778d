// A fresh folder of its own in the system's temporary folder, removed with
// everything in it at the end: for a replay's saves, and for each test case
// or fuzz input, so that nothing is ever shared by accident.
#pragma once

#include <filesystem>

namespace zemra {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace zemra
