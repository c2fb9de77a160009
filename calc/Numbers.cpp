#include "Numbers.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace calc {

namespace {

// The white space of the "C" locale, as isspace sees it there.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

locale_t CLocale() {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c_locale;
}

}  // namespace

std::int32_t ReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range: the result saturates.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                   : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(magnitude);
}

double ReadReal(std::string_view text, std::size_t* consumed) {
    // Like the C library, the text ends at its first NUL.
    text = text.substr(0, text.find('\0'));

    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    std::size_t digits = i;
    if (digits < text.size() && text[digits] == '+') ++digits;
    const bool signThenSign = digits > i && digits < text.size() && text[digits] == '-';
    const std::size_t afterSign = digits < text.size() && text[digits] == '-' ? digits + 1 : digits;
    const bool hexadecimal = afterSign + 1 < text.size() && text[afterSign] == '0' &&
                             (text[afterSign + 1] == 'x' || text[afterSign + 1] == 'X');

    // from_chars reads the decimal, "inf" and "nan" forms exactly as strtod does and never looks at the
    // locale; it is fast enough for a million lines. Hexadecimal numbers and values beyond the range
    // of a double go to strtod in the "C" locale, which gives the C library's answer for them.
    if (!signThenSign && !hexadecimal) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data() + digits, text.data() + text.size(), value);
        if (error == std::errc{}) {
            if (consumed != nullptr) *consumed = static_cast<std::size_t>(end - text.data());
            return value;
        }
        if (error == std::errc::invalid_argument) {
            if (consumed != nullptr) *consumed = 0;
            return 0.0;
        }
    }
    const std::string terminated(text);
    char* end = nullptr;
    const double value = strtod_l(terminated.c_str(), &end, CLocale());
    if (consumed != nullptr) *consumed = static_cast<std::size_t>(end - terminated.c_str());
    return value;
}

float NarrowToFloat(double value) {
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    if (std::isfinite(value) && std::fabs(value) > kFloatMax) {
        // Round to nearest as the hardware does: up to half an ulp (2^103) above the largest float
        // still rounds down to it, anything beyond becomes infinite.
        const double halfUlp = std::ldexp(1.0, 103);
        const float magnitude = std::fabs(value) < kFloatMax + halfUlp ? std::numeric_limits<float>::max()
                                                                       : std::numeric_limits<float>::infinity();
        return value < 0 ? -magnitude : magnitude;
    }
    return static_cast<float>(value);
}

std::string FormatFixed(double value) {
    // The largest double needs 309 digits before the point; to_chars never looks at the locale.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 6);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatDecimal(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace calc
