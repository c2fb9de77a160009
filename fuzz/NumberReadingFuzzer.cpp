// Every text a user can type into a number field goes through ReadInteger or ReadReal, and the shares
// come back out through FormatFixed. They must agree with the C library in the "C" locale (atol
// saturated at 32 bits, strtod, printf "%f"), whatever the locale the program runs in.

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>

#include "FuzzCheck.h"
#include "calc/Numbers.h"

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

std::int32_t SaturatedAtol(const std::string& text) {
    const long value = strtol_l(text.c_str(), nullptr, 10, CLocale());
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::string PrintfFixed(double value) {
    const locale_t previous = uselocale(CLocale());
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%f", value);
    uselocale(previous);
    return buffer;
}

bool SameReal(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::memcmp(&a, &b, sizeof a) == 0;  // also tells +0 from -0
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A desktop whose locale writes a decimal comma: the readers must not follow it.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    fuzz::Require(calc::ReadInteger(text) == SaturatedAtol(text), "ReadInteger agrees with atol (saturated)", text);

    std::size_t consumed = 0;
    const double value = calc::ReadReal(text, &consumed);
    char* end = nullptr;
    const double expected = strtod_l(text.c_str(), &end, CLocale());
    fuzz::Require(SameReal(value, expected), "ReadReal gives the value of strtod", text);
    fuzz::Require(consumed == static_cast<std::size_t>(end - text.c_str()),
                  "ReadReal takes as many characters as strtod", text);

    fuzz::Require(calc::FormatFixed(value) == PrintfFixed(value), "FormatFixed prints what printf \"%f\" prints", text);

    // Within the range of a float the narrowing is the plain conversion (beyond it, C++ leaves that
    // conversion undefined, which is why NarrowToFloat exists).
    if (!std::isfinite(value) || std::fabs(value) <= std::numeric_limits<float>::max()) {
        const float narrowed = calc::NarrowToFloat(value);
        const float plain = static_cast<float>(value);
        fuzz::Require(SameReal(narrowed, plain), "NarrowToFloat is the plain conversion within range", text);
        fuzz::Require(calc::FormatFixed(narrowed) == PrintfFixed(narrowed), "FormatFixed prints a float as printf does",
                      text);
    }
    return 0;
}
