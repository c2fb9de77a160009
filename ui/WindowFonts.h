#pragma once
// The fonts of the windows. The layout was drawn for "MS Sans Serif", a Windows bitmap face; where it is
// missing, a sans-serif face of the same character height stands in (Liberation Sans has Arial's metrics,
// which come closest), so that every text keeps fitting the control it was measured for.

#include <QFont>

namespace ui {

// Character heights in pixels at 96 dpi; Qt scales them with the rest of the layout on denser screens.
inline constexpr int kWindowFontHeight_px = 11;     // 8 point: every control unless told otherwise
inline constexpr int kPageControlFontHeight_px = 8; // 6 point: page tabs and the LogX/LogY boxes
inline constexpr int kRunButtonFontHeight_px = 16;  // 12 point, bold: "Run Kelmo"
inline constexpr int kAboutTitleFontHeight_px = 24; // 18 point, bold: the About box's title
inline constexpr int kAboutTextFontHeight_px = 13;  // 10 point: the About box's two lines

// The window face at the given character height, regular or bold. Family, size and weight are all set
// explicitly, so a control given this font does not inherit the bold caption font of its group box.
QFont WindowFont(int characterHeight_px, bool bold = false);

}  // namespace ui
