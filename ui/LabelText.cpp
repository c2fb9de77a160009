#include "LabelText.h"

#include <QLabel>
#include <algorithm>

namespace ui {

void FitLabelWidth(QLabel& label) {
    const int textWidth_px = label.sizeHint().width();
    if (textWidth_px > label.width()) label.resize(textWidth_px, label.height());
}

void SetLabelText(QLabel& label, const QString& text) {
    label.setText(text);
    FitLabelWidth(label);
}

}  // namespace ui
