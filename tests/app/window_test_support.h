// Shared set-up of the window tests: a fresh working folder without a save,
// content found in the source tree, and a shown main window.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/window/main_window.h"
#include "platform/temp_folder.h"
#include "host/controls.h"

namespace zemra::testing {

// Runs the test in an empty temporary folder; dat/ resolves to the sources.
class FreshFolder {
 public:
  FreshFolder();
  ~FreshFolder();
  FreshFolder(const FreshFolder&) = delete;
  FreshFolder& operator=(const FreshFolder&) = delete;
  const std::filesystem::path& Path() const { return dir_.Path(); }

 private:
  TempFolder dir_;
  std::filesystem::path previous_;
};

// A shown window; the game is started only by StartAndWait.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the game as the program does and waits until it runs.
  void StartAndWait();

  QWidget* W(Control control) const { return window_->ControlWidget(control); }
  bool Shown(Control control) const;

  std::unique_ptr<FreshFolder> folder_;
  std::unique_ptr<TFormMain> window_;
};

}  // namespace zemra::testing
