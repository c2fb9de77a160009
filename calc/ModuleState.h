#pragma once
// The state that the main window's handlers share. One object, made before any window and kept to
// the end of the program.

#include <memory>
#include <string>

#include "Composition.h"

class QTemporaryDir;

namespace calc {

// The last line read from the result file, one 32-bit float per column.
struct TResultRow {
    float energy = 0.0f;
    float range = 0.0f;
    float dedx = 0.0f;
};

class ModuleState {
public:
    ModuleState();
    ~ModuleState();
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;

    std::string TempDir;                                // TEMP as read when the main window was made
    TCompositionList CompositionList;
    std::string CommandLine = "kelmo";                  // the calculator command without its output option
    std::string CompositionArgs = " - c 1,1,1.000";    // replaced whole by every run
    bool ValidRequest = false;                          // set by a passing check, cleared after each run
    TResultRow ResultRow;

    // TempDir takes the value of TEMP unchanged, or empty when TEMP is not set.
    void ReadTempDir();

    // The calculator's result file: TempDir joined with "kelmo.out". When TempDir is empty, a private
    // directory (mode 0700) made for this run of the program and removed with this object.
    // Empty only when that private directory cannot be made.
    std::string ResultFile();

private:
    std::unique_ptr<QTemporaryDir> privateDir_;
};

}  // namespace calc
