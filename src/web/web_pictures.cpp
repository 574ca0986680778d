#include "web/web_pictures.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "game/title.h"

namespace zemra {
namespace {

// Canvas pixels are red, green, blue, alpha; the core's rows are blue, green,
// red with padded rows.
void CopyToRgba(const TVorbBitmap& from, PageBitmap& to) {
  to.width = from.Width();
  to.height = from.Height();
  to.rgba.resize(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(to.height) * 4);
  std::uint8_t* out = to.rgba.data();
  for (int y = 0; y < to.height; ++y) {
    const TPixel* row = from.Row(y);
    for (int x = 0; x < to.width; ++x, out += 4) {
      out[0] = row[x].red;
      out[1] = row[x].green;
      out[2] = row[x].blue;
      out[3] = 255;
    }
  }
  ++to.version;
}

std::string Colour(TPixel pixel) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", pixel.red, pixel.green, pixel.blue);
  return text;
}

}  // namespace

void WebPictures::BitmapDrawn(Control target, const TVorbBitmap& bitmap) {
  if (target != Control::ImgInputName) return;
  name_.texts.clear();
  CopyToRgba(bitmap, name_);
}

void WebPictures::TitleFrameChanged(const FrameOnDemand&) { title_stale_ = true; }

void WebPictures::TextDrawn(int x, int y, std::string_view text, const BitmapFont& font) {
  if (painting_ != nullptr) painting_->texts.push_back(DrawnText{x, y, std::string(text), font});
}

const PageBitmap& WebPictures::Title() {
  if (title_stale_) {
    title_stale_ = false;
    // The pixels are made on this first look; the title's texts come through TextDrawn meanwhile.
    if (zemra::Title().pixels_stale || title_.rgba.empty()) {
      title_.texts.clear();
      painting_ = &title_;
      const TVorbBitmap& bitmap = TitleBitmap();
      painting_ = nullptr;
      CopyToRgba(bitmap, title_);
    }
  }
  return title_;
}

std::string PageBitmapJson(const PageBitmap& bitmap) {
  nlohmann::json texts = nlohmann::json::array();
  for (const DrawnText& t : bitmap.texts) {
    texts.push_back({{"x", t.x},
                     {"y", t.y},
                     {"text", t.text},
                     {"px", t.font.height},
                     {"bold", t.font.bold},
                     {"italic", t.font.italic},
                     {"colour", Colour(t.font.colour)}});
  }
  const nlohmann::json json{{"width", bitmap.width},
                            {"height", bitmap.height},
                            {"version", bitmap.version},
                            {"pixels", reinterpret_cast<std::uintptr_t>(bitmap.rgba.data())},
                            {"texts", texts}};
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace zemra
