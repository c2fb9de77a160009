#include "kelmo/physics/stopping.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "kelmo/data/tables.hpp"
#include "kelmo/physics/constants.hpp"

namespace kelmo::physics {

namespace c = constants;

namespace {

struct Velocity {
    double gamma, beta2, beta_gamma;
};

// Velocity of a particle with kinetic energy e per u of its mass (MeV/u).
Velocity velocity(double energy_MeV_u) {
    const double tau = energy_MeV_u / c::kAtomicMassUnit_MeV;
    const double gamma = 1.0 + tau;
    const double bg2 = tau * (tau + 2.0);
    return Velocity{gamma, bg2 / (gamma * gamma), std::sqrt(bg2)};
}

constexpr double kLsStep = 0.25;  // step of the Lindhard-Sorensen table in ln(E per u)

}  // namespace

StoppingModel::StoppingModel(const Particle& particle, const Target& target, double max_energy_MeV,
                             const JoinEnergies& joins)
    : particle_(particle), target_(target), joins_(joins) {
    if (target_.components.empty()) throw std::invalid_argument("the target has no component");
    if (particle_.atomic_number < 1 || particle_.atomic_number > data::kMaxZ) {
        throw std::invalid_argument("particle Z must be in 1..92");
    }
    I_eV_ = physics::mean_excitation_energy_eV(target_);
    electrons_mol_g_ = electrons_per_mass_mol_g(target_);
    const double plasma = plasma_energy_eV(target_);
    const bool single = is_single_element(target_);
    const bool gas = is_gas(target_);
    // Elements and liquid water have their own rows in the 1984 table of Sternheimer, Berger and Seltzer; other
    // mixtures take the general rule of Sternheimer and Peierls.
    if (single) {
        density_ = element_density_effect(target_.components.front().atomic_number, target_.density_g_cm3, I_eV_,
                                          plasma);
    } else if (is_liquid_water(target_)) {
        density_ = liquid_water_density_effect(target_.density_g_cm3, I_eV_);
    } else {
        density_ = sternheimer_peierls(I_eV_, plasma, gas);
    }

    double lowest_bethe = kMaxEnergy_MeV_u;
    for (const auto& tc : target_.components) {
        Component comp{};
        comp.Z = tc.atomic_number;
        comp.molar_mass_g_mol = tc.molar_mass_g_mol;
        comp.weight_fraction = tc.weight_fraction;
        comp.electrons_mol_g = tc.weight_fraction * tc.atomic_number / tc.molar_mass_g_mol;
        comp.shell_I_eV = single ? I_eV_ : bound_mean_excitation_energy_eV(tc.atomic_number, gas);
        comp.v_fermi = data::heavy_ion_parameters(tc.atomic_number).v_fermi;
        comp.lambda_factor = data::heavy_ion_parameters(particle_.atomic_number).lambda_factor;
        comp.low_branch = particle_.atomic_number >= 3
                              ? heavy_ion_low_velocity_branch(particle_.atomic_number, tc.atomic_number)
                              : LowVelocityBranch{0.0, 0.5};
        const double beta_k = std::min(0.9, joins_.bethe_beta_per_Z2_alpha * tc.atomic_number * c::kFineStructure);
        const double e_k = c::kAtomicMassUnit_MeV * (1.0 / std::sqrt(1.0 - beta_k * beta_k) - 1.0);
        comp.bethe_start_MeV_u = std::max(joins_.proton_bethe_start_MeV_u, e_k);
        lowest_bethe = std::min(lowest_bethe, comp.bethe_start_MeV_u);
        lowest_bethe_MeV_u_ = lowest_bethe;
        components_.push_back(comp);
    }

    // Lindhard-Sorensen terms (unit charge and the ion's charge) over the energies where Bethe-Bloch is used.
    ls_log_e_min_ = std::log(0.5 * lowest_bethe);
    const double top_MeV_u = max_energy_MeV > 0.0 ? std::min(max_energy_MeV / particle_.mass_u, kMaxEnergy_MeV_u * 1.01)
                                                  : kMaxEnergy_MeV_u * 1.01;
    const int nodes =
        std::max(4, static_cast<int>(std::ceil(std::log(top_MeV_u / (0.5 * lowest_bethe)) / kLsStep)) + 3);
    ls_values_.reserve(2 * static_cast<std::size_t>(nodes));
    for (int i = 0; i < nodes; ++i) {
        const double e = std::exp(ls_log_e_min_ + i * kLsStep);
        const double beta = std::sqrt(velocity(e).beta2);
        ls_values_.push_back(lindhard_sorensen_term(1.0, beta));
        ls_values_.push_back(particle_.atomic_number == 1 ? ls_values_.back()
                                                          : lindhard_sorensen_term(bethe_charge_at(e), beta));
    }

    // The fits between 0.3 MeV/u and Bethe-Bloch. The ICRU 49 fit of a gaseous element describes the gas; in
    // a condensed target the ZBL 1985 fit (which describes such elements as bound in solids) is used at all
    // energies below Bethe-Bloch. Other elements take the fit that agrees better with Bethe-Bloch where
    // Bethe-Bloch takes over (the ICRU 49 fit for light elements, the ZBL 1985 fit for heavier ones, whose
    // shape follows measured data from 1 to 50 MeV/u). What remains between that fit and Bethe-Bloch at the
    // join (a few per cent for compounds, whose I differs from the elements') is spread smoothly over the
    // energies from 0.3 MeV/u to the join.
    for (auto& comp : components_) {
        comp.gas_in_condensed = !gas && data::element(comp.Z).I_phase == "gas";
        const double eb = comp.bethe_start_MeV_u;
        const double bethe_b = bethe_component(comp, eb, 1.0);
        const double icru = proton_stopping_icru49_eV_1e15(comp.Z, 1000.0 * eb);
        const double zbl = proton_stopping_zbl85_eV_1e15(comp.Z, 1000.0 * eb);
        const double zbl_gap = std::abs(std::log(zbl * c::kStoppingCrossSectionToMass / comp.molar_mass_g_mol / bethe_b));
        const double icru_gap = std::abs(std::log(icru * c::kStoppingCrossSectionToMass / comp.molar_mass_g_mol / bethe_b));
        comp.middle_is_zbl85 = comp.gas_in_condensed || zbl_gap < icru_gap;
        comp.join_ratio_ln = 0.0;
        comp.join_ratio_ln = std::log(bethe_b / fitted_component(comp, eb));
    }
}

double StoppingModel::bethe_charge_at(double energy_MeV_u) const {
    if (particle_.atomic_number <= 2) return particle_.atomic_number;
    return pierce_blann_charge(particle_.atomic_number, std::sqrt(velocity(energy_MeV_u).beta2));
}

double StoppingModel::bethe_charge(double energy_MeV) const { return bethe_charge_at(energy_MeV / particle_.mass_u); }

double StoppingModel::lindhard_sorensen(double energy_MeV_u, bool unit_charge) const {
    const double x = (std::log(energy_MeV_u) - ls_log_e_min_) / kLsStep;
    const int n = static_cast<int>(ls_values_.size() / 2);
    const int i = std::clamp(static_cast<int>(std::floor(x)), 1, n - 3);
    const double t = x - i;
    const std::size_t col = unit_charge ? 0 : 1;
    auto y = [&](int k) { return ls_values_[2 * static_cast<std::size_t>(k) + col]; };
    // Four-point Lagrange interpolation (cubic) on nodes i-1 .. i+2.
    const double y0 = y(i - 1), y1 = y(i), y2 = y(i + 1), y3 = y(i + 2);
    return y1 + 0.5 * t * (y2 - y0 + t * (2 * y0 - 5 * y1 + 4 * y2 - y3 + t * (3 * (y1 - y2) + y3 - y0)));
}

StoppingModel::BetheCommon StoppingModel::bethe_common(double energy_MeV_u, double charge) const {
    const Velocity v = velocity(energy_MeV_u);
    BetheCommon k;
    k.energy_MeV_u = energy_MeV_u;
    k.charge = charge;
    k.beta2 = v.beta2;
    k.beta_gamma = v.beta_gamma;
    const double wmax = max_energy_transfer_MeV(v.beta_gamma, v.gamma, particle_.mass_u);
    const double me_eV = c::kElectronMass_MeV * 1e6;
    k.L0 = 0.5 * std::log(2.0 * me_eV * v.beta_gamma * v.beta_gamma * wmax * 1e6 / (I_eV_ * I_eV_)) - v.beta2;
    k.ls_minus_half_delta =
        lindhard_sorensen(energy_MeV_u, charge == 1.0) - 0.5 * density_effect(density_, std::log10(v.beta_gamma));
    return k;
}

double StoppingModel::component_stopping_number(const Component& comp, const BetheCommon& k) const {
    const double shell = shell_correction(comp.shell_I_eV, k.beta_gamma) / comp.Z;
    const double barkas = barkas_relative_term(k.charge, comp.Z, k.beta_gamma);
    return (k.L0 - shell) * (1.0 + barkas) + k.ls_minus_half_delta;
}

double StoppingModel::bethe_component(const Component& comp, double energy_MeV_u, double charge,
                                      const EnergyPoint* at) const {
    BetheCommon local;
    const BetheCommon* k = nullptr;
    if (at && at->unit.energy_MeV_u == energy_MeV_u && at->unit.charge == charge) k = &at->unit;
    if (at && at->ion.energy_MeV_u == energy_MeV_u && at->ion.charge == charge) k = &at->ion;
    if (!k) {
        local = bethe_common(energy_MeV_u, charge);
        k = &local;
    }
    return c::kBetheK_MeV_cm2_mol * charge * charge * comp.Z / comp.molar_mass_g_mol / k->beta2 *
           component_stopping_number(comp, *k);
}

double StoppingModel::fitted_component(const Component& comp, double e, const EnergyPoint*) const {
    const double to_mass = c::kStoppingCrossSectionToMass / comp.molar_mass_g_mol;
    const double ea = joins_.proton_fit_end_MeV_u;
    const double w_fit = comp.gas_in_condensed ? 1.0
                         : comp.middle_is_zbl85 ? smooth_weight(e, ea, joins_.zbl85_start_MeV_u)
                                                : 0.0;
    const double icru = w_fit < 1.0 ? proton_stopping_icru49_eV_1e15(comp.Z, 1000.0 * e) * to_mass : 1.0;
    double s = icru;
    if (w_fit >= 1.0) {
        s = proton_stopping_zbl85_eV_1e15(comp.Z, 1000.0 * e) * to_mass;
    } else if (w_fit > 0.0) {
        const double zbl = proton_stopping_zbl85_eV_1e15(comp.Z, 1000.0 * e) * to_mass;
        s = std::exp((1.0 - w_fit) * std::log(icru) + w_fit * std::log(zbl));
    }
    // The remaining gap to Bethe-Bloch at the join, spread over the energies from ea to the join.
    return s * std::exp(comp.join_ratio_ln * smooth_weight(e, ea, comp.bethe_start_MeV_u));
}

double StoppingModel::proton_component(const Component& comp, double e, const EnergyPoint* at) const {
    const double eb = comp.bethe_start_MeV_u;
    const double e_bethe = eb * joins_.bethe_window;
    if (e >= e_bethe) return bethe_component(comp, e, 1.0, at);
    const double fitted = fitted_component(comp, e, at);
    const double w = smooth_weight(e, eb, e_bethe);
    if (w <= 0.0) return fitted;
    return std::exp((1.0 - w) * std::log(fitted) + w * std::log(bethe_component(comp, e, 1.0, at)));
}

double StoppingModel::effective_charge_component(const Component& comp, double e, const EnergyPoint* at) const {
    const int Z1 = particle_.atomic_number;
    if (Z1 == 1) return proton_component(comp, e, at);
    if (Z1 == 2) {
        // Velocity-proportional at the lowest energies (the helium fit is not meant for them).
        auto helium = [&](double x) {
            return 4.0 * helium_effective_charge_squared(comp.Z, 1000.0 * x) * proton_component(comp, x, at);
        };
        return power_law_below(e, joins_.helium_velocity_proportional_MeV_u, joins_.helium_low_exponent, helium);
    }
    // ZBL 1985 low-velocity branch below E_min (the reduced velocity at its lower bound).
    auto ion = [&](double x) {
        const double zeta = heavy_ion_effective_charge_fraction(Z1, comp.Z, 1000.0 * x);
        return proton_component(comp, x, at) * zeta * zeta * Z1 * Z1;
    };
    return power_law_below(e, comp.low_branch.energy_min_keV_u / 1000.0, comp.low_branch.exponent, ion);
}

double StoppingModel::ion_component(const Component& comp, double e, const EnergyPoint* at) const {
    if (particle_.atomic_number == 1) return proton_component(comp, e, at);
    const double w = smooth_weight(e, comp.bethe_start_MeV_u, comp.bethe_start_MeV_u * joins_.ion_bethe_window);
    double s = 0.0;
    if (w < 1.0) s += (1.0 - w) * effective_charge_component(comp, e, at);
    if (w > 0.0) s += w * bethe_component(comp, e, at ? at->ion.charge : bethe_charge_at(e), at);
    return s;
}

double StoppingModel::proton_electronic(double energy_MeV) const {
    const double e = energy_MeV / particle_.mass_u;
    double sum = 0.0;
    for (const auto& comp : components_) sum += comp.weight_fraction * proton_component(comp, e);
    return sum;
}

double StoppingModel::effective_charge_electronic(double energy_MeV) const {
    const double e = energy_MeV / particle_.mass_u;
    double sum = 0.0;
    for (const auto& comp : components_) sum += comp.weight_fraction * effective_charge_component(comp, e);
    return sum;
}

double StoppingModel::bethe(double energy_MeV, bool unit_charge) const {
    const double e = energy_MeV / particle_.mass_u;
    const double z = unit_charge ? 1.0 : bethe_charge_at(e);
    double sum = 0.0;
    for (const auto& comp : components_) sum += comp.weight_fraction * bethe_component(comp, e, z);
    return sum;
}

double StoppingModel::nuclear(double energy_MeV) const {
    double sum = 0.0;
    for (const auto& comp : components_) {
        // Hydrogen ions are bare nuclei: the Moliere potential screened by the target atom alone; heavier ions
        // carry electrons of their own and take the universal potential.
        const double cross_section =
            particle_.atomic_number == 1
                ? hydrogen_nuclear_stopping_eV_1e15(particle_.mass_u, comp.Z, comp.molar_mass_g_mol, 1000.0 * energy_MeV)
                : nuclear_stopping_eV_1e15(particle_.atomic_number, particle_.mass_u, comp.Z, comp.molar_mass_g_mol,
                                           1000.0 * energy_MeV);
        sum += comp.weight_fraction * cross_section * c::kStoppingCrossSectionToMass / comp.molar_mass_g_mol;
    }
    return sum;
}

MassStopping StoppingModel::mass_stopping(double energy_MeV) const {
    const double e = energy_MeV / particle_.mass_u;
    MassStopping s;
    s.nuclear_MeV_cm2_g = nuclear(energy_MeV);
    // Bethe-Bloch's common parts once per energy, where some component uses Bethe-Bloch.
    EnergyPoint at;
    if (e >= lowest_bethe_MeV_u_) {
        at.unit = bethe_common(e, 1.0);
        at.ion = particle_.atomic_number == 1 ? at.unit : bethe_common(e, bethe_charge_at(e));
    }
    for (const auto& comp : components_) s.electronic_MeV_cm2_g += comp.weight_fraction * ion_component(comp, e, &at);
    return s;
}

double StoppingModel::linear_stopping_MeV_cm(double energy_MeV) const {
    return mass_stopping(energy_MeV).total_MeV_cm2_g() * target_.density_g_cm3;
}

}  // namespace kelmo::physics
