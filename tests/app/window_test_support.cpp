// The window tests' folder and window fixture.
#include "window_test_support.h"

#include <QTest>

#include "game/game.h"

namespace zemra::testing {

FreshFolder::FreshFolder() : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(Path());
}

FreshFolder::~FreshFolder() { std::filesystem::current_path(previous_); }

void WindowTest::SetUp() {
  folder_ = std::make_unique<FreshFolder>();
  // The save in the fresh folder; the content found there first, else in the sources.
  window_ = std::make_unique<TFormMain>(GameLocations{{std::filesystem::path{}, ZEMRA_SOURCE_DIR}, {}});
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowTest::TearDown() {
  window_.reset();
  folder_.reset();
}

void WindowTest::StartAndWait() {
  window_->StartDeferred(12345);
  ASSERT_TRUE(QTest::qWaitFor([] { return GameStarted(); }, 5000));
}

bool WindowTest::Shown(Control control) const { return W(control)->isVisible(); }

}  // namespace zemra::testing
