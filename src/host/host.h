// The one interface the game core calls to reach a window. The Qt window and
// the text front end each implement it; the core decides what is shown, the
// front end decides how. Every call comes on the program's one thread.
#pragma once

#include <string_view>

#include "engine/bitmap.h"
#include "engine/wave.h"
#include "host/controls.h"

namespace zemra {

// A frame whose pixels are made only when a front end reads them, so frames
// nobody sees cost no pixels.
class FrameOnDemand {
 public:
  virtual const TVorbBitmap& Pixels() const = 0;

 protected:
  ~FrameOnDemand() = default;
};

class Host : public SoundOutput, public TextPainter {
 public:
  ~Host() override = default;

  // Shows or hides a page, panel, label, shape or button. Showing a page does
  // not hide the others: the core hides them itself.
  virtual void SetVisible(Control control, bool visible) = 0;
  // Text of a label or caption of a button; UTF-8, "\r\n" separates lines.
  virtual void SetText(Control control, std::string_view text) = 0;
  // Background colour of a panel or label.
  virtual void SetColor(Control control, Rgb colour) = 0;
  // Text colour of a label.
  virtual void SetFontColor(Control control, Rgb colour) = 0;

  // Loads a picture file ("dat/center.bmp") into ImgMainImage, drawn at its
  // own size from the top-left corner. False when the file cannot be read;
  // the old picture is then cleared.
  virtual bool LoadPicture(std::string_view file) = 0;
  // Copies the whole bitmap onto PntTitle or ImgInputName at (0, 0).
  virtual void DrawBitmap(Control target, const TVorbBitmap& bitmap) = 0;
  // The title animation has a new frame, for PntTitle. A host that shows it
  // reads frame.Pixels() during the call; a host that shows no pictures
  // ignores it and no pixels are made.
  virtual void TitleFrameChanged(const FrameOnDemand& frame) = 0;

  virtual void FocusNameEdit() = 0;

  // Modal box captioned "ZEMRA6" with one OK button; returns when closed.
  virtual void ShowMessage(std::string_view text) = 0;
  // Box captioned "ZEMRA6" with Yes and No. The player's answer reaches the
  // game as an answer input: a window that waits for it applies that input
  // before returning; a front end without one has queued it beforehand.
  virtual void ShowQuestion(std::string_view text) = 0;

  virtual void Beep() = 0;
  // Asks the application to end once the current pass is over.
  virtual void Terminate() = 0;

  // True for a host whose texts are read only through DrawPendingScreen
  // (runtime/console.h): the fighter panels' and the console's texts then
  // reach it once, when it is read, rather than after every command.
  virtual bool DrawsWhenRead() const { return false; }
};

}  // namespace zemra
