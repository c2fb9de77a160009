#pragma once
// What a fuzz target does when a property fails: say which one and on what input, then abort so that
// libFuzzer keeps the input as a crash artifact.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// The input with bytes outside printable ASCII written as \xNN, so the message fits on a terminal.
inline void PrintEscaped(std::string_view text) {
    constexpr std::size_t kShown = 400;
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02x", c);
        }
    }
    if (text.size() > kShown) std::fprintf(stderr, "... (%zu bytes)", text.size());
}

inline void Require(bool holds, const char* property, std::string_view input) {
    if (holds) return;
    std::fprintf(stderr, "\nproperty broken: %s\ninput: \"", property);
    PrintEscaped(input);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

}  // namespace fuzz
