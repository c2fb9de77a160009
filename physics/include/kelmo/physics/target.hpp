// The target: a mixture of elements (or isotopes) with normalised weight fractions and a density.
#pragma once

#include <span>
#include <vector>

namespace kelmo::physics {

/// One target component as the user gives it: mass number A, atomic number Z and a weight share W
/// (only the ratios between the shares matter).
struct ComponentSpec {
    int mass_number;
    int atomic_number;
    double weight;
};

/// One component of a prepared target.
struct TargetComponent {
    int atomic_number;
    double molar_mass_g_mol;
    double weight_fraction;  ///< normalised: the fractions of a target add up to 1
};

/// A prepared target: components with normalised weight fractions, and its density.
struct Target {
    std::vector<TargetComponent> components;
    double density_g_cm3 = 1.0;
};

/// Molar mass of the component (A, Z): the standard atomic weight of element Z when A equals that weight
/// rounded to an integer (the natural element), else A g/mol (the isotope A, mass A u).
double component_molar_mass_g_mol(int mass_number, int atomic_number);

/// Builds a target; shares are normalised to weight fractions. Throws std::invalid_argument for no
/// components, a component Z outside 1..92, A < 1, a weight that is not > 0 and finite, or a density that is
/// not > 0 and finite.
Target make_target(std::span<const ComponentSpec> components, double density_g_cm3);

/// True when the target is treated as a gas (density below 0.01 g/cm3): it decides the phase of the
/// mean excitation energies in the Bragg rule and the Sternheimer-Peierls density-effect rule.
bool is_gas(const Target& target);

/// True for condensed water: hydrogen and oxygen only (natural elements or any isotopes), two hydrogen atoms per
/// oxygen atom within 1 %, at the density of a liquid or solid (0.5-2 g/cm3).
bool is_liquid_water(const Target& target);

/// True when all components are the same element (isotopes of one element count as one element).
bool is_single_element(const Target& target);

/// <Z/A> of the target in mol/g: sum of w_j Z_j / M_j.
double electrons_per_mass_mol_g(const Target& target);

/// Mean excitation energy in eV: the ICRU Report 37 value for a single element; for a mixture the Bragg
/// rule on ln I weighted by electrons, with the ICRU 37 values for atoms bound in condensed compounds
/// (H 19.2, C 81, N 82, O 106, F 112, Cl 180 eV, 1.13 x the elemental value otherwise) or the elemental
/// values for a gas (S. M. Seltzer, M. J. Berger, Int. J. Appl. Radiat. Isot. 33 (1982) 1189).
double mean_excitation_energy_eV(const Target& target);

/// The mean excitation energy of element Z as it enters the Bragg rule of a mixture of the given phase.
double bound_mean_excitation_energy_eV(int atomic_number, bool gas);

/// Plasma energy hbar omega_p = 28.816 sqrt(rho <Z/A>) eV.
double plasma_energy_eV(const Target& target);

}  // namespace kelmo::physics
