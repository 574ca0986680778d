// What the window tells a screen reader. Labels and buttons already speak
// their texts; this adds names to the pictures and the fighter panels, life
// as words, and each sword label's information as its description.
#pragma once

class QWidget;

namespace zemra {

class TFormMain;

// Names that never change: the title picture, the name page, the panels.
void NameFixedControls(TFormMain& window);
// Brings names and descriptions in line with what the main page shows.
void RefreshAccessibleTexts(TFormMain& window);

}  // namespace zemra
