// The ending screen after the final battle, with its own save.
#pragma once

#include "engine/translate.h"

namespace zemra {

// Told on the console when a save succeeded but its report could not be written.
inline constexpr char kReportFailedText[] = N_("レポートを書き出せませんでした。");

void ShowEnding();
void SaveAtEnding();

}  // namespace zemra
