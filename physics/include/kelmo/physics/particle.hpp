// The projectile: mass number, atomic number and rest mass.
#pragma once

namespace kelmo::physics {

/// A fully stripped ion (or a proton) travelling through matter.
struct Particle {
    int mass_number = 1;    ///< A
    int atomic_number = 1;  ///< Z, the charge of the bare nucleus
    double mass_u = 1.0;    ///< rest mass in atomic mass units
};

/// The particle with mass number A and atomic number Z. Its mass is the nuclear mass (CODATA 2018) for
/// p, d, t, 3He and 4He, and A u for every other ion. Throws std::invalid_argument when A < 1, Z < 1,
/// Z > 92 or Z > A.
Particle make_particle(int mass_number, int atomic_number);

/// Rest energy in MeV.
double rest_energy_MeV(const Particle& particle);

/// Relativistic factors of a particle of kinetic energy T (MeV, the whole particle).
struct Kinematics {
    double gamma;
    double beta2;
    double beta_gamma;     ///< beta gamma = p / (M c)
    double energy_keV_u;   ///< T / M in keV per atomic mass unit, the energy variable of the low-energy fits
};
Kinematics kinematics(const Particle& particle, double energy_MeV);

}  // namespace kelmo::physics
