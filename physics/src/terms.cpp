#include "kelmo/physics/terms.hpp"

#include <algorithm>
#include <cmath>
#include <complex>

#include "kelmo/data/tables.hpp"
#include "kelmo/physics/constants.hpp"

namespace kelmo::physics {

namespace c = constants;

double smooth_weight(double e, double e_start, double e_end) {
    if (e <= e_start) return 0.0;
    if (e >= e_end) return 1.0;
    const double t = std::log(e / e_start) / std::log(e_end / e_start);
    return t * t * (3.0 - 2.0 * t);
}

// ---- Low-energy electronic stopping of protons ---------------------------------------------------------

double proton_stopping_icru49_eV_1e15(int target_Z, double energy_keV_u) {
    const auto& f = data::proton_fit_icru49(target_Z);
    auto low = [&](double T) { return f.a1 * std::sqrt(T); };
    auto fit = [&](double T) {
        const double s_low = f.a2 * std::pow(T, 0.45);
        const double s_high = (f.a3 / T) * std::log(1.0 + f.a4 / T + f.a5 * T);
        return s_low * s_high / (s_low + s_high);
    };
    return smooth_join(energy_keV_u, 10.0, 11.0, low, fit);
}

double proton_stopping_zbl85_eV_1e15(int target_Z, double energy_keV_u) {
    const auto& f = data::proton_fit_zbl85(target_Z);
    constexpr double kLowLimit_keV_u = 25.0;
    constexpr double kLowExponent = 0.45;
    auto fit = [&](double E) {
        const double s_low = f.a1 * std::pow(E, f.a2) + f.a3 * std::pow(E, f.a4);
        const double s_high = (f.a5 / std::pow(E, f.a6)) * std::log(f.a7 / E + f.a8 * E);
        return s_low * s_high / (s_low + s_high);
    };
    // Below 25 keV/u stopping tends to E^0.45; the fit's own slope at 25 keV/u is far lower for some
    // elements (0.24 for oxygen), and the turn between the two is spread over 12.5-25 keV/u without a
    // corner and without a shoulder in the curve.
    return power_law_below_matching_slope(energy_keV_u, kLowLimit_keV_u, kLowExponent, fit);
}

// ---- Effective charge at low energy ----------------------------------------------------------------------

double helium_effective_charge_squared(int target_Z, double energy_keV_u) {
    const double L = std::log(std::max(energy_keV_u, 1.0));
    const double poly = 0.2865 + L * (0.1266 + L * (-0.001429 + L * (0.02402 + L * (-0.01135 + L * 0.001475))));
    const double screening = 1.0 - std::exp(-std::min(30.0, poly));
    const double dL = 7.6 - std::max(0.0, L);
    const double z3 = 1.0 + (0.007 + 0.00005 * target_Z) * std::exp(-dL * dL);
    return screening * z3 * z3;
}

namespace {

double ion_relative_velocity(double v1, double vF) {
    if (v1 >= vF) return v1 * (1.0 + vF * vF / (5.0 * v1 * v1));
    const double r2 = v1 * v1 / (vF * vF);
    return 0.75 * vF * (1.0 + 2.0 * r2 / 3.0 - r2 * r2 / 15.0);
}

}  // namespace

double heavy_ion_effective_charge_fraction(int projectile_Z, int target_Z, double energy_keV_u) {
    const double Z1 = projectile_Z;
    const double vF = data::heavy_ion_parameters(target_Z).v_fermi;
    const double lambda_factor = data::heavy_ion_parameters(projectile_Z).lambda_factor;
    const double z13 = std::cbrt(Z1);
    const double z23 = z13 * z13;
    const double v1 = std::sqrt(std::max(energy_keV_u, 0.0) / 25.0);
    const double vr = ion_relative_velocity(v1, vF);
    const double y = std::max({vr / z23, 0.13, 1.0 / z23});
    const double y03 = std::pow(y, 0.3);
    const double exponent = 0.803 * y03 - 1.3167 * y03 * y03 - 0.38157 * y - 0.008983 * y * y;
    const double q = std::clamp(1.0 - std::exp(exponent), 0.0, 1.0);

    const double l0 = (0.8 - q * std::min(1.2, 0.6 + Z1 / 30.0)) / z13;
    const double b = std::min(0.43, std::max(0.32, 0.12 + 0.025 * Z1)) / z13;
    const double qa = std::max(0.0, 0.9 - 0.025 * Z1);
    // The published l1 is piecewise linear in q: 0 below q = 0.2, rising to b at qa, b up to
    // qb = 1 - 0.025 min(16, Z1), falling to 0 at q = 1; Lambda = max(l1, lambda_factor l0). Written with min and max, whose corners are rounded over a
    // width of 2 % of b (soft_min, soft_max), so that the stopping has no corner in energy; away from the
    // corners the values are those of the published model.
    const double width = 0.02 * b;
    auto soft_max = [width](double u, double v) { return 0.5 * (u + v + std::sqrt((u - v) * (u - v) + width * width)); };
    auto soft_min = [width](double u, double v) { return 0.5 * (u + v - std::sqrt((u - v) * (u - v) + width * width)); };
    const double falling = b * (1.0 - q) / (0.025 * std::min(16.0, Z1));
    double l1 = soft_min(b, falling);
    // Rising from q = 0.2 to qa; for Z1 >= 28 (qa <= 0.2) the published l1 jumps from 0 to b at q = 0.2,
    // here a steep ramp over 0.2..0.21 instead of the step.
    l1 = soft_min(l1, b * (q - 0.2) / (qa > 0.21 ? qa - 0.2 : 0.01));
    l1 = soft_max(l1, 0.0);
    const double lambda = soft_max(l1, lambda_factor * l0);
    const double x = 4.0 * lambda * vF / 1.919;
    double zeta = q + (1.0 - q) / (2.0 * vF * vF) * std::log(1.0 + x * x);
    const double dL = 7.6 - std::max(0.0, std::log(std::max(energy_keV_u, 1e-300)));
    zeta *= 1.0 + (0.18 + 0.0015 * target_Z) * std::exp(-dL * dL) / (Z1 * Z1);
    return zeta;
}

LowVelocityBranch heavy_ion_low_velocity_branch(int projectile_Z, int target_Z) {
    const double Z1 = projectile_Z;
    const double vF = data::heavy_ion_parameters(target_Z).v_fermi;
    const double V = std::max(1.0, 0.13 * std::pow(Z1, 2.0 / 3.0));
    const double v_min = 0.5 * (V + std::sqrt(std::max(0.0, V * V - 0.8 * vF * vF)));
    const bool soft = target_Z == 6 || ((target_Z == 14 || target_Z == 32) && projectile_Z <= 19);
    return LowVelocityBranch{25.0 * v_min * v_min, soft ? 0.35 : 0.5};
}

// ---- Nuclear stopping --------------------------------------------------------------------------------

double reduced_nuclear_stopping(double eps) {
    if (eps <= 0.0) return 0.0;
    if (eps <= 30.0) {
        return std::log1p(1.1383 * eps) / (2.0 * (eps + 0.01321 * std::pow(eps, 0.21226) + 0.19593 * std::sqrt(eps)));
    }
    return std::log(eps) / (2.0 * eps);
}

double nuclear_stopping_eV_1e15(int projectile_Z, double projectile_mass_u, int target_Z, double target_mass_u,
                                double energy_keV) {
    const double Z1 = projectile_Z;
    const double Z2 = target_Z;
    const double M1 = projectile_mass_u;
    const double M2 = target_mass_u;
    const double zpowers = std::pow(Z1, 0.23) + std::pow(Z2, 0.23);
    const double eps = 32.53 * M2 * energy_keV / (Z1 * Z2 * (M1 + M2) * zpowers);
    return 8.462 * Z1 * Z2 * M1 * reduced_nuclear_stopping(eps) / ((M1 + M2) * zpowers);
}

double moliere_reduced_nuclear_stopping(double eps) {
    if (!(eps > 0.0)) return 0.0;
    const auto nodes = data::moliere_nuclear_stopping();
    const int n = static_cast<int>(nodes.size());
    const double first = nodes.front().log10_eps;
    const double step = nodes[1].log10_eps - first;
    const double x = (std::log10(eps) - first) / step;
    auto ln_s = [&](int k) { return std::log(nodes[static_cast<std::size_t>(k)].s_n); };
    if (x <= 0.0) {
        // Below the table: the power law of the first two nodes (s_n ~ eps^0.3 there, and falling in slope so
        // slowly that the difference is far below the nuclear stopping's own uncertainty).
        return nodes.front().s_n * std::exp((ln_s(1) - ln_s(0)) * x);
    }
    if (x >= n - 1) {
        // Above the table the screening no longer matters: s_n = (ln eps + c) / (2 eps), c from the last node.
        const double last_eps = std::pow(10.0, nodes.back().log10_eps);
        const double c = 2.0 * last_eps * nodes.back().s_n - std::log(last_eps);
        return (std::log(eps) + c) / (2.0 * eps);
    }
    const int i = static_cast<int>(std::floor(x));
    const double t = x - i;
    if (i == 0 || i >= n - 2) return std::exp(ln_s(i) + t * (ln_s(i + 1) - ln_s(i)));  // the end intervals: linear
    // Cubic (Catmull-Rom) interpolation of ln s_n on nodes i-1 .. i+2, continuous with its slope.
    const double y0 = ln_s(i - 1), y1 = ln_s(i), y2 = ln_s(i + 1), y3 = ln_s(i + 2);
    return std::exp(y1 + 0.5 * t * (y2 - y0 + t * (2 * y0 - 5 * y1 + 4 * y2 - y3 + t * (3 * (y1 - y2) + y3 - y0))));
}

double hydrogen_nuclear_stopping_eV_1e15(double projectile_mass_u, int target_Z, double target_mass_u,
                                         double energy_keV) {
    const double Z2 = target_Z;
    const double M1 = projectile_mass_u;
    const double M2 = target_mass_u;
    const double e2_keV_cm = c::kFineStructure * c::kHbarC_MeV_fm * 1e-10;  // e^2 = alpha hbar c, 1 MeV fm = 1e-10 keV cm
    const double bohr_radius_cm = c::kHbarC_MeV_fm / (c::kFineStructure * c::kElectronMass_MeV) * 1e-13;
    const double a_cm = 0.8853 * bohr_radius_cm / std::cbrt(Z2);
    const double eps = a_cm * M2 * energy_keV / (Z2 * e2_keV_cm * (M1 + M2));
    // S_n = 4 pi a Z1 Z2 e^2 M1 / (M1 + M2) s_n(eps), in units of 1e-15 eV cm^2 (Z1 = 1).
    const double e2_eV_cm = e2_keV_cm * 1e3;
    return 4.0 * c::kPi * a_cm * Z2 * e2_eV_cm * M1 / (M1 + M2) * moliere_reduced_nuclear_stopping(eps) * 1e15;
}

// ---- Bethe-Bloch and its corrections ---------------------------------------------------------------------

double max_energy_transfer_MeV(double beta_gamma, double gamma, double projectile_mass_u) {
    const double ratio = c::kElectronMass_u / projectile_mass_u;
    return 2.0 * c::kElectronMass_MeV * beta_gamma * beta_gamma / (1.0 + 2.0 * gamma * ratio + ratio * ratio);
}

namespace {

double barkas_berger_shell(double I_eV, double eta) {
    const double e2 = 1.0 / (eta * eta);
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    return (0.422377 * e2 + 0.0304043 * e4 - 0.00038106 * e6) * 1e-6 * I_eV * I_eV +
           (3.858019 * e2 - 0.1667989 * e4 + 0.00157955 * e6) * 1e-9 * I_eV * I_eV * I_eV;
}

}  // namespace

double shell_correction(double I_eV, double beta_gamma) {
    constexpr double kEtaMin = 0.13;
    if (beta_gamma >= kEtaMin) return barkas_berger_shell(I_eV, beta_gamma);
    const double r = beta_gamma / kEtaMin;
    return barkas_berger_shell(I_eV, kEtaMin) * r * r;
}

double barkas_relative_term(double charge, int target_Z, double beta_gamma) {
    const double sqrt_z2 = std::sqrt(static_cast<double>(target_Z));
    const double v = beta_gamma / (c::kFineStructure * sqrt_z2);
    // V^2 F(V) of Jackson and McCarthy at v = 1, 2, 3, 4; 0.45 / sqrt(v) above (as in ATIMA), with the last
    // node set to that asymptote (0.225 instead of 0.23) so the function has no step; ~ v^2 below 1.
    constexpr double kNodes[4] = {0.33, 0.30, 0.26, 0.225};
    double v2fv = 0.0;
    if (v >= 4.0) {
        v2fv = 0.45 / std::sqrt(v);
    } else if (v >= 1.0) {
        const int i = std::min(2, static_cast<int>(v) - 1);
        const double t = v - (i + 1);
        v2fv = kNodes[i] + t * (kNodes[i + 1] - kNodes[i]);
    } else {
        v2fv = kNodes[0] * v * v;
    }
    return 2.0 * charge * v2fv / (v * v * sqrt_z2);
}

namespace {

constexpr double kEulerGamma = 0.57721566490153286061;

// Re psi(1 + i y), psi the digamma function: recurrence up to |z| > 10, then the asymptotic series.
double real_digamma_1_plus_iy(double y) {
    constexpr int kShift = 10;
    double sum = 0.0;
    for (int n = 1; n <= kShift; ++n) sum += n / (n * n + y * y);
    const std::complex<double> z(kShift + 1.0, y);
    const std::complex<double> z2 = 1.0 / (z * z);
    const std::complex<double> psi =
        std::log(z) - 0.5 / z - z2 * (1.0 / 12.0 - z2 * (1.0 / 120.0 - z2 * (1.0 / 252.0 - z2 / 240.0)));
    return psi.real() - sum;
}

// Im ln Gamma(x + i y) modulo 2 pi: recurrence up to x > 10, then Stirling's series.
double arg_gamma(double x, double y) {
    std::complex<double> z(x, y);
    double shift_arg = 0.0;
    while (z.real() < 10.0) {
        shift_arg += std::arg(z);
        z += 1.0;
    }
    const std::complex<double> inv = 1.0 / z;
    const std::complex<double> inv2 = inv * inv;
    const std::complex<double> lng = (z - 0.5) * std::log(z) - z + 0.5 * std::log(2.0 * c::kPi) +
                                     inv * (1.0 / 12.0 - inv2 * (1.0 / 360.0 - inv2 * (1.0 / 1260.0 - inv2 / 1680.0)));
    return lng.imag() - shift_arg;
}

}  // namespace

double bloch_term(double charge, double beta) {
    const double y = charge * c::kFineStructure / beta;
    return -(real_digamma_1_plus_iy(y) + kEulerGamma);
}

double lindhard_sorensen_term(double charge, double beta, int terms) {
    const double gamma = 1.0 / std::sqrt((1.0 - beta) * (1.0 + beta));
    const double eta = charge * c::kFineStructure / beta;
    const double az2 = std::pow(charge * c::kFineStructure, 2);
    const double eta2 = eta * eta;

    // Dirac phase shifts of the point Coulomb field for kappa = +k and kappa = -k, which share
    // s = sqrt(k^2 - (alpha Z)^2) and arg Gamma(s + 1 + i eta):
    //   delta_kappa = xi_kappa - arg Gamma(s + 1 + i eta) + pi (l - s) / 2,
    //   exp(2 i xi_kappa) = (kappa - i eta / gamma) / (s - i eta),  l = k (kappa > 0) or k - 1 (kappa < 0).
    // Only sin^2 of differences enters, so every phase is needed modulo pi only.
    struct Pair {
        double pos, neg;
    };
    auto phases = [&](double k) {
        const double s = std::sqrt(k * k - az2);
        const double common = -arg_gamma(s + 1.0, eta) - std::atan2(-eta, s) * 0.5;
        return Pair{0.5 * std::atan2(-eta / gamma, k) + common + 0.5 * c::kPi * (k - s),
                    0.5 * std::atan2(-eta / gamma, -k) + common + 0.5 * c::kPi * (k - 1.0 - s)};
    };
    auto sin2 = [](double x) {
        const double v = std::sin(x);
        return v * v;
    };

    // Sum over k. Its terms tend to the Bloch terms -eta^2 / (k (k^2 + eta^2)), whose rest beyond K is known
    // exactly; what remains of the difference falls off as 1/K, so the partial sums at K/2 and K are
    // extrapolated (Richardson): S = 2 S(K) - S(K/2).
    const int K = 2 * ((terms > 0 ? terms : std::max(16, static_cast<int>(3.0 * eta))) / 2 + 1);
    const double bloch_total = -(real_digamma_1_plus_iy(eta) + kEulerGamma);
    double half_sum = 0.0;
    double sum = 0.0;
    double bloch_partial = 0.0;
    double d_pos_prev = 0.0;
    Pair current = phases(1.0);
    for (int k = 1; k <= K; ++k) {
        const double kd = k;
        const Pair next = phases(kd + 1.0);
        double bracket = (kd + 1.0) / (2.0 * kd + 1.0) * sin2(current.neg - next.neg) +
                         sin2(current.pos - current.neg) / (4.0 * kd * kd - 1.0);
        if (k > 1) bracket += (kd - 1.0) / (2.0 * kd - 1.0) * sin2(current.pos - d_pos_prev);
        sum += kd * bracket / eta2 - 1.0 / kd;
        bloch_partial += -eta2 / (kd * (kd * kd + eta2));
        d_pos_prev = current.pos;
        current = next;
        if (k == K / 2) half_sum = sum + (bloch_total - bloch_partial);
    }
    const double full_sum = sum + (bloch_total - bloch_partial);
    return 2.0 * full_sum - half_sum + 0.5 * beta * beta;
}

double density_effect(const DensityEffectParameters& p, double x) {
    if (x < p.x0) {
        if (p.delta0 <= 0.0) return 0.0;
        // delta0 is tabulated to about 1e-3; the value of the middle branch at x0 (which the table's delta0
        // equals within 0.0007) is used instead, so that delta has no step at x0.
        const double at_x0 = 2.0 * std::log(10.0) * p.x0 - p.minus_C + p.a * std::pow(p.x1 - p.x0, p.m);
        return std::max(at_x0, 0.0) * std::pow(10.0, 2.0 * (x - p.x0));
    }
    double delta = 2.0 * std::log(10.0) * x - p.minus_C;
    if (x < p.x1) delta += p.a * std::pow(p.x1 - x, p.m);
    return std::max(delta, 0.0);
}

DensityEffectParameters sternheimer_peierls(double I_eV, double plasma_energy_eV, bool gas) {
    const double C = 2.0 * std::log(I_eV / plasma_energy_eV) + 1.0;
    double x0 = 0.0;
    double x1 = 0.0;
    if (gas) {
        x1 = 4.0;
        if (C <= 10.0) {
            x0 = 1.6;
        } else if (C <= 10.5) {
            x0 = 1.7;
        } else if (C <= 11.0) {
            x0 = 1.8;
        } else if (C <= 11.5) {
            x0 = 1.9;
        } else if (C <= 12.25) {
            x0 = 2.0;
        } else if (C <= 13.804) {
            x0 = 2.0;
            x1 = 5.0;
        } else {
            x0 = 0.326 * C - 2.5;
            x1 = 5.0;
        }
    } else if (I_eV < 100.0) {
        x1 = 2.0;
        x0 = C < 3.681 ? 0.2 : 0.326 * C - 1.0;
    } else {
        x1 = 3.0;
        x0 = C < 5.215 ? 0.2 : 0.326 * C - 1.5;
    }
    const double m = 3.0;
    const double a = (C - 2.0 * std::log(10.0) * x0) / std::pow(x1 - x0, m);
    return DensityEffectParameters{C, x0, x1, a, m, 0.0};
}

DensityEffectParameters element_density_effect(int atomic_number, double density_g_cm3, double I_eV,
                                               double plasma_energy_eV) {
    const auto row = data::density_effect_row(atomic_number);
    if (!row) return sternheimer_peierls(I_eV, plasma_energy_eV, density_g_cm3 < 0.01);
    const double shift = std::log(density_g_cm3 / row->density_g_cm3);
    const double dx = shift / (2.0 * std::log(10.0));
    return DensityEffectParameters{row->minus_C - shift, row->x0 - dx, row->x1 - dx, row->a, row->m, row->delta0};
}

DensityEffectParameters liquid_water_density_effect(double density_g_cm3, double I_eV) {
    // Sternheimer, Berger, Seltzer, At. Data Nucl. Data Tables 30 (1984) 261, liquid water: density 1.0 g/cm3,
    // hbar omega_p 21.469 eV, I 75.0 eV, Cbar 3.5017, x0 0.2400, x1 2.8004, a 0.09116, m 3.4773, delta0 0.
    constexpr double kRowDensity_g_cm3 = 1.0;
    constexpr double kRowI_eV = 75.0;
    const double shift = std::log(density_g_cm3 / kRowDensity_g_cm3);
    const double dx = shift / (2.0 * std::log(10.0));
    return DensityEffectParameters{3.5017 - shift + 2.0 * std::log(I_eV / kRowI_eV), 0.2400 - dx, 2.8004 - dx,
                                   0.09116, 3.4773, 0.0};
}

double pierce_blann_charge(int projectile_Z, double beta) {
    const double Z1 = projectile_Z;
    return Z1 * (1.0 - std::exp(-0.95 * c::kInverseFineStructure * beta / std::pow(Z1, 2.0 / 3.0)));
}

}  // namespace kelmo::physics
