#pragma once
// Switches the whole process to a German locale (decimal comma) for one test, and back.

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace calc_test {

class GermanLocale {
public:
    GermanLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        // The setup script generates this locale; without it the test would prove nothing, so it fails.
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace calc_test
