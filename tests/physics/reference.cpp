#include "reference.hpp"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kelmo::test {

namespace {

// Splits one CSV line; fields in double quotes may contain commas.
std::vector<std::string> split_csv(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::vector<std::string>> read_rows(const std::string& file_name) {
    std::ifstream in(reference_dir() + "/" + file_name);
    if (!in) throw std::runtime_error("cannot read reference table " + file_name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        rows.push_back(split_csv(line));
    }
    return rows;
}

}  // namespace

std::string reference_dir() { return KELMO_REFERENCE_DIR; }

std::vector<StarPoint> load_star_table(const std::string& file_name) {
    std::vector<StarPoint> points;
    for (const auto& r : read_rows(file_name)) {
        if (r.size() != 5) throw std::runtime_error("bad row in " + file_name);
        points.push_back({std::stod(r[0]), std::stod(r[1]), std::stod(r[2]), std::stod(r[3]), std::stod(r[4])});
    }
    return points;
}

std::vector<ReferenceMaterial> load_materials() {
    std::vector<ReferenceMaterial> all;
    // target,nist_name,nist_material_id,density_g_per_cm3,I_eV,Z_over_A,element_Z,element_symbol,
    // element_A_g_per_mol,mass_fraction
    for (const auto& r : read_rows("materials.csv")) {
        if (r.size() != 10) throw std::runtime_error("bad row in materials.csv");
        if (all.empty() || all.back().name != r[0]) {
            all.push_back({r[0], std::stod(r[3]), std::stod(r[4]), {}});
        }
        const int Z = std::stoi(r[6]);
        const int A = static_cast<int>(std::lround(std::stod(r[8])));
        all.back().components.push_back({A, Z, std::stod(r[9])});
    }
    return all;
}

const ReferenceMaterial& material(const std::vector<ReferenceMaterial>& all, const std::string& name) {
    for (const auto& m : all) {
        if (m.name == name) return m;
    }
    throw std::runtime_error("no reference material " + name);
}

physics::Target make_target(const ReferenceMaterial& material) {
    return physics::make_target(material.components, material.density_g_cm3);
}

int band_of(double e) {
    if (e < 0.1) return 0;
    if (e < 1.0) return 1;
    if (e < 10.0) return 2;
    return 3;
}

const char* band_name(int band) {
    static const char* const names[kBands] = {"< 0.1 MeV/u", "0.1-1 MeV/u", "1-10 MeV/u", ">= 10 MeV/u"};
    return names[band];
}

double band_goal(int band) {
    static const double goals[kBands] = {0.10, 0.05, 0.02, 0.01};
    return goals[band];
}

Deviation compare(const physics::StoppingModel& model, const std::vector<StarPoint>& table,
                  double max_energy_MeV_u) {
    Deviation d;
    const double A = model.particle().mass_number;
    for (const auto& p : table) {
        const double e_u = p.energy_MeV / A;
        if (e_u > max_energy_MeV_u * (1 + 1e-9)) continue;
        const int b = band_of(e_u);
        const double s = model.mass_stopping(p.energy_MeV).total_MeV_cm2_g() / p.total_MeV_cm2_g - 1.0;
        const double r = physics::csda_range_g_cm2(model, p.energy_MeV) / p.csda_range_g_cm2 - 1.0;
        if (std::abs(s) > d.stopping[b]) {
            d.stopping[b] = std::abs(s);
            d.stopping_signed[b] = s;
            d.stopping_at[b] = p.energy_MeV;
        }
        if (std::abs(r) > d.range[b]) {
            d.range[b] = std::abs(r);
            d.range_signed[b] = r;
            d.range_at[b] = p.energy_MeV;
        }
    }
    return d;
}

}  // namespace kelmo::test
