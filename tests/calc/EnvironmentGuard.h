#pragma once
// Sets or unsets one environment variable for the length of a test.

#include <cstdlib>
#include <optional>
#include <string>

namespace calc_test {

class EnvironmentGuard {
public:
    EnvironmentGuard(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) previous_ = old;
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ~EnvironmentGuard() {
        if (previous_) {
            setenv(name_.c_str(), previous_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace calc_test
