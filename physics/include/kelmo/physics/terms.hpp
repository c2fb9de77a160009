// One function per physical term of the stopping power. The top-level functions in stopping.hpp compose
// them; each is tested on its own. Stopping cross sections are in eV / (1e15 atoms/cm^2); energies per mass
// are in keV/u (the kinetic energy divided by the rest mass in u, the variable of the low-energy fits).
#pragma once

#include <cmath>

namespace kelmo::physics {

// ---- Low-energy electronic stopping of protons ---------------------------------------------------------

/// ICRU Report 49 (1993) five-coefficient proton fit for target element Z2, velocity-proportional
/// (A1 sqrt(T)) below 10 keV/u, the two joined smoothly between 10 and 11 keV/u (where they agree within
/// 0.5 %). Meant for T up to about 1 MeV/u.
double proton_stopping_icru49_eV_1e15(int target_Z, double energy_keV_u);

/// Ziegler, Biersack, Littmark (1985) eight-coefficient proton fit for target element Z2; below 25 keV/u the
/// value at 25 keV/u scaled by (T/25)^0.45 (the exponent of the public implementations), joined smoothly to
/// the fit between 25 and 50 keV/u.
double proton_stopping_zbl85_eV_1e15(int target_Z, double energy_keV_u);

// ---- Effective charge at low energy (Ziegler, Biersack, Littmark 1985; Brandt, Kitagawa 1982) -------------

/// gamma_He^2 of Ziegler's helium fit: S_He = 4 gamma_He^2 S_p at equal velocity.
double helium_effective_charge_squared(int target_Z, double energy_keV_u);

/// Effective charge fraction zeta of an ion Z1 >= 3 in target element Z2 (the Brandt-Kitagawa model as
/// parameterised by ZBL 1985, with its small Z1^3 correction): S_ion = (zeta Z1)^2 S_p at equal velocity.
/// At low velocity the bounded reduced velocity is used; see heavy_ion_low_velocity_scale.
double heavy_ion_effective_charge_fraction(int projectile_Z, int target_Z, double energy_keV_u);

/// ZBL 1985 low-velocity branch for ions Z1 >= 3: when the reduced velocity reaches its lower bound, the
/// stopping is S_p(E_min) (zeta Z1)^2 (E / E_min)^p. Returns E_min in keV/u (0 when the branch never applies)
/// and the exponent p.
struct LowVelocityBranch {
    double energy_min_keV_u;
    double exponent;
};
LowVelocityBranch heavy_ion_low_velocity_branch(int projectile_Z, int target_Z);

// ---- Nuclear stopping --------------------------------------------------------------------------------

/// Universal (ZBL) reduced nuclear stopping s_n(eps).
double reduced_nuclear_stopping(double reduced_energy);

/// Nuclear stopping cross section from the ZBL universal screened potential, E the laboratory kinetic energy
/// of the ion in keV, masses in u.
double nuclear_stopping_eV_1e15(int projectile_Z, double projectile_mass_u, int target_Z, double target_mass_u,
                                double energy_keV);

/// Reduced nuclear stopping s_n(eps) of the Moliere potential (the table computed by
/// data/tools/moliere_nuclear_stopping.cpp, interpolated cubically in log-log; a power law below its first
/// node, the unscreened form (ln eps + c) / (2 eps) above its last).
double moliere_reduced_nuclear_stopping(double reduced_energy);

/// Nuclear stopping cross section of a hydrogen ion (p, d, t: a bare nucleus) from the Moliere potential with
/// the Thomas-Fermi screening length of the target atom alone, a = 0.8853 a0 Z2^(-1/3); E the laboratory
/// kinetic energy in keV, masses in u. This is the model of the NIST PSTAR tables (classical scattering in
/// the Moliere potential, as described with ICRU Report 49).
double hydrogen_nuclear_stopping_eV_1e15(double projectile_mass_u, int target_Z, double target_mass_u,
                                         double energy_keV);

// ---- Bethe-Bloch and its corrections ---------------------------------------------------------------------

/// Largest energy transfer to a free electron, in MeV.
double max_energy_transfer_MeV(double beta_gamma, double gamma, double projectile_mass_u);

/// Shell correction C (to be used as C/Z2 in the stopping number), parameterisation of Barkas and Berger,
/// NASA SP-3013 (1964), valid for eta = beta gamma >= 0.13. Below that, the value at 0.13 scaled by
/// (eta / 0.13)^2 keeps it finite; the stopping function uses the low-energy fits there.
double shell_correction(double I_eV, double beta_gamma);

/// Barkas (Z1^3) term z L1 as a fraction of the stopping number it multiplies: the factor
/// 2 z V^2F(V) / (v^2 sqrt(Z2)) with v = beta gamma / (alpha sqrt(Z2)), and V^2F(V) of Jackson and McCarthy,
/// Phys. Rev. B 6 (1972) 4131, as used in ATIMA. Returns the relative term (0 = no correction).
double barkas_relative_term(double charge, int target_Z, double beta_gamma);

/// Bloch (Z1^4) term L2 = -y^2 sum 1/(n (n^2 + y^2)), y = z alpha / beta (F. Bloch, Ann. Phys. 16 (1933) 285).
double bloch_term(double charge, double beta);

/// Lindhard-Sorensen correction Delta L_LS for a point nucleus of charge Z1 (J. Lindhard, A. H. Sorensen,
/// Phys. Rev. A 53 (1996) 2443), from the exact Dirac phase shifts. It contains the Bloch term and the Mott
/// correction: it tends to bloch_term at low velocity. `terms` is the number of partial waves summed
/// (0: enough for 1e-4 absolute accuracy); the rest of the sum is taken from the Bloch series.
double lindhard_sorensen_term(double charge, double beta, int terms = 0);

/// Sternheimer density-effect parameters of a material.
struct DensityEffectParameters {
    double minus_C;  ///< Cbar
    double x0, x1, a, m, delta0;
};

/// Density effect delta at x = log10(beta gamma) (Sternheimer, Berger, Seltzer 1984).
double density_effect(const DensityEffectParameters& params, double x);

/// The parameters of a material without its own row: the general rule of R. M. Sternheimer and
/// R. F. Peierls, Phys. Rev. B 3 (1971) 3681, from I and the plasma energy.
DensityEffectParameters sternheimer_peierls(double I_eV, double plasma_energy_eV, bool gas);

/// The tabulated parameters of element Z (SBS 1984) shifted to another density of the same element, or the
/// Sternheimer-Peierls rule for At and Fr.
DensityEffectParameters element_density_effect(int atomic_number, double density_g_cm3, double I_eV,
                                               double plasma_energy_eV);

/// Density-effect parameters of liquid water: the row of Sternheimer, Berger, Seltzer (1984) for water at
/// 1.0 g/cm3 and I = 75 eV, moved to the given density and to the target's I (Cbar + 2 ln(I / 75 eV), which
/// keeps the high-energy limit, where only the plasma energy counts).
DensityEffectParameters liquid_water_density_effect(double density_g_cm3, double I_eV);

// ---- Effective charge at high energy ----------------------------------------------------------------------

/// Mean charge of a fast ion (Pierce and Blann, Phys. Rev. 173 (1968) 390), in units of e:
/// Z1 (1 - exp(-0.95 v / (v0 Z1^(2/3)))). It tends to the bare charge Z1 at high velocity.
double pierce_blann_charge(int projectile_Z, double beta);

}  // namespace kelmo::physics

namespace kelmo::physics {

/// Weight of a smooth step from 0 (at or below e_start) to 1 (at or above e_end), 3t^2 - 2t^3 with
/// t = ln(e / e_start) / ln(e_end / e_start): zero slope at both ends, so a change of model has no corner.
double smooth_weight(double e, double e_start, double e_end);

/// low(e) at and below e_start, high(e) at and above e_end, and in between their geometric mean with the
/// weight smooth_weight(e, e_start, e_end). Joins two models without a step and without a corner, even
/// where one of them has a corner of its own at e_start.
template <typename Low, typename High>
double smooth_join(double e, double e_start, double e_end, Low&& low, High&& high) {
    if (e <= e_start) return low(e);
    if (e >= e_end) return high(e);
    const double w = smooth_weight(e, e_start, e_end);
    return std::exp((1.0 - w) * std::log(low(e)) + w * std::log(high(e)));
}

/// Stopping proportional to e^exponent below e_anchor, anchored to f there, joined smoothly to f between
/// e_anchor and 2 e_anchor: the velocity-proportional ends of the low-energy models.
template <typename F>
double power_law_below(double e, double e_anchor, double exponent, F&& f) {
    if (e >= 2.0 * e_anchor) return f(e);
    const double anchor = f(e_anchor);
    auto power = [&](double x) { return anchor * std::pow(x / e_anchor, exponent); };
    return smooth_join(e, e_anchor, 2.0 * e_anchor, power, f);
}

/// Stopping proportional to e^exponent well below e_anchor, equal to f from e_anchor up. Between
/// e_anchor / 2 and e_anchor the logarithmic slope turns smoothly from exponent into f's own slope at the
/// anchor, and the curve is the integral of that slope: value and slope are continuous at the anchor, so
/// the curve has neither a corner nor the dip in slope that a blend of the two values makes above it.
template <typename F>
double power_law_below_matching_slope(double e, double e_anchor, double exponent, F&& f) {
    if (e >= e_anchor) return f(e);
    constexpr double kStep = 1e-3;
    const double ln_anchor_value = std::log(f(e_anchor));
    const double anchor_slope = (std::log(f(e_anchor * (1.0 + kStep))) - ln_anchor_value) / std::log1p(kStep);
    const double window = std::log(2.0);
    const double x = std::log(e / e_anchor);                        // <= 0
    const double t = std::max(0.0, 1.0 + x / window);               // 1 at the anchor, 0 from the window's foot
    const double slope_integral = t * t * t - 0.5 * t * t * t * t;  // integral of 3t^2 - 2t^3
    return std::exp(ln_anchor_value + exponent * x + (anchor_slope - exponent) * window * (slope_integral - 0.5));
}

}  // namespace kelmo::physics
