// kelmo: range and stopping-power tables for the GUI-Kelmo front end. See kelmo --help.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "kelmo/cli/output.hpp"
#include "kelmo/cli/run.hpp"

namespace {

// SIGINT / SIGTERM: remove a temporary file being written, then end with the signal as usual.
extern "C" void on_signal(int sig) {
    if (const char* temp = kelmo::cli::pending_temporary_file()) ::unlink(temp);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return kelmo::cli::run(args, std::cout, std::cerr);
}
