#include "web/recording_summary.h"

#include <string>

#include "engine/translate.h"
#include "record/recording.h"

namespace zemra {
namespace {

using nlohmann::json;

bool Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return false;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// "2026-12-11T09-30-05.zrec" began at "2026-12-11 09:30:05"; any other name is shown as it is.
std::string Began(std::string_view name) {
  const bool stamped = Digits(name, 0, 4) && Digits(name, 5, 2) && Digits(name, 8, 2) && name.size() > 10 &&
                       name[10] == 'T' && Digits(name, 11, 2) && Digits(name, 14, 2) && Digits(name, 17, 2);
  if (!stamped) return std::string(name);
  std::string began(name.substr(0, 10));
  began += ' ';
  began += name.substr(11, 2);
  began += ':';
  began += name.substr(14, 2);
  began += ':';
  began += name.substr(17, 2);
  return began;
}

std::string Number(const json& end, const char* field) {
  const auto found = end.find(field);
  return found != end.end() && found->is_number_integer() ? std::to_string(found->get<long long>()) : "?";
}

bool Flag(const json& end, const char* field) {
  const auto found = end.find(field);
  return found != end.end() && found->is_boolean() && found->get<bool>();
}

std::string Ending(const json& end) {
  if (!end.is_object()) return Tr("不明");
  const std::string depth = Number(end, "depth");
  const std::string battles = Number(end, "battles");
  if (Flag(end, "terminated")) return Tf("終了（深度%1、戦闘%2回）", {depth, battles});
  if (Flag(end, "cleared")) return Tf("クリア後（深度%1、戦闘%2回）", {depth, battles});
  const auto page = end.find("page");
  if (page == end.end() || *page != "main") return Tr("タイトルで中断");
  return Tf("途中で中断（深度%1、戦闘%2回）", {depth, battles});
}

}  // namespace

json RecordingSummaryJson(std::string_view name, std::string_view text, const json& end) {
  const RecordingRead read = ReadRecording(text);
  int inputs = 0;
  std::string length = Tr("不明");
  if (read.recording) {
    for (const RecordedLine& line : read.recording->lines) inputs += line.input ? 1 : 0;
    if (const auto seconds = read.recording->wall_seconds) {
      std::string second = std::to_string(*seconds % 60);
      if (second.size() < 2) second.insert(0, "0");
      length = Tf("%1分%2秒", {std::to_string(*seconds / 60), second});
    }
  }
  return json{{"began", Began(name)}, {"inputs", inputs}, {"length", length}, {"ending", Ending(end)}};
}

}  // namespace zemra
