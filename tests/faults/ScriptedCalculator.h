#pragma once
// A stand-in for kelmo whose behaviour is a piece of shell script chosen by each test: it finds the
// result path after -o, records it, and then runs the piece with $output set to that path.

#include <QTemporaryDir>
#include <string>

namespace faults {

class ScriptedCalculator {
public:
    ScriptedCalculator();
    // The directory that holds the program "kelmo"; give it to a CalculatorLauncher.
    std::string ProgramDirectory() const;
    // The script run after the arguments were read; it sees the result path as $output.
    void Behave(const std::string& script);
    // The result path of the last start; empty when the calculator was not started.
    std::string RecordedOutput() const;
    void ForgetStarts();

private:
    QTemporaryDir directory_;
};

// Behaviours used by several tests.
namespace behaviour {
// Writes a small result and exits 0.
std::string WritesResult(const std::string& resultText);
// Writes like a careful calculator: when the result cannot be written it says so and exits 4.
inline constexpr const char* kWritesOrComplains =
    "printf '1 2 3\\n' 2>/dev/null > \"$output\" || "
    "{ echo \"kelmo: error: cannot write $output\" >&2; exit 4; }";
}  // namespace behaviour

}  // namespace faults
