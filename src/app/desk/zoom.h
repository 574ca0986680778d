// The window at a whole factor of its built size: every child's place and size
// and every font's pixel size are multiplied, so text is laid out afresh and
// stays sharp; pictures and drawn frames take the factor themselves.
#pragma once

#include <QSize>

class QWidget;

namespace zemra {

// Scales the window and everything in it from the layout it was built with;
// factor 1 gives back that layout exactly.
void ApplyZoom(QWidget* window, int factor);

// The largest factor, from 1 to `limit`, at which `client` plus the window
// frame's `margins` fits in `available`; at least 1.
int LargestFittingZoom(QSize client, QSize margins, QSize available, int limit);

}  // namespace zemra
