// The player's desk settings: mute, volume, window factor and language, kept between
// starts in an INI file. Whatever the file holds, loading yields values the
// window can use; a value that is missing or makes no sense is its default.
#pragma once

#include <QString>

namespace zemra {

inline constexpr int kVolumeStepPercent = 10;
inline constexpr int kMaxZoom = 3;

struct DeskSettings {
  bool muted = false;
  int volume_percent = 100;  // 0 to 100 in steps of 10
  int zoom = 1;              // 1, 2 or 3
  bool record = true;        // each sitting recorded beside the save; only read, never written
  QString language = QString();  // "ja" or "en"; empty for the locale's
  friend bool operator==(const DeskSettings&, const DeskSettings&) = default;
};

// $XDG_CONFIG_HOME/zemra6/zemra6.conf (by default under ~/.config).
QString DefaultDeskSettingsPath();

DeskSettings LoadDeskSettings(const QString& path);
// False when the file could not be written; the caller keeps its values.
bool SaveDeskSettings(const QString& path, const DeskSettings& settings);

}  // namespace zemra
