#pragma once
// Starting the calculator and waiting for its end.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

inline constexpr std::string_view kCannotRunKelmo = "Impossible to run kelmo...";

struct CalculatorOutcome {
    enum class Kind { NotStarted, Exited, Crashed };
    Kind kind = Kind::NotStarted;
    int exitCode = 0;             // when Exited
    std::string firstErrorLine;   // the first non-blank line the calculator wrote to its error output
    bool Succeeded() const { return kind == Kind::Exited && exitCode == 0; }
};

// The user's part of the command split at runs of blanks, then "-o" and the result path as one
// argument each (the path may hold blanks). The first word names the program.
std::vector<std::string> CalculatorArguments(std::string_view commandLine, std::string_view resultFile);

class CalculatorLauncher {
public:
    // Programs are looked for in programDirectory first, then on PATH.
    // By default programDirectory is the directory of the running executable.
    CalculatorLauncher();
    explicit CalculatorLauncher(std::string programDirectory);

    // The full path of the program, or empty when it is found in neither place. Names that hold a
    // '/' are taken as they are.
    std::string FindProgram(std::string_view name) const;

    // Starts the command with the result option, without a shell, in the current directory, with the
    // standard output passed through and the error output collected; waits for its end without time-out.
    CalculatorOutcome Run(std::string_view commandLine, std::string_view resultFile) const;

private:
    std::optional<std::string> programDirectory_;  // unset: the directory of the running executable
};

}  // namespace calc
