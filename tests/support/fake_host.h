// Test support: the core started on a recording host (the text front end's
// TextHost) in a fresh temporary working directory without a save file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/game.h"
#include "platform/temp_folder.h"
#include "text/text_host.h"

namespace zemra::testing {

using FakeHost = TextHost;

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir = std::filesystem::current_path();
    ASSERT_FALSE(folder.Path().empty());
    work_dir = folder.Path();
    std::filesystem::current_path(work_dir);
    BeforeStart();
    StartGame(host, 1, GameLocations{{std::filesystem::path{}, ZEMRA_SOURCE_DIR}, {}});
  }

  void TearDown() override {
    StopGame();
    ResetGameState();
    std::filesystem::current_path(old_dir);
  }

  // Runs before the game starts, in the fresh working directory (write a save file here).
  virtual void BeforeStart() {}

  // Moves the clock and runs the jobs that fall due, as the main loop would.
  void Tick(std::uint32_t ms) {
    for (std::uint32_t i = 0; i < ms; ++i) ApplyInput(Input::ClockStep(1));
  }

  FakeHost host;
  TempFolder folder;
  std::filesystem::path old_dir;
  std::filesystem::path work_dir;
};

}  // namespace zemra::testing
