// The list of every key the window answers, as the F1 box shows it.
#pragma once

#include <QString>

namespace zemra {

QString KeyHelpText();

}  // namespace zemra
