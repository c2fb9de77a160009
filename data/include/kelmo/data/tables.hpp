// Element data tables of the calculator, compiled in from data/csv/*.csv (copies of the project's shared
// physics tables; data/README.md says where every number comes from). Rows are looked up by Z through
// the accessors below, which reject a Z outside 1..92 instead of returning a silent zero.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace kelmo::data {

inline constexpr int kMinZ = 1;
inline constexpr int kMaxZ = 92;

/// One row of elements.csv.
struct Element {
    int Z;
    std::string_view symbol;
    std::string_view name;
    double atomic_weight_g_mol;  ///< standard atomic weight (IUPAC 2013), or the mass of the longest-lived isotope
    double I_eV;                 ///< mean excitation energy, ICRU Report 37
    std::string_view I_phase;    ///< phase to which I_eV refers: "gas", "liquid" or "solid"
    double density_g_cm3;        ///< reference density (gases at 20 degC, 1 atm)
    std::string_view state;      ///< "gas", "liquid" or "solid" at 20 degC, 1 atm
};

/// One row of proton_stopping_coefficients.csv: Ziegler, Biersack, Littmark (1985) proton fit, A1..A8.
struct ProtonFitZbl85 {
    int Z;
    std::string_view symbol;
    double a1, a2, a3, a4, a5, a6, a7, a8;
};

/// One row of proton_stopping_icru49_coefficients.csv: ICRU Report 49 (1993) proton fit, A1..A5.
struct ProtonFitIcru49 {
    int Z;
    std::string_view symbol;
    double a1, a2, a3, a4, a5;
};

/// One row of heavy_ion_parameters.csv (effective-charge model of Ziegler, Biersack, Littmark 1985).
struct HeavyIonParameters {
    int Z;
    std::string_view symbol;
    double v_fermi;        ///< Fermi velocity of the electrons of target element Z, in units of v0 = alpha c
    double lambda_factor;  ///< screening-length factor of an ion of atomic number Z
};

/// One row of density_effect.csv: Sternheimer, Berger, Seltzer, At. Data Nucl. Data Tables 30 (1984) 261.
struct DensityEffectRow {
    int Z;
    std::string_view symbol;
    std::string_view state;
    double density_g_cm3;     ///< density for which the row was fitted
    double plasma_energy_eV;  ///< hbar omega_p
    double I_eV;
    double minus_C;           ///< Cbar = 2 ln(I / hbar omega_p) + 1
    double x0, x1, a, m;
    double delta0;            ///< delta at x0 (non-zero for conductors)
    double delta_max_error;
};

/// Constants of constants.csv (CODATA 2018), as written in the table; physics/constants.hpp holds the
/// values the code uses and a test checks that both agree.
struct ConstantRow {
    std::string_view name;
    double value;
    std::string_view unit;
    std::string_view note;
};

/// One node of moliere_nuclear_stopping.csv: the reduced nuclear stopping s_n of the Moliere potential at
/// reduced energy eps = 10^log10_eps (computed by data/tools/moliere_nuclear_stopping.cpp).
struct ReducedStoppingNode {
    double log10_eps;
    double s_n;
};

/// Rows for element Z; throw std::out_of_range when Z is outside 1..92.
const Element& element(int Z);
const ProtonFitZbl85& proton_fit_zbl85(int Z);
const ProtonFitIcru49& proton_fit_icru49(int Z);
const HeavyIonParameters& heavy_ion_parameters(int Z);
/// The density-effect row of element Z, or nothing for the two elements the 1984 table lacks (At, Fr).
/// Throws std::out_of_range when Z is outside 1..92.
std::optional<DensityEffectRow> density_effect_row(int Z);

/// The nodes of moliere_nuclear_stopping.csv, equally spaced in log10_eps and in increasing order.
std::span<const ReducedStoppingNode> moliere_nuclear_stopping();

/// The value of constant `name` in constants.csv; throws std::out_of_range for an unknown name.
double constant(std::string_view name);

}  // namespace kelmo::data
