// Remembers each visibility the core sets before passing it on.
#include "runtime/screen_record.h"

namespace zemra {

void ScreenRecord::SetVisible(Control control, bool visible) {
  visible_[static_cast<std::size_t>(control)] = visible;
  host_.SetVisible(control, visible);
}

void ScreenRecord::Terminate() {
  terminated_ = true;
  host_.Terminate();
}

}  // namespace zemra
