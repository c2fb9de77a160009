// Reference data for the accuracy tests: NIST PSTAR / ASTAR tables of six materials (data/, copied from the
// project's shared reference tables) and the compositions NIST used for them.
#pragma once

#include <string>
#include <vector>

#include "kelmo/physics/stopping.hpp"

namespace kelmo::test {

/// One row of a pstar_<m>.csv / astar_<m>.csv table (energy of the whole particle).
struct StarPoint {
    double energy_MeV;
    double total_MeV_cm2_g;
    double csda_range_g_cm2;
    double electronic_MeV_cm2_g;
    double nuclear_MeV_cm2_g;
};

/// A reference material of materials.csv.
struct ReferenceMaterial {
    std::string name;
    double density_g_cm3;
    double I_eV;
    std::vector<physics::ComponentSpec> components;  // A = the rounded atomic weight: the natural element
};

std::string reference_dir();
std::vector<StarPoint> load_star_table(const std::string& file_name);
std::vector<ReferenceMaterial> load_materials();
const ReferenceMaterial& material(const std::vector<ReferenceMaterial>& all, const std::string& name);
physics::Target make_target(const ReferenceMaterial& material);

/// Accuracy band by energy per nucleon, as in the issue: "< 0.1", "0.1-1", "1-10", ">= 10" MeV/u.
int band_of(double energy_MeV_u);
const char* band_name(int band);
double band_goal(int band);  // relative tolerance: 0.10, 0.05, 0.02, 0.01
inline constexpr int kBands = 4;

/// Worst relative deviations of the model from one STAR table, per band.
struct Deviation {
    double stopping[kBands] = {0, 0, 0, 0};      // |S_model / S_ref - 1|, total mass stopping
    double range[kBands] = {0, 0, 0, 0};         // |R_model / R_ref - 1|, CSDA range
    double stopping_at[kBands] = {0, 0, 0, 0};   // energy (MeV) of the worst stopping deviation
    double range_at[kBands] = {0, 0, 0, 0};
    double stopping_signed[kBands] = {0, 0, 0, 0};
    double range_signed[kBands] = {0, 0, 0, 0};
};

/// Compares the model with a STAR table at every tabulated energy up to max_energy_MeV_u per nucleon.
Deviation compare(const physics::StoppingModel& model, const std::vector<StarPoint>& table,
                  double max_energy_MeV_u);

}  // namespace kelmo::test
