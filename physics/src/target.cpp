#include "kelmo/physics/target.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

#include "kelmo/data/tables.hpp"

namespace kelmo::physics {

namespace {
constexpr double kGasDensityLimit_g_cm3 = 0.01;
}

double component_molar_mass_g_mol(int mass_number, int atomic_number) {
    const double standard = data::element(atomic_number).atomic_weight_g_mol;
    if (mass_number == static_cast<int>(std::lround(standard))) return standard;
    return mass_number;
}

Target make_target(std::span<const ComponentSpec> components, double density_g_cm3) {
    if (components.empty()) throw std::invalid_argument("the target has no component");
    if (!(density_g_cm3 > 0.0) || !std::isfinite(density_g_cm3)) {
        throw std::invalid_argument("the target density must be > 0 and finite");
    }
    double sum = 0.0;
    for (const auto& c : components) {
        if (c.atomic_number < data::kMinZ || c.atomic_number > data::kMaxZ) {
            throw std::invalid_argument("target component Z = " + std::to_string(c.atomic_number) +
                                        " is outside 1..92");
        }
        if (c.mass_number < 1) throw std::invalid_argument("target component A must be >= 1");
        if (!(c.weight > 0.0) || !std::isfinite(c.weight)) {
            throw std::invalid_argument("target component weight must be > 0 and finite");
        }
        sum += c.weight;
    }
    if (!std::isfinite(sum)) throw std::invalid_argument("the sum of the target weights is not finite");
    Target target;
    target.density_g_cm3 = density_g_cm3;
    for (const auto& c : components) {
        target.components.push_back(
            {c.atomic_number, component_molar_mass_g_mol(c.mass_number, c.atomic_number), c.weight / sum});
    }
    return target;
}

bool is_gas(const Target& target) { return target.density_g_cm3 < kGasDensityLimit_g_cm3; }

bool is_liquid_water(const Target& target) {
    if (target.density_g_cm3 < 0.5 || target.density_g_cm3 > 2.0) return false;
    double hydrogen_mol = 0.0, hydrogen_w = 0.0, oxygen_mol = 0.0, oxygen_w = 0.0;
    for (const auto& c : target.components) {
        if (c.atomic_number == 1) {
            hydrogen_w += c.weight_fraction;
            hydrogen_mol += c.weight_fraction / c.molar_mass_g_mol;
        } else if (c.atomic_number == 8) {
            oxygen_w += c.weight_fraction;
            oxygen_mol += c.weight_fraction / c.molar_mass_g_mol;
        } else {
            return false;
        }
    }
    if (hydrogen_w <= 0.0 || oxygen_w <= 0.0) return false;
    // Two hydrogen atoms per oxygen atom, whatever the isotopes.
    return std::abs(hydrogen_mol / oxygen_mol / 2.0 - 1.0) < 0.01;
}

bool is_single_element(const Target& target) {
    for (const auto& c : target.components) {
        if (c.atomic_number != target.components.front().atomic_number) return false;
    }
    return true;
}

double electrons_per_mass_mol_g(const Target& target) {
    double sum = 0.0;
    for (const auto& c : target.components) sum += c.weight_fraction * c.atomic_number / c.molar_mass_g_mol;
    return sum;
}

double bound_mean_excitation_energy_eV(int atomic_number, bool gas) {
    const double elemental = data::element(atomic_number).I_eV;
    if (gas) return elemental;
    // ICRU Report 37 (after Seltzer and Berger 1982): atoms bound in condensed compounds.
    switch (atomic_number) {
        case 1: return 19.2;
        case 6: return 81.0;
        case 7: return 82.0;
        case 8: return 106.0;
        case 9: return 112.0;
        case 17: return 180.0;
        default: return 1.13 * elemental;
    }
}

double mean_excitation_energy_eV(const Target& target) {
    if (is_single_element(target)) return data::element(target.components.front().atomic_number).I_eV;
    const bool gas = is_gas(target);
    double sum_ln = 0.0;
    double sum = 0.0;
    for (const auto& c : target.components) {
        const double electrons = c.weight_fraction * c.atomic_number / c.molar_mass_g_mol;
        sum_ln += electrons * std::log(bound_mean_excitation_energy_eV(c.atomic_number, gas));
        sum += electrons;
    }
    return std::exp(sum_ln / sum);
}

double plasma_energy_eV(const Target& target) {
    return 28.816 * std::sqrt(target.density_g_cm3 * electrons_per_mass_mol_g(target));
}

}  // namespace kelmo::physics
