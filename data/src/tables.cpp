#include "kelmo/data/tables.hpp"

#include <array>
#include <iterator>
#include <string>

namespace kelmo::data {
namespace {

// The .inc files are generated at build time from data/csv/ (see data/CMakeLists.txt).
constexpr Element kElements[] = {
#include "elements.inc"
};
constexpr ProtonFitZbl85 kProtonZbl85[] = {
#include "proton_stopping_coefficients.inc"
};
constexpr ProtonFitIcru49 kProtonIcru49[] = {
#include "proton_stopping_icru49_coefficients.inc"
};
constexpr HeavyIonParameters kHeavyIon[] = {
#include "heavy_ion_parameters.inc"
};
constexpr DensityEffectRow kDensityEffect[] = {
#include "density_effect.inc"
};
constexpr ConstantRow kConstants[] = {
#include "constants.inc"
};
constexpr ReducedStoppingNode kMoliere[] = {
#include "moliere_nuclear_stopping.inc"
};

// The interpolation in the physics library relies on equal steps in log10_eps.
constexpr bool equally_spaced(const ReducedStoppingNode (&nodes)[std::size(kMoliere)]) {
    const double step = nodes[1].log10_eps - nodes[0].log10_eps;
    for (std::size_t i = 1; i < std::size(kMoliere); ++i) {
        const double d = nodes[i].log10_eps - nodes[i - 1].log10_eps - step;
        if (d > 1e-9 || d < -1e-9 || !(nodes[i].s_n > 0.0)) return false;
    }
    return step > 0.0;
}
static_assert(std::size(kMoliere) >= 4 && equally_spaced(kMoliere),
              "moliere_nuclear_stopping.csv: positive s_n on equal, increasing steps of log10_eps");

// Tables with one row per element must hold row Z at position Z - 1.
template <typename Row, std::size_t N>
constexpr bool rows_are_z_1_to_92(const Row (&rows)[N]) {
    if (N != static_cast<std::size_t>(kMaxZ)) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].Z != static_cast<int>(i) + 1) return false;
    }
    return true;
}
static_assert(rows_are_z_1_to_92(kElements), "elements.csv must have rows Z = 1..92 in order");
static_assert(rows_are_z_1_to_92(kProtonZbl85), "proton_stopping_coefficients.csv must have rows Z = 1..92");
static_assert(rows_are_z_1_to_92(kProtonIcru49), "proton_stopping_icru49_coefficients.csv: rows Z = 1..92");
static_assert(rows_are_z_1_to_92(kHeavyIon), "heavy_ion_parameters.csv must have rows Z = 1..92 in order");

// density_effect.csv has no rows for At and Fr: index its rows by Z (-1 = no row).
constexpr std::array<int, kMaxZ + 1> kDensityEffectIndex = [] {
    std::array<int, kMaxZ + 1> index{};
    for (auto& i : index) i = -1;
    for (std::size_t i = 0; i < std::size(kDensityEffect); ++i) {
        const int z = kDensityEffect[i].Z;
        if (z < kMinZ || z > kMaxZ || index[z] != -1) throw "density_effect.csv: Z out of range or repeated";
        index[z] = static_cast<int>(i);
    }
    return index;
}();

void check_z(int Z, const char* table) {
    if (Z < kMinZ || Z > kMaxZ) {
        throw std::out_of_range(std::string(table) + ": no row for Z = " + std::to_string(Z) + " (rows are 1..92)");
    }
}

}  // namespace

const Element& element(int Z) {
    check_z(Z, "elements");
    return kElements[Z - 1];
}

const ProtonFitZbl85& proton_fit_zbl85(int Z) {
    check_z(Z, "proton_stopping_coefficients");
    return kProtonZbl85[Z - 1];
}

const ProtonFitIcru49& proton_fit_icru49(int Z) {
    check_z(Z, "proton_stopping_icru49_coefficients");
    return kProtonIcru49[Z - 1];
}

const HeavyIonParameters& heavy_ion_parameters(int Z) {
    check_z(Z, "heavy_ion_parameters");
    return kHeavyIon[Z - 1];
}

std::optional<DensityEffectRow> density_effect_row(int Z) {
    check_z(Z, "density_effect");
    const int i = kDensityEffectIndex[static_cast<std::size_t>(Z)];
    if (i < 0) return std::nullopt;
    return kDensityEffect[i];
}

std::span<const ReducedStoppingNode> moliere_nuclear_stopping() { return kMoliere; }

double constant(std::string_view name) {
    for (const auto& row : kConstants) {
        if (row.name == name) return row.value;
    }
    throw std::out_of_range("constants: no constant named '" + std::string(name) + "'");
}

}  // namespace kelmo::data
