// Prints the worst deviation of kelmo's physics from the NIST PSTAR / ASTAR reference tables, by band of
// energy per nucleon, as a Markdown table (the accuracy table of README.md). Not a test: a tool.
#include <cmath>
#include <cstdio>
#include <string>

#include "reference.hpp"

using namespace kelmo;

int main() {
    const auto materials = test::load_materials();
    const char* names[] = {"water", "air", "aluminium", "copper", "gold", "polyethylene"};
    std::printf("| particle | material | quantity |");
    for (int b = 0; b < test::kBands; ++b) std::printf(" %s (goal %.0f %%) |", test::band_name(b), 100 * test::band_goal(b));
    std::printf("\n|---|---|---|---|---|---|---|\n");
    for (const std::string kind : {"pstar", "astar"}) {
        const auto particle = kind == "pstar" ? physics::make_particle(1, 1) : physics::make_particle(4, 2);
        for (const char* name : names) {
            const physics::StoppingModel model(particle, test::make_target(test::material(materials, name)));
            const auto d = test::compare(model, test::load_star_table(kind + "_" + name + ".csv"), 1e9);
            for (int q = 0; q < 2; ++q) {
                std::printf("| %s | %s | %s |", kind == "pstar" ? "p" : "alpha", name, q == 0 ? "S" : "R");
                for (int b = 0; b < test::kBands; ++b) {
                    const double v = q == 0 ? d.stopping_signed[b] : d.range_signed[b];
                    const double at = q == 0 ? d.stopping_at[b] : d.range_at[b];
                    const bool over = std::abs(v) > test::band_goal(b);
                    std::printf(" %s%+.1f %%%s at %g MeV |", over ? "**" : "", 100 * v, over ? "**" : "", at);
                }
                std::printf("\n");
            }
        }
    }
}
