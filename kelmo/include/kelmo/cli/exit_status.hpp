// The exit statuses of kelmo, in one place; --help lists them.
#pragma once

namespace kelmo::cli {

enum class ExitStatus : int {
    kOk = 0,
    kInternalError = 1,        ///< a fault of kelmo itself
    kUsage = 2,                ///< unknown option, stray argument, option given twice, missing option or value
    kMalformedNumber = 3,      ///< a value that is not a number of the expected kind
    kParticleOutOfRange = 4,   ///< A < 1, Z < 1 (neutral), Z > 92 or Z > A
    kTargetOutOfRange = 5,     ///< no component, component A < 1 or Z outside 1..92, W not > 0
    kDensityOutOfRange = 6,    ///< density not > 0, not finite or outside the model's range
    kEnergyOutOfRange = 7,     ///< E not > 0, not finite or outside the model's energy range
    kPointsOutOfRange = 8,     ///< number of table points outside 1..1000000
    kOutputError = 9,          ///< the output file cannot be written
};

inline constexpr int code(ExitStatus status) { return static_cast<int>(status); }

/// One line per status for --help: "  2  usage: ...".
const char* exit_status_table();

}  // namespace kelmo::cli
