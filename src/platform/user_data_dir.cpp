// The XDG base-directory rule for the data folder, read from the environment.
#include "platform/user_data_dir.h"

#include <cstdlib>
#include <system_error>

#include "engine/translate.h"

namespace zemra {
namespace {

constexpr char kFolderName[] = "zemra6";

std::optional<std::filesystem::path> AbsoluteFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') return std::nullopt;
  const std::filesystem::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

}  // namespace

std::optional<std::filesystem::path> UserDataDir() {
  if (const auto xdg = AbsoluteFromEnvironment("XDG_DATA_HOME")) return *xdg / kFolderName;
  if (const auto home = AbsoluteFromEnvironment("HOME")) return *home / ".local" / "share" / kFolderName;
  return std::nullopt;
}

SaveFolder PrepareUserDataDir() {
  const std::optional<std::filesystem::path> dir = UserDataDir();
  if (!dir) return {{}, Tr("（保存先のフォルダが分かりません。今のフォルダにセーブします。）")};
  std::error_code error;
  std::filesystem::create_directories(*dir, error);
  if (!error && !std::filesystem::is_directory(*dir, error)) error = std::make_error_code(std::errc::not_a_directory);
  if (error) return {{}, Tf("（%1 を使えません。今のフォルダにセーブします。）", {dir->string()})};
  return {*dir, std::nullopt};
}

}  // namespace zemra
