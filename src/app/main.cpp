// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows; or
// a recording played in that window.
#include <QApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/window/already_open.h"
#include "app/desk/desk_controls.h"
#include "app/desk/desk_settings.h"
#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "platform/locale_language.h"
#include "platform/program_locations.h"
#include "game/game.h"
#include "options/program_options.h"
#include "platform/save_folder_lock.h"
#include "record/recording.h"
#include "record/scratch_folder.h"

namespace {

constexpr int kUnreadableRecording = 2;

// The window over a recording; the player's own folders are never looked at.
int PlayRecording(const std::string& file) {
  zemra::GameLocations locations = zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), false).locations;
  zemra::RecordingRead read = zemra::LoadRecordingForReplay(file, locations);
  const zemra::TempFolder scratch;
  if (read.recording) read.error = zemra::PrepareReplayFolder(scratch, read.recording->header.save);
  if (!read.error.empty()) {
    const std::string line = file + ": " + read.error;
    std::cerr << "zemra6: " << line << '\n';
    QMessageBox::critical(nullptr, QString::fromUtf8(zemra::kAppTitle), QString::fromStdString(line));
    return kUnreadableRecording;
  }
  locations.save_dir = scratch.Path();
  zemra::SetLanguage(read.recording->header.language);  // the window's own texts too
  zemra::TFormMain window(std::move(locations));
  window.Desk().UseSettingsFile(zemra::DefaultDeskSettingsPath());
  window.show();
  window.StartReplay(std::move(*read.recording));
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before the application object, so --help and a usage error need no display.
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kWindow, options, std::cout, std::cerr)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  if (options.replay) return PlayRecording(*options.replay);
  // Before any window is built, so every text of the window is in it.
  zemra::SetLanguage(zemra::StartLanguage(
      options.language, zemra::LoadDeskSettings(zemra::DefaultDeskSettingsPath()).language.toStdString()));
  // Started from the application menu: save and report go to the user's data folder.
  zemra::ProgramLocations where =
      zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), options.desktop);

  // One sitting per save folder: a second start brings the first window forward and ends.
  const auto lock = zemra::SaveFolderLock::Take(where.locations.save_dir);
  if (!lock) {
    zemra::CallFirstWindowForward(where.locations.save_dir);
    std::cerr << "zemra6: the game is already open on this save folder\n";
    QMessageBox::information(nullptr, QString::fromUtf8(zemra::kAppTitle), zemra::QtTr(zemra::kAlreadyOpenText));
    return zemra::kSaveFolderBusyStatus;
  }
  const std::filesystem::path save_dir = where.locations.save_dir;
  zemra::TFormMain window(std::move(where.locations));
  const zemra::FirstWindowBeacon beacon(window, save_dir);
  window.Desk().UseSettingsFile(zemra::DefaultDeskSettingsPath());
  if (!options.no_record && window.Desk().Settings().record) {
    std::string program = zemra::VersionText(zemra::Program::kWindow);
    program.pop_back();
    window.RecordSittings(std::move(program));
  }
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(options.seed.value_or(static_cast<std::uint64_t>(
                           std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())),
                       options.new_run, std::move(where.warning));
  return QApplication::exec();
}
