// kelmo's command line: random argument vectors (the input split at line ends). Each must give either
// a table of finite, positive values with rising energies and ranges, or one error line with a non-zero
// status; never a crash, a NaN, an endless loop (libFuzzer's time-out) or an output file. A request
// with -o is calculated in process and never handed to run(), so no input can write a file.

#include <cmath>
#include <cstdint>
#include <exception>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "kelmo/cli/arguments.hpp"
#include "kelmo/cli/output.hpp"
#include "kelmo/cli/run.hpp"
#include "kelmo/physics/particle.hpp"
#include "kelmo/physics/stopping.hpp"
#include "kelmo/physics/target.hpp"

namespace {

// A table of a million points takes seconds under the sanitizers; a few hundred show the same physics,
// so longer tables are shortened to this many points.
constexpr int kMostPoints = 300;

void CheckTable(const std::vector<kelmo::physics::TablePoint>& table, const kelmo::cli::Request& request,
                std::string_view input) {
    fuzz::Require(!table.empty(), "a table has at least one line", input);
    fuzz::Require(table.size() == static_cast<std::size_t>(request.points) || table.size() == 1,
                  "the table has the requested number of lines", input);
    double previousEnergy = 0.0;
    double previousRange = 0.0;
    for (const auto& point : table) {
        fuzz::Require(std::isfinite(point.energy_MeV) && point.energy_MeV > 0.0, "energies are finite and > 0", input);
        fuzz::Require(std::isfinite(point.range_cm) && point.range_cm > 0.0, "ranges are finite and > 0", input);
        fuzz::Require(std::isfinite(point.stopping_MeV_cm) && point.stopping_MeV_cm > 0.0,
                      "dE/dx is finite and > 0", input);
        fuzz::Require(point.energy_MeV > previousEnergy, "energies rise", input);
        fuzz::Require(point.range_cm > previousRange, "ranges rise", input);
        previousEnergy = point.energy_MeV;
        previousRange = point.range_cm;
    }
    fuzz::Require(std::fabs(table.back().energy_MeV - request.energy_MeV) <= 1e-9 * request.energy_MeV,
                  "the table ends at E", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::string_view rest = input; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        args.push_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }

    kelmo::cli::ParseResult parsed = kelmo::cli::parse_arguments(args);
    using Action = kelmo::cli::ParseResult::Action;
    if (parsed.action == Action::kError) {
        fuzz::Require(kelmo::cli::code(parsed.error.status) != 0, "an error has a non-zero status", input);
        fuzz::Require(!parsed.error.message.empty() && parsed.error.message.find('\n') == std::string::npos,
                      "an error is one line", input);
    }
    if (parsed.action != Action::kRun) {
        if (parsed.action == Action::kError || !parsed.request.output_path) {
            std::ostringstream out, err;
            const int status = kelmo::cli::run(args, out, err);
            fuzz::Require((status == 0) == (parsed.action != Action::kError), "run() agrees with the parser", input);
            if (status != 0) {
                fuzz::Require(out.str().empty(), "an error writes no table", input);
                fuzz::Require(err.str().rfind("kelmo: error: ", 0) == 0 && err.str().find('\n') == err.str().size() - 1,
                              "an error is one line \"kelmo: error: ...\"", input);
            }
        }
        return 0;
    }

    kelmo::cli::Request& request = parsed.request;
    const bool shortened = request.points > kMostPoints;
    if (shortened) request.points = kMostPoints;
    std::vector<kelmo::physics::TablePoint> table;
    try {
        const auto particle = kelmo::physics::make_particle(request.mass_number, request.atomic_number);
        const auto target = kelmo::physics::make_target(request.components, request.density_g_cm3);
        const kelmo::physics::StoppingModel model(particle, target, request.energy_MeV);
        table = kelmo::physics::range_table(model, request.energy_MeV, request.points);
    } catch (const std::exception& e) {
        // The parser accepted the request, so the physics must be able to answer it.
        fuzz::Require(false, (std::string("an accepted request is calculated, not refused: ") + e.what()).c_str(),
                      input);
    }
    CheckTable(table, request, input);

    // Without -o, run() prints exactly that table to standard output and nothing else.
    if (!request.output_path && !shortened) {
        std::ostringstream out, err;
        fuzz::Require(kelmo::cli::run(args, out, err) == 0 && err.str().empty(), "an accepted request runs", input);
        fuzz::Require(out.str() == kelmo::cli::format_table(table), "run() prints the table", input);
    }
    return 0;
}
