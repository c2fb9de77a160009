#include "kelmo/cli/run.hpp"

#include <exception>

#include "kelmo/cli/arguments.hpp"
#include "kelmo/cli/output.hpp"
#include "kelmo/physics/stopping.hpp"

namespace kelmo::cli {

namespace {

int report(std::ostream& err, const Error& e) {
    err << "kelmo: error: " << e.message << '\n';
    err.flush();
    return code(e.status);
}

}  // namespace

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const ParseResult parsed = parse_arguments(args);
    switch (parsed.action) {
        case ParseResult::Action::kHelp: out << help_text(); out.flush(); return code(ExitStatus::kOk);
        case ParseResult::Action::kVersion: out << version_text(); out.flush(); return code(ExitStatus::kOk);
        case ParseResult::Action::kError: return report(err, parsed.error);
        case ParseResult::Action::kRun: break;
    }
    const Request& r = parsed.request;
    // A folder that does not exist is reported before the calculation, not after it.
    if (r.output_path) {
        if (auto e = check_output_path(*r.output_path)) {
            // Devices such as /dev/stdout live in a folder that exists; only real problems stop here.
            return report(err, *e);
        }
    }
    std::string text;
    try {
        const physics::Particle particle = physics::make_particle(r.mass_number, r.atomic_number);
        const physics::Target target = physics::make_target(r.components, r.density_g_cm3);
        const physics::StoppingModel model(particle, target, r.energy_MeV);
        text = format_table(physics::range_table(model, r.energy_MeV, r.points));
    } catch (const std::exception& e) {
        return report(err, {ExitStatus::kInternalError, std::string("calculation failed: ") + e.what()});
    }
    if (r.output_path) {
        if (auto e = write_file_atomically(*r.output_path, text)) return report(err, *e);
        return code(ExitStatus::kOk);
    }
    out << text;
    out.flush();
    if (!out) return report(err, {ExitStatus::kOutputError, "cannot write to standard output"});
    return code(ExitStatus::kOk);
}

}  // namespace kelmo::cli
