#include "LabelFormat.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace chart {

namespace {

// |value| = 0.d1 d2 d3 ... x 10^pointPosition, with no trailing zeros in `digits`; zero has no digits.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits ShortestDecimal(double value) {
    char text[64];
    // The shortest scientific text that reads back to the same double: "d.ddde+XX" or "de-XX".
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    const std::string scientific(text, result.ptr);
    const auto e = scientific.find('e');

    DecimalDigits decimal;
    decimal.negative = std::signbit(value);
    for (std::size_t i = 0; i < e; ++i) {
        if (scientific[i] != '.') decimal.digits += scientific[i];
    }
    decimal.pointPosition = std::atoi(scientific.c_str() + e + 1) + 1;
    while (!decimal.digits.empty() && decimal.digits.back() == '0') decimal.digits.pop_back();
    return decimal;
}

// Keeps the first `keep` digits, rounding half away from zero. A carry out of the first digit (9.96 kept
// to two digits) moves the decimal point one place, giving 10.
void RoundToDigits(DecimalDigits& decimal, int keep) {
    if (keep < 0) {
        decimal.digits.clear();
    } else if (static_cast<std::size_t>(keep) < decimal.digits.size()) {
        const bool roundUp = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
        decimal.digits.resize(static_cast<std::size_t>(keep));
        bool carry = roundUp;
        for (auto digit = decimal.digits.rbegin(); carry && digit != decimal.digits.rend(); ++digit) {
            carry = *digit == '9';
            *digit = carry ? '0' : static_cast<char>(*digit + 1);
        }
        if (carry) {
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.pointPosition;
        }
    }
    while (!decimal.digits.empty() && decimal.digits.back() == '0') decimal.digits.pop_back();
    if (decimal.digits.empty()) decimal.negative = false;  // -0.0004 rounds to a plain 0
}

char DigitAt(const DecimalDigits& decimal, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= decimal.digits.size()) return '0';
    return decimal.digits[static_cast<std::size_t>(index)];
}

QString GroupedThreeDecimals(double value, const QLocale& locale) {
    constexpr int kDecimals = 3;
    DecimalDigits decimal = ShortestDecimal(value);
    RoundToDigits(decimal, decimal.pointPosition + kDecimals);

    QString integerPart;
    const int integerDigits = std::max(decimal.pointPosition, 1);
    for (int i = 0; i < integerDigits; ++i) {
        const int digitsLeft = integerDigits - i;
        if (i > 0 && digitsLeft % 3 == 0) integerPart += locale.groupSeparator();
        integerPart += QChar::fromLatin1(DigitAt(decimal, decimal.pointPosition - digitsLeft));
    }
    QString fraction;
    for (int i = 0; i < kDecimals; ++i) fraction += QChar::fromLatin1(DigitAt(decimal, decimal.pointPosition + i));
    while (fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);

    QString label = decimal.negative ? QStringLiteral("-") : QString();
    label += integerPart;
    if (!fraction.isEmpty()) label += locale.decimalPoint() + fraction;
    return label;
}

QString Scientific(double value, int minimumExponentDigits, const QLocale& locale) {
    DecimalDigits decimal = ShortestDecimal(value);
    RoundToDigits(decimal, 2);
    const int exponent = decimal.digits.empty() ? 0 : decimal.pointPosition - 1;

    QString label = decimal.negative ? QStringLiteral("-") : QString();
    label += QChar::fromLatin1(DigitAt(decimal, 0));
    label += locale.decimalPoint();
    label += QChar::fromLatin1(DigitAt(decimal, 1));
    label += QLatin1Char('E');
    if (exponent < 0) label += QLatin1Char('-');
    label += QString::number(std::abs(exponent)).rightJustified(minimumExponentDigits, QLatin1Char('0'));
    return label;
}

}  // namespace

QString FormatAxisLabel(double value, LabelFormat format, const QLocale& locale) {
    // Tick values are always finite; a stray infinity or NaN still gets a readable label.
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    switch (format) {
        case LabelFormat::GroupedThreeDecimals: return GroupedThreeDecimals(value, locale);
        case LabelFormat::ScientificTwoDigitExponent: return Scientific(value, 2, locale);
        case LabelFormat::ScientificShortExponent: return Scientific(value, 1, locale);
    }
    return {};
}

}  // namespace chart
