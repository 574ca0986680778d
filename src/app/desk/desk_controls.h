// What the window offers beyond the mouse: the keys of every page, the sword
// row's keyboard focus, mute and volume, the window factor, the right-click
// menu, the key list and a fresh run, with the settings file behind them.
// Everything reaches the game through the calls a click makes.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "app/desk/desk_settings.h"
#include "desk/desk_keys.h"
#include "engine/translate.h"

class QKeyEvent;
class QMenu;
class QPoint;

namespace zemra {

class GamePump;
class QtSoundOutput;
class SwordFocus;
class TFormMain;

class DeskControls : public QObject {
 public:
  DeskControls(TFormMain& window, QtSoundOutput& sound, GamePump& pump);
  ~DeskControls() override;
  DeskControls(const DeskControls&) = delete;
  DeskControls& operator=(const DeskControls&) = delete;

  // Reads the settings file, applies it, and writes every later change to it.
  void UseSettingsFile(const QString& path);
  const DeskSettings& Settings() const { return settings_; }

  // A key pressed anywhere in the window, as delivered to receiver; true when it was used here.
  bool HandleKey(const QObject* receiver, const QKeyEvent* key);
  // After every event the game handled: drops a stale focus, updates what a reader hears.
  void AfterGameEvent();

  void SetMuted(bool muted);
  void SetVolume(int percent);
  // Chooses the factor and shows it as far as the screen allows; returns the
  // factor shown. The choice is what is kept, so a smaller screen for a while
  // does not shrink it for good.
  int SetZoom(int factor);
  int MaxZoom() const;
  int ShownZoom() const { return shown_zoom_; }
  void ShowKeyHelp();
  // Asks, then starts again from the title page, keeping the old save as a backup.
  void AskForNewRun();
  // Builds the right-click menu (the caller opens it).
  std::unique_ptr<QMenu> BuildContextMenu();
  void OpenContextMenu(const QPoint& global);
  // Keeps the language for the next start and says so.
  void ChooseLanguage(Language language);

  SwordFocus& Focus() { return *focus_; }

 private:
  void Store();
  // The screen as the window shows it, for the keys' rule.
  DeskScreen Screen() const;
  bool HandleZoomKey(const QKeyEvent* key);

  TFormMain& window_;
  QtSoundOutput& sound_;
  GamePump& pump_;
  std::unique_ptr<SwordFocus> focus_;
  DeskSettings settings_;
  int shown_zoom_ = 1;
  std::optional<QString> settings_path_;
};

}  // namespace zemra
