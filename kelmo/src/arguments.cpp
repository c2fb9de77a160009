#include "kelmo/cli/arguments.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "kelmo/data/tables.hpp"
#include "kelmo/physics/stopping.hpp"

#ifndef KELMO_VERSION
#define KELMO_VERSION "unknown"
#endif

namespace kelmo::cli {

namespace {

struct OptionSpec {
    char letter;              // -a
    std::string_view long_name;  // --points (empty when there is none)
    std::string_view what;    // what the value is, for messages
};

constexpr OptionSpec kValueOptions[] = {
    {'a', "", "the particle's mass number A"},
    {'e', "", "the particle's kinetic energy E in MeV"},
    {'z', "", "the particle's charge (atomic number) Z"},
    {'c', "", "a target component A,Z,W"},
    {'d', "", "the target density in g/cm3"},
    {'o', "", "the output file"},
    {'n', "--points", "the number of table points"},
};

constexpr std::string_view kAllOptions[] = {"-a", "-e", "-z", "-c", "-d", "-o", "-n", "--points",
                                            "-h", "--help", "-V", "--version"};

const OptionSpec* find_value_option(char letter) {
    for (const auto& o : kValueOptions) {
        if (o.letter == letter) return &o;
    }
    return nullptr;
}

std::string quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

std::string format_number(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);  // only for messages; numbers here are never locale-dependent
    for (char* p = buf; *p; ++p) {
        if (*p == ',') *p = '.';
    }
    return buf;
}

// Reads a whole integer ("+12", "-3"); nothing else may follow.
std::optional<long long> read_integer(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads a whole real number in the C locale's syntax (std::from_chars ignores the process locale).
std::optional<double> read_real(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Over- or underflow: keep the sign and magnitude class, so the range checks can say what is wrong.
        const bool negative = text.front() == '-';
        const auto e = text.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && text.find('-', e) != std::string_view::npos;
        return tiny ? (negative ? -0.0 : 0.0) : (negative ? -std::numeric_limits<double>::infinity()
                                                           : std::numeric_limits<double>::infinity());
    }
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// An argument that is an option name rather than a value (a negative number such as -3 is a value).
bool looks_like_option(std::string_view arg) {
    if (arg == "-") return true;
    if (arg.size() < 2 || arg[0] != '-') return false;
    return !(std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
}

std::size_t edit_distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

Error usage(std::string message) { return Error{ExitStatus::kUsage, std::move(message)}; }

}  // namespace

std::string nearest_option(std::string_view typed) {
    // A letter in the wrong case first (-A for -a), then the closest name by edit distance, if unique.
    for (auto o : kAllOptions) {
        if (o != typed && lower(o) == lower(typed) && o != "-V" && o != "-h") return std::string(o);
    }
    std::size_t best = 3;
    std::string_view found;
    bool unique = false;
    for (auto o : kAllOptions) {
        const std::size_t d = edit_distance(typed, o);
        if (d < best) {
            best = d;
            found = o;
            unique = true;
        } else if (d == best) {
            unique = false;
        }
    }
    // One-letter options are all one edit apart: only a longer name is a meaningful guess.
    if (!unique || (typed.size() <= 2 && found.size() <= 2)) return "";
    return std::string(found);
}

ParseResult parse_arguments(std::span<const std::string_view> args) {
    ParseResult result;
    auto fail = [&](Error e) {
        result.action = ParseResult::Action::kError;
        result.error = std::move(e);
        return result;
    };

    std::optional<std::string_view> a_text, e_text, z_text, d_text, n_text, o_text;
    std::vector<std::string_view> c_texts;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            result.action = ParseResult::Action::kHelp;
            return result;
        }
        if (arg == "-V" || arg == "--version") {
            result.action = ParseResult::Action::kVersion;
            return result;
        }
        if (arg == "-") {
            if (i + 1 < args.size() && args[i + 1].size() == 1 && find_value_option(args[i + 1][0])) {
                return fail(usage("stray '-' followed by " + quoted(args[i + 1]) +
                                  ": write the option without a blank, as '-" + std::string(args[i + 1]) + "'"));
            }
            return fail(usage("stray '-' (a lone dash is not an option; options are -a -e -z -c -d -o -n)"));
        }
        if (arg.empty() || arg[0] != '-') {
            return fail(usage("unexpected argument " + quoted(arg) + " (every value follows its option, as in -a 4)"));
        }
        // A value option: "-a 4", "-a4", "--points 200", "--points=200".
        const OptionSpec* option = nullptr;
        std::optional<std::string_view> attached;
        if (arg.size() >= 2 && arg[1] != '-') {
            option = find_value_option(arg[1]);
            if (option && arg.size() > 2) attached = arg.substr(2);
        } else {
            for (const auto& o : kValueOptions) {
                if (o.long_name.empty()) continue;
                if (arg == o.long_name) option = &o;
                if (arg.size() > o.long_name.size() && arg.substr(0, o.long_name.size()) == o.long_name &&
                    arg[o.long_name.size()] == '=') {
                    option = &o;
                    attached = arg.substr(o.long_name.size() + 1);
                }
            }
        }
        if (!option) {
            const std::string guess = nearest_option(arg);
            return fail(usage("unknown option " + quoted(arg) +
                              (guess.empty() ? std::string(" (options are -a -e -z -c -d -o -n --help --version)")
                                             : "; did you mean " + quoted(guess) + "?")));
        }
        const std::string name = option->long_name.empty() || arg.substr(0, 2) != "--"
                                     ? std::string("-") + option->letter
                                     : std::string(option->long_name);
        std::string_view value;
        if (attached) {
            value = *attached;
        } else {
            if (i + 1 >= args.size()) {
                return fail(usage("option " + name + " needs a value: " + std::string(option->what)));
            }
            if (looks_like_option(args[i + 1])) {
                return fail(usage("option " + name + " needs a value (" + std::string(option->what) +
                                  ") but is followed by " + quoted(args[i + 1]) + (option->letter == 'z' || option->letter == 'a' || option->letter == 'e' || option->letter == 'd' ? " (is the field empty?)" : "")));
            }
            value = args[++i];
        }
        std::optional<std::string_view>* slot = nullptr;
        switch (option->letter) {
            case 'a': slot = &a_text; break;
            case 'e': slot = &e_text; break;
            case 'z': slot = &z_text; break;
            case 'd': slot = &d_text; break;
            case 'o': slot = &o_text; break;
            case 'n': slot = &n_text; break;
            case 'c': c_texts.push_back(value); continue;
            default: break;
        }
        if (slot->has_value()) return fail(usage("option " + name + " is given twice"));
        *slot = value;
    }

    // Everything that must be there.
    const std::pair<const std::optional<std::string_view>*, const char*> required[] = {
        {&a_text, "-a (the particle's mass number A)"},
        {&e_text, "-e (the particle's kinetic energy in MeV)"},
        {&z_text, "-z (the particle's charge Z)"},
        {&d_text, "-d (the target density in g/cm3)"},
    };
    for (const auto& [text, what] : required) {
        if (!text->has_value()) return fail(usage(std::string("missing option ") + what));
    }

    // The numbers, in the order of the command line of the front end: A, E, Z, components, density.
    Request& r = result.request;
    const auto A = read_integer(*a_text);
    if (!A) return fail({ExitStatus::kMalformedNumber, "-a needs an integer mass number A, got " + quoted(*a_text)});
    const auto E = read_real(*e_text);
    if (!E) return fail({ExitStatus::kMalformedNumber, "-e needs an energy in MeV, got " + quoted(*e_text)});
    const auto Z = read_integer(*z_text);
    if (!Z) return fail({ExitStatus::kMalformedNumber, "-z needs an integer charge Z, got " + quoted(*z_text)});

    if (*A < 1) {
        return fail({ExitStatus::kParticleOutOfRange, "-a: the mass number A must be at least 1, got " + std::string(*a_text)});
    }
    if (*A > std::numeric_limits<int>::max()) {
        return fail({ExitStatus::kParticleOutOfRange, "-a: the mass number A is too large, got " + std::string(*a_text)});
    }
    if (*Z == 0) {
        return fail({ExitStatus::kParticleOutOfRange,
                     "-z: Z = 0 is a neutral particle, which has no electronic stopping; give a charge of at least 1"});
    }
    if (*Z < 0) {
        return fail({ExitStatus::kParticleOutOfRange, "-z: the charge Z must be at least 1, got " + std::string(*z_text)});
    }
    if (*Z > data::kMaxZ) {
        return fail({ExitStatus::kParticleOutOfRange,
                     "-z: Z = " + std::string(*z_text) + " is beyond uranium; the model covers Z = 1..92"});
    }
    if (*Z > *A) {
        return fail({ExitStatus::kParticleOutOfRange, "-z: Z = " + std::to_string(*Z) +
                                                          " is larger than the mass number A = " + std::to_string(*A)});
    }
    r.mass_number = static_cast<int>(*A);
    r.atomic_number = static_cast<int>(*Z);

    if (!(*E > 0.0) || !std::isfinite(*E)) {
        return fail({ExitStatus::kEnergyOutOfRange, "-e: the energy must be a positive number of MeV, got " + quoted(*e_text)});
    }
    const double per_nucleon = *E / r.mass_number;
    if (per_nucleon > physics::kMaxEnergy_MeV_u) {
        return fail({ExitStatus::kEnergyOutOfRange,
                     "-e: " + std::string(*e_text) + " MeV is above the model's upper limit of " +
                         format_number(physics::kMaxEnergy_MeV_u) + " MeV per nucleon (" +
                         format_number(physics::kMaxEnergy_MeV_u * r.mass_number) + " MeV for A = " +
                         std::to_string(r.mass_number) + ")"});
    }
    if (per_nucleon < physics::kMinEnergy_MeV_u) {
        return fail({ExitStatus::kEnergyOutOfRange,
                     "-e: " + std::string(*e_text) + " MeV is below the model's lower limit of " +
                         format_number(physics::kMinEnergy_MeV_u) + " MeV per nucleon (" +
                         format_number(physics::kMinEnergy_MeV_u * r.mass_number) + " MeV for A = " +
                         std::to_string(r.mass_number) + ")"});
    }
    r.energy_MeV = *E;

    if (c_texts.empty()) {
        return fail({ExitStatus::kTargetOutOfRange, "no target component: give at least one -c A,Z,W"});
    }
    for (const auto text : c_texts) {
        std::string_view parts[3];
        std::size_t count = 0;
        std::size_t start = 0;
        bool too_many = false;
        for (std::size_t k = 0; k <= text.size(); ++k) {
            if (k == text.size() || text[k] == ',') {
                if (count == 3) {
                    too_many = true;
                    break;
                }
                parts[count++] = text.substr(start, k - start);
                start = k + 1;
            }
        }
        const auto cA = count == 3 && !too_many ? read_integer(parts[0]) : std::nullopt;
        const auto cZ = count == 3 && !too_many ? read_integer(parts[1]) : std::nullopt;
        const auto cW = count == 3 && !too_many ? read_real(parts[2]) : std::nullopt;
        if (!cA || !cZ || !cW) {
            return fail({ExitStatus::kMalformedNumber,
                         "-c needs A,Z,W (integer mass number, integer atomic number, weight share), got " + quoted(text)});
        }
        if (*cA < 1) {
            return fail({ExitStatus::kTargetOutOfRange, "-c " + std::string(text) + ": the mass number A must be at least 1"});
        }
        if (*cA > std::numeric_limits<int>::max()) {
            return fail({ExitStatus::kTargetOutOfRange, "-c " + std::string(text) + ": the mass number A is too large"});
        }
        if (*cZ < data::kMinZ || *cZ > data::kMaxZ) {
            return fail({ExitStatus::kTargetOutOfRange,
                         "-c " + std::string(text) + ": Z = " + std::string(parts[1]) + " is outside the elements 1..92"});
        }
        if (*cZ > *cA) {
            return fail({ExitStatus::kTargetOutOfRange, "-c " + std::string(text) + ": Z = " + std::to_string(*cZ) +
                                                            " is larger than the mass number A = " +
                                                            std::to_string(*cA)});
        }
        if (!(*cW > 0.0) || !std::isfinite(*cW)) {
            return fail({ExitStatus::kTargetOutOfRange, "-c " + std::string(text) +
                                                            ": the weight share W must be > 0 and finite, got " +
                                                            quoted(parts[2])});
        }
        r.components.push_back({static_cast<int>(*cA), static_cast<int>(*cZ), *cW});
    }
    double weight_sum = 0.0;
    for (const auto& c : r.components) weight_sum += c.weight;
    if (!std::isfinite(weight_sum)) {
        return fail({ExitStatus::kTargetOutOfRange, "-c: the weight shares add up to more than a finite number"});
    }

    const auto D = read_real(*d_text);
    if (!D) return fail({ExitStatus::kMalformedNumber, "-d needs a density in g/cm3, got " + quoted(*d_text)});
    if (!(*D > 0.0) || !std::isfinite(*D)) {
        return fail({ExitStatus::kDensityOutOfRange, "-d: the density must be > 0 and finite (g/cm3), got " + quoted(*d_text)});
    }
    if (*D < kMinDensity_g_cm3 || *D > kMaxDensity_g_cm3) {
        return fail({ExitStatus::kDensityOutOfRange, "-d: " + std::string(*d_text) +
                                                         " g/cm3 is outside the model's range " +
                                                         format_number(kMinDensity_g_cm3) + ".." +
                                                         format_number(kMaxDensity_g_cm3) + " g/cm3"});
    }
    r.density_g_cm3 = *D;

    if (n_text) {
        const auto N = read_integer(*n_text);
        if (!N) return fail({ExitStatus::kMalformedNumber, "-n needs an integer number of points, got " + quoted(*n_text)});
        if (*N < 1 || *N > kMaxPoints) {
            return fail({ExitStatus::kPointsOutOfRange,
                         "-n: the number of points must be 1.." + std::to_string(kMaxPoints) + ", got " + std::string(*n_text)});
        }
        r.points = static_cast<int>(*N);
    }
    if (o_text) {
        if (o_text->empty()) return fail(usage("option -o needs a file name, got ''"));
        r.output_path = std::string(*o_text);
    }
    result.action = ParseResult::Action::kRun;
    return result;
}

const char* exit_status_table() {
    return "  0  success\n"
           "  1  internal error of kelmo\n"
           "  2  usage: unknown option, stray argument, option given twice, missing option or value\n"
           "  3  a value that is not a number of the expected kind\n"
           "  4  particle out of range: A < 1, Z < 1 (neutral), Z > 92 or Z > A\n"
           "  5  target out of range: no component, component A < 1, Z outside 1..92 or > A, W not > 0\n"
           "  6  density not > 0, not finite or outside 1e-10..1000 g/cm3\n"
           "  7  energy not > 0 or outside 1e-06..10000 MeV per nucleon\n"
           "  8  number of points outside 1..1000000\n"
           "  9  the output file cannot be written\n";
}

std::string help_text() {
    std::string text =
        "Usage: kelmo -a A -e E -z Z -c A,Z,W [-c A,Z,W]... -d DENSITY [-o FILE] [-n POINTS]\n"
        "       kelmo --help | --version\n"
        "\n"
        "Range and stopping power (dE/dx) of an ion in a target of one or more elements.\n"
        "\n"
        "  -a A          particle mass number (integer >= 1)\n"
        "  -e E          kinetic energy of the whole particle, MeV\n"
        "  -z Z          particle charge, its atomic number (1..92)\n"
        "  -c A,Z,W      a target component: mass number, atomic number, weight share; repeat for each\n"
        "                component; the shares are normalised. A equal to the rounded standard atomic\n"
        "                weight of element Z means the natural element, any other A that isotope (A u)\n"
        "  -d DENSITY    target density, g/cm3\n"
        "  -o FILE       output file (written atomically); standard output without -o\n"
        "  -n, --points POINTS\n"
        "                number of energies in the table (default 200)\n"
        "  -h, --help    this text;  -V, --version  the version\n"
        "\n"
        "Output: one line per energy, from 1 keV per nucleon (or E if lower) to E on a logarithmic\n"
        "grid: energy [MeV], CSDA range [cm], dE/dx [MeV/cm] (electronic + nuclear), no header.\n"
        "Particle mass: the nuclear masses of p, d, t, 3He and 4He; A u for heavier ions.\n"
        "Numbers are read and written in the C locale ('.' as the decimal mark).\n"
        "\n"
        "Physics: ICRU 49 / ZBL 1985 proton fits joined smoothly to Bethe-Bloch with shell, Barkas,\n"
        "Lindhard-Sorensen and density-effect terms; effective charge for ions; ZBL nuclear stopping;\n"
        "Bragg additivity. Range = integral of dE/S from 0. Model energies: 1e-06..10000 MeV per nucleon.\n"
        "\n"
        "Exit status:\n";
    text += exit_status_table();
    return text;
}

std::string version_text() { return std::string("kelmo ") + KELMO_VERSION + "\n"; }

}  // namespace kelmo::cli
