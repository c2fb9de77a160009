// Physical constants of the calculator, in one place. Values: CODATA 2018 (E. Tiesinga et al., Rev. Mod.
// Phys. 93 (2021) 025010), as listed in data/csv/constants.csv; a test checks that both agree.
#pragma once

namespace kelmo::physics::constants {

inline constexpr double kPi = 3.14159265358979323846;

// Exact SI constants.
inline constexpr double kAvogadro_per_mol = 6.02214076e23;

// CODATA 2018.
inline constexpr double kElectronMass_MeV = 0.51099895000;
inline constexpr double kProtonMass_MeV = 938.27208816;
inline constexpr double kAtomicMassUnit_MeV = 931.49410242;
inline constexpr double kElectronMass_u = 5.48579909065e-4;
inline constexpr double kProtonMass_u = 1.007276466621;
inline constexpr double kClassicalElectronRadius_cm = 2.8179403262e-13;
inline constexpr double kFineStructure = 7.2973525693e-3;
inline constexpr double kInverseFineStructure = 137.035999084;
inline constexpr double kHbarC_MeV_fm = 197.3269804;

// Nuclear masses of the light particles (CODATA 2018), in u: the bare nuclei, as they travel in matter.
inline constexpr double kDeuteronMass_u = 2.013553212745;
inline constexpr double kTritonMass_u = 3.01550071621;
inline constexpr double kHelionMass_u = 3.014932247175;  // 3He nucleus
inline constexpr double kAlphaMass_u = 4.001506179127;   // 4He nucleus

/// K = 4 pi N_A r_e^2 m_e c^2 in MeV cm^2/mol (the Bethe-formula constant; 0.3070749 in constants.csv).
inline constexpr double kBetheK_MeV_cm2_mol =
    4.0 * kPi * kAvogadro_per_mol * kClassicalElectronRadius_cm * kClassicalElectronRadius_cm * kElectronMass_MeV;

/// A stopping cross section of 1 eV / (1e15 atoms/cm^2) is this many MeV cm^2/g times 1/M (M in g/mol).
inline constexpr double kStoppingCrossSectionToMass = kAvogadro_per_mol * 1e-15 * 1e-6;  // 602.214076

}  // namespace kelmo::physics::constants
