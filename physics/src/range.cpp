#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "kelmo/physics/stopping.hpp"

namespace kelmo::physics {

namespace {

// Gauss-Legendre rules on [-1, 1].
constexpr double kGl2X[] = {-0.57735026918962576451, 0.57735026918962576451};
constexpr double kGl2W[] = {1.0, 1.0};
constexpr double kGl4X[] = {-0.86113631159405257522, -0.33998104358485626480, 0.33998104358485626480,
                            0.86113631159405257522};
constexpr double kGl4W[] = {0.34785484513745385737, 0.65214515486254614263, 0.65214515486254614263,
                            0.34785484513745385737};

constexpr double kMaxLogStepGl2 = 0.3;   // intervals up to this width in ln E take the two-point rule
constexpr double kMaxLogStepGl4 = 0.5;   // wider ones are cut into pieces of at most this width, four points
constexpr double kZeroCut = 1e-8;        // below E * kZeroCut the stopping is taken as proportional to sqrt(E)

// Integral of dE / S(E) from e_lo to e_hi in g/cm2, in the variable ln E: the integrand E / S(E) is then
// smooth (nearly a power of E) and a low-order rule per interval is accurate far beyond 0.1 %.
double integrate(const StoppingModel& model, double e_lo, double e_hi) {
    if (!(e_hi > e_lo)) return 0.0;
    const double width = std::log(e_hi / e_lo);
    auto integrand = [&](double ln_e) {
        const double e = std::exp(ln_e);
        return e / model.mass_stopping(e).total_MeV_cm2_g();
    };
    const double a = std::log(e_lo);
    if (width <= kMaxLogStepGl2) {
        const double mid = a + 0.5 * width;
        const double half = 0.5 * width;
        double sum = 0.0;
        for (int k = 0; k < 2; ++k) sum += kGl2W[k] * integrand(mid + half * kGl2X[k]);
        return half * sum;
    }
    const int pieces = static_cast<int>(std::ceil(width / kMaxLogStepGl4));
    const double h = width / pieces;
    double total = 0.0;
    for (int p = 0; p < pieces; ++p) {
        const double mid = a + (p + 0.5) * h;
        double sum = 0.0;
        for (int k = 0; k < 4; ++k) sum += kGl4W[k] * integrand(mid + 0.5 * h * kGl4X[k]);
        total += 0.5 * h * sum;
    }
    return total;
}

}  // namespace

double csda_range_g_cm2(const StoppingModel& model, double energy_MeV) {
    if (!(energy_MeV > 0.0)) return 0.0;
    const double cut = energy_MeV * kZeroCut;
    // Velocity-proportional stopping below the cut: the integral of dE / (c sqrt(E)) is 2 E / S(E).
    const double below = 2.0 * cut / model.mass_stopping(cut).total_MeV_cm2_g();
    return below + integrate(model, cut, energy_MeV);
}

double table_low_energy_MeV(const Particle& particle, double energy_MeV) {
    return std::min(1e-3 * particle.mass_number, energy_MeV);
}

std::vector<TablePoint> range_table(const StoppingModel& model, double energy_MeV, int points) {
    if (!(energy_MeV > 0.0) || !std::isfinite(energy_MeV)) throw std::invalid_argument("energy must be > 0");
    if (points < 1) throw std::invalid_argument("the table needs at least one point");
    const double e_lo = table_low_energy_MeV(model.particle(), energy_MeV);
    const double density = model.target().density_g_cm3;
    if (e_lo >= energy_MeV) points = 1;

    std::vector<TablePoint> table;
    table.reserve(static_cast<std::size_t>(points));
    const double ln_lo = std::log(points == 1 ? energy_MeV : e_lo);
    const double step = points == 1 ? 0.0 : std::log(energy_MeV / e_lo) / (points - 1);
    double range_g_cm2 = 0.0;
    double previous_e = 0.0;
    double previous_s = 0.0;
    for (int i = 0; i < points; ++i) {
        const double e = i == points - 1 ? energy_MeV : std::exp(ln_lo + i * step);
        const double s = model.mass_stopping(e).total_MeV_cm2_g();
        if (i == 0) {
            range_g_cm2 = csda_range_g_cm2(model, e);
        } else if (step <= kMaxLogStepGl2) {
            // Simpson's rule in ln E on the grid interval, reusing the stopping at both grid energies (the
            // error is of the same order as the two-point Gauss rule's, h^4 / 2880 relative).
            const double mid = std::sqrt(previous_e * e);
            const double f_mid = mid / model.mass_stopping(mid).total_MeV_cm2_g();
            range_g_cm2 += std::log(e / previous_e) / 6.0 * (previous_e / previous_s + 4.0 * f_mid + e / s);
        } else {
            range_g_cm2 += integrate(model, previous_e, e);
        }
        table.push_back({e, range_g_cm2 / density, s * density});
        previous_e = e;
        previous_s = s;
    }
    return table;
}

}  // namespace kelmo::physics
