// The whole of kelmo as a function: parse, calculate, write. main() and the tests call it.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelmo::cli {

/// Runs kelmo with these arguments (without the program name). The table goes to `out` when there is no
/// -o; help and version go to `out`; every error is one line "kelmo: error: ..." on `err`. Returns the exit
/// status (ExitStatus).
int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelmo::cli
