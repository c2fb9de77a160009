#include "WindowFonts.h"

#include <QStringList>

namespace ui {

QFont WindowFont(int characterHeight_px, bool bold) {
    QFont font;
    // The first family that is installed wins; the style hint covers a machine that has none of them.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(characterHeight_px);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace ui
