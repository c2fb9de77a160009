// kelmo: range and stopping-power tables for the GUI-Kelmo front end. See kelmo --help.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "kelmo/cli/output.hpp"
#include "kelmo/cli/run.hpp"

namespace {

// A signal that ends kelmo (SIGINT, SIGTERM, SIGHUP when its terminal goes, SIGQUIT, SIGXFSZ when the
// file grows past the size limit): remove a temporary file being written, then end with the signal.
extern "C" void on_signal(int sig) {
    if (const char* temp = kelmo::cli::pending_temporary_file()) ::unlink(temp);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

}  // namespace

int main(int argc, char** argv) {
    for (const int sig : kelmo::cli::kEndingSignals) {
        // A signal ignored by whoever started kelmo stays ignored (nohup; SIGXFSZ then gives a write error).
        if (std::signal(sig, on_signal) == SIG_IGN) std::signal(sig, SIG_IGN);
    }
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return kelmo::cli::run(args, std::cout, std::cerr);
}
