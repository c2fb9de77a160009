#pragma once
// Lets GoogleTest show a QString that failed a check as its text, not as raw bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
