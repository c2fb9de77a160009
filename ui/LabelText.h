#pragma once
// Labels that take the size of their text, as the counters beside "Total components: " must when the
// number grows a digit.

#include <QString>

class QLabel;

namespace ui {

// Widens the label to its text when the text needs more than the label's width; never narrows it.
void FitLabelWidth(QLabel& label);

// Sets the label's text and widens it to fit.
void SetLabelText(QLabel& label, const QString& text);

}  // namespace ui
