// The compiled-in data tables: lookups by Z, rejection of a Z out of range, constants.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "kelmo/data/tables.hpp"
#include "kelmo/physics/constants.hpp"

namespace kd = kelmo::data;
namespace kc = kelmo::physics::constants;

TEST(DataTables, RowsAreLookedUpByZ) {
    EXPECT_EQ(kd::element(1).symbol, "H");
    EXPECT_EQ(kd::element(79).symbol, "Au");
    EXPECT_DOUBLE_EQ(kd::element(92).I_eV, 890.0);
    EXPECT_DOUBLE_EQ(kd::element(6).atomic_weight_g_mol, 12.011);
    EXPECT_DOUBLE_EQ(kd::proton_fit_zbl85(13).a1, 0.039001);
    EXPECT_DOUBLE_EQ(kd::proton_fit_zbl85(18).a6, 0.97575);  // the argon value chosen in the data README
    EXPECT_DOUBLE_EQ(kd::heavy_ion_parameters(79).v_fermi, 1.2879);
    EXPECT_DOUBLE_EQ(kd::heavy_ion_parameters(92).lambda_factor, 1.16);
    EXPECT_DOUBLE_EQ(kd::density_effect_row(13)->minus_C, 4.2395);
    EXPECT_DOUBLE_EQ(kd::proton_fit_icru49(1).a1, 1.254);
}

TEST(DataTables, RejectZOutOfRange) {
    for (const int z : {0, -1, 93, 1000}) {
        EXPECT_THROW(kd::element(z), std::out_of_range);
        EXPECT_THROW(kd::proton_fit_zbl85(z), std::out_of_range);
        EXPECT_THROW(kd::proton_fit_icru49(z), std::out_of_range);
        EXPECT_THROW(kd::heavy_ion_parameters(z), std::out_of_range);
        EXPECT_THROW(kd::density_effect_row(z), std::out_of_range);
    }
    EXPECT_FALSE(kd::density_effect_row(85).has_value());
    EXPECT_FALSE(kd::density_effect_row(87).has_value());
    EXPECT_TRUE(kd::density_effect_row(86).has_value());
}

// physics/constants.hpp holds the values the code uses; they must be those of constants.csv (CODATA 2018).
TEST(Constants, AgreeWithConstantsCsv) {
    EXPECT_DOUBLE_EQ(kc::kElectronMass_MeV, kd::constant("electron_mass_energy"));
    EXPECT_DOUBLE_EQ(kc::kProtonMass_MeV, kd::constant("proton_mass_energy"));
    EXPECT_DOUBLE_EQ(kc::kAtomicMassUnit_MeV, kd::constant("atomic_mass_unit_energy"));
    EXPECT_DOUBLE_EQ(kc::kElectronMass_u, kd::constant("electron_mass_in_u"));
    EXPECT_DOUBLE_EQ(kc::kProtonMass_u, kd::constant("proton_mass_in_u"));
    EXPECT_DOUBLE_EQ(kc::kFineStructure, kd::constant("fine_structure_constant"));
    EXPECT_DOUBLE_EQ(kc::kInverseFineStructure, kd::constant("inverse_fine_structure_constant"));
    EXPECT_DOUBLE_EQ(kc::kAvogadro_per_mol, kd::constant("avogadro_constant"));
    EXPECT_DOUBLE_EQ(kc::kClassicalElectronRadius_cm, 100.0 * kd::constant("classical_electron_radius"));
    EXPECT_NEAR(kc::kBetheK_MeV_cm2_mol, 0.3070749, 1e-7);
    EXPECT_THROW(kd::constant("no_such_constant"), std::out_of_range);
}

// The compiled tables are the CSV files of data/csv: spot-check one number per file against the file.
TEST(DataTables, MatchTheCsvFiles) {
    std::ifstream in(std::string(KELMO_DATA_CSV_DIR) + "/elements.csv");
    ASSERT_TRUE(in);
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'Z') continue;
        std::stringstream ss(line);
        std::string z, sym, name, w, I;
        std::getline(ss, z, ',');
        std::getline(ss, sym, ',');
        std::getline(ss, name, ',');
        std::getline(ss, w, ',');
        std::getline(ss, I, ',');
        const auto& e = kd::element(std::stoi(z));
        EXPECT_EQ(e.symbol, sym);
        EXPECT_DOUBLE_EQ(e.atomic_weight_g_mol, std::stod(w));
        EXPECT_DOUBLE_EQ(e.I_eV, std::stod(I));
        ++rows;
    }
    EXPECT_EQ(rows, 92);
}
