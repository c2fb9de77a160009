// kelmo's argument parser: every error of the issue with its exact message and status, and the accepted forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kelmo/cli/arguments.hpp"

using kelmo::cli::ExitStatus;
using kelmo::cli::ParseResult;

namespace {

ParseResult parse(std::vector<std::string_view> args) { return kelmo::cli::parse_arguments(args); }

struct ErrorCase {
    std::vector<std::string_view> args;
    ExitStatus status;
    std::string message;
};

}  // namespace

TEST(Arguments, TheFrontEndsExampleRequest) {
    const auto r = parse({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26", "-o", "/tmp/x/kelmo.out"});
    ASSERT_EQ(r.action, ParseResult::Action::kRun) << r.error.message;
    EXPECT_EQ(r.request.mass_number, 4);
    EXPECT_EQ(r.request.atomic_number, 2);
    EXPECT_DOUBLE_EQ(r.request.energy_MeV, 10.0);
    ASSERT_EQ(r.request.components.size(), 1u);
    EXPECT_EQ(r.request.components[0].mass_number, 12);
    EXPECT_EQ(r.request.components[0].atomic_number, 6);
    EXPECT_DOUBLE_EQ(r.request.components[0].weight, 1.0);
    EXPECT_DOUBLE_EQ(r.request.density_g_cm3, 2.26);
    EXPECT_EQ(r.request.output_path, "/tmp/x/kelmo.out");
    EXPECT_EQ(r.request.points, 200);
}

TEST(Arguments, SeveralComponentsOtherFormsAndOptionalOutput) {
    const auto r = parse({"-a", "1", "-e", "1e2", "-z", "+1", "-c", "1,1,0.111894", "-c", "16,8,0.888106", "-d", "1",
                          "--points", "7"});
    ASSERT_EQ(r.action, ParseResult::Action::kRun) << r.error.message;
    EXPECT_EQ(r.request.components.size(), 2u);
    EXPECT_EQ(r.request.points, 7);
    EXPECT_FALSE(r.request.output_path.has_value());
    const auto attached = parse({"-a4", "-e10", "-z2", "-c12,6,1", "-d2.26", "-n3", "--points=3"});
    EXPECT_EQ(attached.action, ParseResult::Action::kError);  // -n and --points both: given twice
    const auto attached_ok = parse({"-a4", "-e10", "-z2", "-c12,6,1", "-d2.26", "--points=3"});
    ASSERT_EQ(attached_ok.action, ParseResult::Action::kRun) << attached_ok.error.message;
    EXPECT_EQ(attached_ok.request.points, 3);
}

TEST(Arguments, HelpAndVersion) {
    EXPECT_EQ(parse({"--help"}).action, ParseResult::Action::kHelp);
    EXPECT_EQ(parse({"-a", "4", "-h"}).action, ParseResult::Action::kHelp);
    EXPECT_EQ(parse({"--version"}).action, ParseResult::Action::kVersion);
    EXPECT_EQ(parse({"-V"}).action, ParseResult::Action::kVersion);
    const std::string help = kelmo::cli::help_text();
    for (const char* needle : {"Usage: kelmo -a A -e E -z Z", "MeV/cm", "Exit status:", "  9  the output file",
                               "Bethe-Bloch", "Physics:", "nuclear masses of p, d, t, 3He and 4He"}) {
        EXPECT_NE(help.find(needle), std::string::npos) << needle;
    }
}

TEST(Arguments, EveryErrorHasItsMessageAndStatus) {
    const ErrorCase cases[] = {
        // The front end's start value of the composition: " - c 1,1,1.000".
        {{"-a", "4", "-e", "10", "-z", "2", "-", "c", "1,1,1.000", "-d", "2.26"}, ExitStatus::kUsage,
         "stray '-' followed by 'c': write the option without a blank, as '-c'"},
        // An empty Z text: "-z" directly followed by "-c" or "-d".
        {{"-a", "4", "-e", "10", "-z", "-c", "12,6,1", "-d", "2.26"}, ExitStatus::kUsage,
         "option -z needs a value (the particle's charge (atomic number) Z) but is followed by '-c' (is the field empty?)"},
        {{"-a", "4", "-e", "10", "-z", "-d", "2.26"}, ExitStatus::kUsage,
         "option -z needs a value (the particle's charge (atomic number) Z) but is followed by '-d' (is the field empty?)"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d"}, ExitStatus::kUsage,
         "option -d needs a value: the target density in g/cm3"},
        {{"-a", "4", "-e", "10", "-z", "2", "-x", "1"}, ExitStatus::kUsage,
         "unknown option '-x' (options are -a -e -z -c -d -o -n --help --version)"},
        {{"-A", "4"}, ExitStatus::kUsage, "unknown option '-A'; did you mean '-a'?"},
        {{"--pionts", "4"}, ExitStatus::kUsage, "unknown option '--pionts'; did you mean '--points'?"},
        {{"--versoin"}, ExitStatus::kUsage, "unknown option '--versoin'; did you mean '--version'?"},
        {{"-a", "4", "4"}, ExitStatus::kUsage, "unexpected argument '4' (every value follows its option, as in -a 4)"},
        {{"-a", "4", "-a", "4"}, ExitStatus::kUsage, "option -a is given twice"},
        {{"-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kUsage,
         "missing option -a (the particle's mass number A)"},
        {{"-a", "4", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kUsage,
         "missing option -e (the particle's kinetic energy in MeV)"},
        {{"-a", "4", "-e", "10", "-c", "12,6,1", "-d", "2"}, ExitStatus::kUsage, "missing option -z (the particle's charge Z)"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1"}, ExitStatus::kUsage, "missing option -d (the target density in g/cm3)"},
        {{"-a", "abc", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-a needs an integer mass number A, got 'abc'"},
        {{"-a", "4.5", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-a needs an integer mass number A, got '4.5'"},
        // Beyond 32 bits: never cut down to a small A (4294967297 would become 1).
        {{"-a", "4294967297", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-a: the mass number A is too large, got 4294967297"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "4294967308,6,1", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 4294967308,6,1: the mass number A is too large"},
        {{"-a", "4", "-e", "10MeV", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-e needs an energy in MeV, got '10MeV'"},
        {{"-a", "4", "-e", "10,5", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-e needs an energy in MeV, got '10,5'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2,26"}, ExitStatus::kMalformedNumber,
         "-d needs a density in g/cm3, got '2,26'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-c needs A,Z,W (integer mass number, integer atomic number, weight share), got '12,6'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1,1", "-d", "2"}, ExitStatus::kMalformedNumber,
         "-c needs A,Z,W (integer mass number, integer atomic number, weight share), got '12,6,1,1'"},
        {{"-a", "0", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-a: the mass number A must be at least 1, got 0"},
        {{"-a", "4", "-e", "10", "-z", "0", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-z: Z = 0 is a neutral particle, which has no electronic stopping; give a charge of at least 1"},
        {{"-a", "4", "-e", "10", "-z", "-2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-z: the charge Z must be at least 1, got -2"},
        {{"-a", "300", "-e", "10", "-z", "93", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-z: Z = 93 is beyond uranium; the model covers Z = 1..92"},
        {{"-a", "4", "-e", "10", "-z", "6", "-c", "12,6,1", "-d", "2"}, ExitStatus::kParticleOutOfRange,
         "-z: Z = 6 is larger than the mass number A = 4"},
        {{"-a", "4", "-e", "0", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kEnergyOutOfRange,
         "-e: the energy must be a positive number of MeV, got '0'"},
        {{"-a", "4", "-e", "-5", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kEnergyOutOfRange,
         "-e: the energy must be a positive number of MeV, got '-5'"},
        {{"-a", "4", "-e", "inf", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kEnergyOutOfRange,
         "-e: the energy must be a positive number of MeV, got 'inf'"},
        {{"-a", "4", "-e", "1e5", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kEnergyOutOfRange,
         "-e: 1e5 MeV is above the model's upper limit of 10000 MeV per nucleon (40000 MeV for A = 4)"},
        {{"-a", "4", "-e", "1e-9", "-z", "2", "-c", "12,6,1", "-d", "2"}, ExitStatus::kEnergyOutOfRange,
         "-e: 1e-9 MeV is below the model's lower limit of 1e-06 MeV per nucleon (4e-06 MeV for A = 4)"},
        {{"-a", "4", "-e", "10", "-z", "2", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "no target component: give at least one -c A,Z,W"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,93,1", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 12,93,1: Z = 93 is outside the elements 1..92"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,0,1", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 12,0,1: Z = 0 is outside the elements 1..92"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "0,6,1", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 0,6,1: the mass number A must be at least 1"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,0", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 12,6,0: the weight share W must be > 0 and finite, got '0'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,-1", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 12,6,-1: the weight share W must be > 0 and finite, got '-1'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,nan", "-d", "2"}, ExitStatus::kTargetOutOfRange,
         "-c 12,6,nan: the weight share W must be > 0 and finite, got 'nan'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "0"}, ExitStatus::kDensityOutOfRange,
         "-d: the density must be > 0 and finite (g/cm3), got '0'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "-1"}, ExitStatus::kDensityOutOfRange,
         "-d: the density must be > 0 and finite (g/cm3), got '-1'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "inf"}, ExitStatus::kDensityOutOfRange,
         "-d: the density must be > 0 and finite (g/cm3), got 'inf'"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "1e-50"}, ExitStatus::kDensityOutOfRange,
         "-d: 1e-50 g/cm3 is outside the model's range 1e-10..1000 g/cm3"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2", "-n", "0"}, ExitStatus::kPointsOutOfRange,
         "-n: the number of points must be 1..1000000, got 0"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2", "-o", ""}, ExitStatus::kUsage,
         "option -o needs a file name, got ''"},
    };
    for (const auto& c : cases) {
        const auto r = parse(c.args);
        std::string joined;
        for (auto a : c.args) joined += std::string(a) + " ";
        ASSERT_EQ(r.action, ParseResult::Action::kError) << joined;
        EXPECT_EQ(r.error.status, c.status) << joined;
        EXPECT_EQ(r.error.message, c.message) << joined;
    }
}

TEST(Arguments, DistinctStatuses) {
    using kelmo::cli::code;
    const int codes[] = {code(ExitStatus::kInternalError), code(ExitStatus::kUsage), code(ExitStatus::kMalformedNumber),
                         code(ExitStatus::kParticleOutOfRange), code(ExitStatus::kTargetOutOfRange),
                         code(ExitStatus::kDensityOutOfRange), code(ExitStatus::kEnergyOutOfRange),
                         code(ExitStatus::kPointsOutOfRange), code(ExitStatus::kOutputError)};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        EXPECT_NE(codes[i], 0);
        for (std::size_t j = i + 1; j < std::size(codes); ++j) EXPECT_NE(codes[i], codes[j]);
    }
}
