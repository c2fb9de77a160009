#pragma once
// The text of an edit as the calculation reads it: exactly as typed, in UTF-8.

#include <QLineEdit>
#include <string>

namespace ui {

inline std::string FieldText(const QLineEdit& edit) { return edit.text().toStdString(); }

}  // namespace ui
