#pragma once
// The front end as the main window drives it: one module state made with TEMP as the test sets it, a
// window that records what the run did, and a launcher that finds the scripted kelmo. Plus the
// helpers every fault test needs to prove that nothing was lost and nothing was written elsewhere.

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "calc/CalculatorProcess.h"
#include "calc/CalculatorRun.h"
#include "calc/ModuleState.h"
#include "tests/calc/EnvironmentGuard.h"
#include "tests/calc/FakeCalculator.h"
#include "tests/calc/FileText.h"

namespace faults {

using calc_test::FileText;

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The names in a directory, hidden ones included; empty when it cannot be listed.
inline std::set<std::string> Listing(const std::string& directory) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

inline bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

inline const calc::RequestFields kValidRequest{"4", "10", "2", "2.26"};

class FrontEnd {
public:
    // TEMP is set (or unset) to temp for as long as this object lives; the module state reads it once.
    FrontEnd(const std::optional<std::string>& temp, const std::string& programDirectory)
        : temp_("TEMP", temp), launcher_(programDirectory) {
        state.ReadTempDir();
        calc::AddComponent(state.CompositionList, "12", "6", "1");
    }

    // Run with a valid request, as a press of "Run Kelmo".
    void Run() { RunWith(launcher_); }
    void RunWith(const calc::CalculatorLauncher& launcher) {
        calc::RunCalculation(state, kValidRequest, window, launcher);
    }
    // File/Save onto destination; the status text it would show, if any.
    std::optional<std::string> Save(const std::string& destination) {
        return calc::SaveResultCopy(state, destination);
    }
    std::string LastStatus() const { return window.statusTexts.empty() ? std::string{} : window.statusTexts.back(); }
    // The status bar after a run that went well: the command without its output option.
    static std::string CommandStatus() { return "kelmo -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26"; }

    calc::ModuleState state;
    calc_test::RecordingWindow window;

private:
    calc_test::EnvironmentGuard temp_;
    calc::CalculatorLauncher launcher_;
};

}  // namespace faults
