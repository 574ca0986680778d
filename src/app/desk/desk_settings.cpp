// Read through QSettings in INI form. Each value is checked on its own, so a
// nonsense volume leaves a sound mute setting as it was written.
#include "app/desk/desk_settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <optional>

#include "engine/translate.h"

namespace zemra {
namespace {

constexpr char kMutedKey[] = "sound/muted";
constexpr char kVolumeKey[] = "sound/volume";
constexpr char kZoomKey[] = "window/zoom";
constexpr char kRecordKey[] = "record/enabled";
constexpr char kLanguageKey[] = "language";

std::optional<int> WholeNumber(const QVariant& value) {
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<bool> Flag(const QVariant& value) {
  const QString text = value.toString().trimmed().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  return std::nullopt;
}

}  // namespace

QString DefaultDeskSettingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/zemra6/zemra6.conf");
}

DeskSettings LoadDeskSettings(const QString& path) {
  DeskSettings settings;
  const QSettings file(path, QSettings::IniFormat);
  if (file.status() != QSettings::NoError) return settings;
  if (const auto muted = Flag(file.value(QLatin1String(kMutedKey)))) settings.muted = *muted;
  if (const auto volume = WholeNumber(file.value(QLatin1String(kVolumeKey)))) {
    if (*volume >= 0 && *volume <= 100 && *volume % kVolumeStepPercent == 0) settings.volume_percent = *volume;
  }
  if (const auto zoom = WholeNumber(file.value(QLatin1String(kZoomKey)))) {
    if (*zoom >= 1 && *zoom <= kMaxZoom) settings.zoom = *zoom;
  }
  if (const auto record = Flag(file.value(QLatin1String(kRecordKey)))) settings.record = *record;
  const QString language = file.value(QLatin1String(kLanguageKey)).toString().trimmed();
  if (ParseLanguage(language.toStdString())) settings.language = language;
  return settings;
}

bool SaveDeskSettings(const QString& path, const DeskSettings& settings) {
  QSettings file(path, QSettings::IniFormat);
  file.setValue(QLatin1String(kMutedKey), settings.muted);
  file.setValue(QLatin1String(kVolumeKey), settings.volume_percent);
  file.setValue(QLatin1String(kZoomKey), settings.zoom);
  if (settings.language.isEmpty()) {
    file.remove(QLatin1String(kLanguageKey));
  } else {
    file.setValue(QLatin1String(kLanguageKey), settings.language);
  }
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace zemra
