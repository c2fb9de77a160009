// kelmo's result table: formatting and atomic writing.
#pragma once

#include <csignal>
#include <optional>
#include <string>
#include <vector>

#include "kelmo/cli/arguments.hpp"
#include "kelmo/physics/stopping.hpp"

namespace kelmo::cli {

/// One line per point: "energy range dEdx" in MeV, cm, MeV/cm, each as %.6e (C locale, whatever the
/// process locale), separated by one blank, ended by '\n'. Lines are 40 characters long at most.
std::string format_table(const std::vector<physics::TablePoint>& table);

/// Checks before the calculation that `path` can be written: its folder exists and is a folder, and the
/// path is not a folder. Returns the error, or nothing.
std::optional<Error> check_output_path(const std::string& path);

/// Writes `text` to `path` atomically: a temporary file in the same folder, written, flushed and closed,
/// then renamed over `path`. On any error the temporary file is removed and `path` is left as it was.
/// A path that names something other than a regular file (a device such as /dev/stdout or /dev/full, a
/// pipe) is written directly, and a write error is reported. Returns the error, or nothing.
std::optional<Error> write_file_atomically(const std::string& path, const std::string& text);

/// The temporary file being written, if any (for the signal handler of main: it removes it).
const char* pending_temporary_file();

/// The signals that end kelmo and for which main removes the temporary file. They are held back while
/// the temporary file is created and recorded, so that none can end kelmo between the two.
inline constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXFSZ};

}  // namespace kelmo::cli
