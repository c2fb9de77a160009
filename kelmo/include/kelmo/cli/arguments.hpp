// kelmo's command line: parsing returns a request or an error (status and message) to the caller.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kelmo/cli/exit_status.hpp"
#include "kelmo/physics/target.hpp"

namespace kelmo::cli {

inline constexpr int kDefaultPoints = 200;
inline constexpr int kMaxPoints = 1000000;
inline constexpr double kMinDensity_g_cm3 = 1e-10;
inline constexpr double kMaxDensity_g_cm3 = 1e3;

/// A complete, checked calculation request.
struct Request {
    int mass_number = 0;      ///< -a
    double energy_MeV = 0.0;  ///< -e, kinetic energy of the whole particle
    int atomic_number = 0;    ///< -z
    std::vector<physics::ComponentSpec> components;  ///< -c A,Z,W (repeated)
    double density_g_cm3 = 0.0;                        ///< -d
    std::optional<std::string> output_path;            ///< -o; standard output when absent
    int points = kDefaultPoints;                       ///< -n / --points
};

struct Error {
    ExitStatus status;
    std::string message;  ///< one line, without the "kelmo: error: " prefix
};

/// What the command line asks for.
struct ParseResult {
    enum class Action { kRun, kHelp, kVersion, kError };
    Action action = Action::kError;
    Request request;
    Error error{ExitStatus::kOk, ""};
};

/// Parses the arguments (without the program name). Never exits, never prints.
ParseResult parse_arguments(std::span<const std::string_view> args);

/// Text of --help and --version (each ends with a line break).
std::string help_text();
std::string version_text();

/// The nearest valid option to a mistyped one ("" when none is close).
std::string nearest_option(std::string_view typed);

}  // namespace kelmo::cli
