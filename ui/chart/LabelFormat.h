#pragma once
// The three ways the charts write a tick label. Each follows the user's locale for the decimal and the
// thousands separator; everything else (the "E", the minus sign, the digits) is fixed.

#include <QString>

class QLocale;

namespace chart {

enum class LabelFormat {
    // "#,##0.###": fixed point rounded to three decimals, trailing zeros dropped, thousands grouped:
    // 1500 -> "1,500", 0.25 -> "0.25", 0.0004 -> "0".
    GroupedThreeDecimals,
    // "0.0E-00": two significant digits, exponent with at least two digits: 123 -> "1.2E02", 0.05 -> "5.0E-02".
    ScientificTwoDigitExponent,
    // "0.0E-0#": as above, but the exponent has only the digits it needs: 123 -> "1.2E2", 0.05 -> "5.0E-2".
    ScientificShortExponent,
};

// Rounds half away from zero on the shortest decimal text that reads back as `value`, so a tick at
// 1.25 is written 1.3E00 the way a person would round it, not 1.2E00 as the binary value would give.
QString FormatAxisLabel(double value, LabelFormat format, const QLocale& locale);

}  // namespace chart
