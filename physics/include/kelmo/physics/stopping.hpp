// The stopping power of a particle in a target, composed of the terms of terms.hpp, and the CSDA range.
//
// Electronic stopping, for each target element j (Bragg additivity with the weight fractions w_j):
//   protons (and d, t):  the ICRU 49 fit below 0.3 MeV/u; Bethe-Bloch from 8 MeV/u (later for heavy
//                        elements, see JoinEnergies); in between the one of the two low-energy fits (ICRU 49
//                        or ZBL 1985) that agrees better with Bethe-Bloch where Bethe-Bloch takes over.
//   ions Z1 >= 2:        the proton stopping at equal velocity times the effective charge squared
//                        (ZBL 1985 helium / heavy-ion model) at low energy; at high energy the ion's own
//                        Bethe-Bloch (its charge, Barkas, Lindhard-Sorensen terms).
// Every change of model is a smooth step in ln E with zero slope at both ends (geometric mean of the two
// models with a weight 3t^2 - 2t^3): no step and no kink in dE/dx.
// Nuclear stopping: ZBL universal potential. Everything in mass stopping power, MeV cm^2/g.
#pragma once

#include <vector>

#include "kelmo/physics/particle.hpp"
#include "kelmo/physics/target.hpp"
#include "kelmo/physics/terms.hpp"

namespace kelmo::physics {

/// Energy range of the model, per u of the particle's mass number.
inline constexpr double kMinEnergy_MeV_u = 1e-6;   // 1 eV/u
inline constexpr double kMaxEnergy_MeV_u = 1e4;    // 10 GeV/u

/// Joins of the model (see the top of this file), energies in MeV per u.
struct JoinEnergies {
    double proton_fit_end_MeV_u = 0.3;  ///< ICRU 49 fit alone below this energy
    double zbl85_start_MeV_u = 1.0;     ///< where the ZBL 1985 fit has taken over (for elements that use it)
    /// Bethe-Bloch starts at max(this, the energy where beta = bethe_beta_per_Z2_alpha * Z2 alpha): its
    /// shell correction holds for beta gamma >= 0.13, and for heavy targets only once the projectile is
    /// well faster than the K-shell electrons. It is alone above bethe_window times that energy.
    double proton_bethe_start_MeV_u = 7.9;
    double bethe_beta_per_Z2_alpha = 0.6;
    double bethe_window = 1.3;
    /// Ions (Z1 >= 2) go from the effective-charge scaling to their own Bethe-Bloch between the Bethe-Bloch
    /// start of a target element and this multiple of it.
    double ion_bethe_window = 3.0;
    double helium_velocity_proportional_MeV_u = 0.01;
    double helium_low_exponent = 0.5;
};

/// Mass stopping power, split into its parts.
struct MassStopping {
    double electronic_MeV_cm2_g = 0.0;
    double nuclear_MeV_cm2_g = 0.0;
    double total_MeV_cm2_g() const { return electronic_MeV_cm2_g + nuclear_MeV_cm2_g; }
};

/// A particle and a target with everything that does not depend on the energy computed once.
class StoppingModel {
public:
    /// max_energy_MeV: the highest energy the model will be asked for (0 = the model's upper limit); the
    /// Lindhard-Sorensen table is built up to it, which is most of the set-up time.
    StoppingModel(const Particle& particle, const Target& target, double max_energy_MeV = 0.0,
                  const JoinEnergies& joins = {});

    const Particle& particle() const { return particle_; }
    const Target& target() const { return target_; }
    double mean_excitation_energy_eV() const { return I_eV_; }
    const DensityEffectParameters& density_effect_parameters() const { return density_; }

    /// Mass stopping power at kinetic energy T (MeV, the whole particle), T > 0.
    MassStopping mass_stopping(double energy_MeV) const;
    /// Linear stopping power -dE/dx in MeV/cm (total: electronic + nuclear).
    double linear_stopping_MeV_cm(double energy_MeV) const;

    // The parts, exposed for tests. All in MeV cm^2/g, summed over the target's components.
    /// Electronic stopping of a proton-like particle of the same velocity (charge 1).
    double proton_electronic(double energy_MeV) const;
    /// Bethe-Bloch with all corrections for the particle's own charge (or charge 1 with unit_charge).
    double bethe(double energy_MeV, bool unit_charge = false) const;
    /// The low-energy effective-charge scaling of the proton stopping (for Z1 = 1 the proton stopping).
    double effective_charge_electronic(double energy_MeV) const;
    double nuclear(double energy_MeV) const;

    /// Charge used in the ion's Bethe-Bloch formula at this energy.
    double bethe_charge(double energy_MeV) const;

private:
    struct Component {
        int Z;
        double molar_mass_g_mol;
        double weight_fraction;
        double electrons_mol_g;      // w Z / M
        double shell_I_eV;           // I of the element as bound in this target (for its shell correction)
        double v_fermi;
        double lambda_factor;
        LowVelocityBranch low_branch;
        double bethe_start_MeV_u;    // Bethe-Bloch alone above this energy
        bool gas_in_condensed;       // a gaseous element (its ICRU 49 fit is for the gas) in a condensed target
        bool middle_is_zbl85;        // between the fits and Bethe-Bloch: the ZBL 1985 fit (else ICRU 49)
        double join_ratio_ln;        // ln(Bethe-Bloch / fit) at the join
    };

    /// The parts of the Bethe-Bloch stopping number that are the same for every component (kinematics,
    /// ln(2 m c^2 beta^2 gamma^2 W_max) / 2 - ln I - beta^2, density effect, Lindhard-Sorensen term).
    struct BetheCommon {
        double energy_MeV_u = -1.0;
        double charge = 0.0;
        double beta2 = 0.0, beta_gamma = 0.0, L0 = 0.0, ls_minus_half_delta = 0.0;
    };
    /// The common parts at one energy for charge 1 and for the particle's own Bethe charge, computed once
    /// per energy by mass_stopping and handed to the components.
    struct EnergyPoint {
        BetheCommon unit, ion;
    };
    BetheCommon bethe_common(double energy_MeV_u, double charge) const;
    /// Stopping number L of component `comp` (shell correction and Barkas term of that element added).
    double component_stopping_number(const Component& comp, const BetheCommon& k) const;
    /// The low-energy fits of `comp` for a proton-like particle, before Bethe-Bloch takes over.
    double fitted_component(const Component& comp, double energy_MeV_u, const EnergyPoint* at = nullptr) const;
    /// Electronic mass stopping of a proton-like particle in the pure element of `comp` (MeV cm^2/g).
    double proton_component(const Component& comp, double energy_MeV_u, const EnergyPoint* at = nullptr) const;
    /// The same from Bethe-Bloch for the given charge (charge^2 included).
    double bethe_component(const Component& comp, double energy_MeV_u, double charge,
                           const EnergyPoint* at = nullptr) const;
    /// Electronic mass stopping of the particle in the pure element of `comp`.
    double ion_component(const Component& comp, double energy_MeV_u, const EnergyPoint* at = nullptr) const;
    double effective_charge_component(const Component& comp, double energy_MeV_u,
                                      const EnergyPoint* at = nullptr) const;
    /// Lindhard-Sorensen term from the table (charge 1, or the particle's Bethe charge).
    double lindhard_sorensen(double energy_MeV_u, bool unit_charge) const;
    double bethe_charge_at(double energy_MeV_u) const;

    Particle particle_;
    Target target_;
    JoinEnergies joins_;
    std::vector<Component> components_;
    double I_eV_ = 0.0;
    double electrons_mol_g_ = 0.0;
    DensityEffectParameters density_{};
    // Lindhard-Sorensen terms tabulated over ln(E per u) for cubic interpolation: pairs (charge 1, Bethe
    // charge of the particle) per node.
    double ls_log_e_min_ = 0.0;
    double lowest_bethe_MeV_u_ = 0.0;  // the lowest energy at which a component uses Bethe-Bloch
    std::vector<double> ls_values_;
};

/// CSDA range in g/cm2 at kinetic energy T (MeV): the integral of 1/S_total from 0 to T.
double csda_range_g_cm2(const StoppingModel& model, double energy_MeV);

/// One line of the calculator's table.
struct TablePoint {
    double energy_MeV;
    double range_cm;
    double stopping_MeV_cm;
};

/// The table from the lowest energy (1 keV/u, or E itself if lower) up to E on a logarithmic grid of
/// `points` energies (>= 1; 1 gives E alone); each range accurate to 0.1 % of itself.
std::vector<TablePoint> range_table(const StoppingModel& model, double energy_MeV, int points);

/// Lowest energy of the table for this particle: 1 keV per nucleon (A), or E if lower.
double table_low_energy_MeV(const Particle& particle, double energy_MeV);

}  // namespace kelmo::physics
