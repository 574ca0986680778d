// The chapter pictures in the window, JPEG ones through Qt's image plugin.
#include <QPixmap>
#include <QTest>

#include "app/window/picture_box.h"
#include "app/window/qt_host.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

using ChapterPictureTest = WindowTest;

TEST_F(ChapterPictureTest, AJpegChapterPictureIsDrawnOnThePicturePanel) {
  QWidget* panel = W(Control::PanelMainImage);
  window_->Host().SetVisible(Control::PageMain, true);
  window_->Host().SetVisible(Control::PageTitle, false);
  window_->Host().SetVisible(Control::PanelMainImage, true);
  const QImage empty = panel->grab().toImage();

  ASSERT_TRUE(window_->Host().LoadPicture("dat/memory0.jpg"));
  auto* image = dynamic_cast<PictureBox*>(W(Control::ImgMainImage));
  EXPECT_EQ(image->Picture().size(), QSize(500, 125));
  const QImage drawn = panel->grab().toImage();
  ASSERT_EQ(drawn.size(), empty.size());
  int changed = 0;
  for (int y = 0; y < drawn.height(); y += 5) {
    for (int x = 0; x < drawn.width(); x += 5) changed += drawn.pixel(x, y) != empty.pixel(x, y) ? 1 : 0;
  }
  EXPECT_GT(changed, drawn.width() * drawn.height() / 25 / 2);
}

TEST_F(ChapterPictureTest, EveryChapterPictureLoads) {
  for (int i = 0; i < 10; ++i) {
    const std::string name = "dat/memory" + std::to_string(i) + (i == 0 || i == 9 ? ".jpg" : ".bmp");
    EXPECT_TRUE(window_->Host().LoadPicture(name)) << name;
  }
}

}  // namespace
}  // namespace zemra::testing
