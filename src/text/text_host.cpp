// Pictures are only checked for being readable.
#include "text/text_host.h"

#include <fstream>

#include "runtime/console.h"
#include "runtime/game_objects.h"

namespace zemra {

const std::string& TextHost::Text(Control control) const {
  // The waiting texts reach this host through the game's own reference to it.
  DrawPendingScreen();
  return text_[Index(control)];
}

bool TextHost::LoadPicture(std::string_view file) {
  // A picture found readable once, or missing once, counts as such for the
  // rest of the run: the way back to the field after every battle opens no file.
  if (!readable_.contains(file)) {
    if (unreadable_.contains(file)) {
      image_.clear();
      return false;
    }
    std::ifstream in(Locations().Content(file), std::ios::binary);
    if (!in) {
      unreadable_.emplace(file);
      image_.clear();
      return false;
    }
    readable_.emplace(file);
  }
  constexpr std::string_view kDatPrefix = "dat/";
  image_ = file.starts_with(kDatPrefix) ? file.substr(kDatPrefix.size()) : file;
  return true;
}

}  // namespace zemra
