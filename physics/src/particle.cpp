#include "kelmo/physics/particle.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

#include "kelmo/physics/constants.hpp"

namespace kelmo::physics {

Particle make_particle(int mass_number, int atomic_number) {
    if (mass_number < 1) throw std::invalid_argument("particle mass number A must be >= 1");
    if (atomic_number < 1) throw std::invalid_argument("particle atomic number Z must be >= 1");
    if (atomic_number > 92) throw std::invalid_argument("particle atomic number Z must be <= 92");
    if (atomic_number > mass_number) {
        throw std::invalid_argument("particle atomic number Z = " + std::to_string(atomic_number) +
                                    " is larger than its mass number A = " + std::to_string(mass_number));
    }
    namespace c = constants;
    double mass_u = mass_number;
    if (atomic_number == 1 && mass_number == 1) mass_u = c::kProtonMass_u;
    if (atomic_number == 1 && mass_number == 2) mass_u = c::kDeuteronMass_u;
    if (atomic_number == 1 && mass_number == 3) mass_u = c::kTritonMass_u;
    if (atomic_number == 2 && mass_number == 3) mass_u = c::kHelionMass_u;
    if (atomic_number == 2 && mass_number == 4) mass_u = c::kAlphaMass_u;
    return Particle{mass_number, atomic_number, mass_u};
}

double rest_energy_MeV(const Particle& particle) {
    return particle.mass_u * constants::kAtomicMassUnit_MeV;
}

Kinematics kinematics(const Particle& particle, double energy_MeV) {
    const double tau = energy_MeV / rest_energy_MeV(particle);
    const double gamma = 1.0 + tau;
    // beta^2 gamma^2 = tau (tau + 2), free of the cancellation in 1 - 1/gamma^2 at low energy.
    const double bg2 = tau * (tau + 2.0);
    return Kinematics{gamma, bg2 / (gamma * gamma), std::sqrt(bg2), 1000.0 * energy_MeV / particle.mass_u};
}

}  // namespace kelmo::physics
