#pragma once
// Reading and writing numbers the way the C library's atol, strtod and "%f" do it in the "C" locale,
// whatever locale the user's desktop runs in: a German locale must not turn 2.26 into 2.

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// atol: leading white space, an optional sign, the longest run of decimal digits; 0 when there is no
// number; the rest of the text is ignored. Values beyond 32 bits saturate at the 32-bit limits.
std::int32_t ReadInteger(std::string_view text);

// strtod: leading white space, then the longest prefix that forms a decimal or hexadecimal floating
// number, "inf", "infinity" or "nan" (with an optional sign); 0 when there is none. The rest is ignored.
// consumed, when given, receives the number of characters the number took (0 when there was none).
double ReadReal(std::string_view text, std::size_t* consumed = nullptr);

// The nearest 32-bit float: what assigning a double to a float gives.
float NarrowToFloat(double value);

// printf "%f" in the "C" locale: six digits after a '.', "inf", "-inf", "nan" or "-nan" as glibc prints them.
std::string FormatFixed(double value);

// Plain decimal: "-12", "0", "2147483647".
std::string FormatDecimal(std::int64_t value);

}  // namespace calc
