#pragma once
// The calculator's command line and the check of a request before a run.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

class ModuleState;

inline constexpr std::string_view kWrongParticle = "Wrong particle parameters!";
inline constexpr std::string_view kWrongDensity = "Wrong density of target!";

// "kelmo -a " A " -e " E " -z " Z compositionArgs " -d " density, the texts exactly as typed.
std::string BuildCommandLine(std::string_view aText, std::string_view eText, std::string_view zText,
                             std::string_view compositionArgs, std::string_view densityText);

struct RequestCheck {
    bool particleOk = false;  // A > 0, E > 0 (as a 32-bit float), Z >= 0
    bool densityOk = false;   // density > 0 (as a 32-bit float)
};
RequestCheck CheckRequest(std::string_view aText, std::string_view eText, std::string_view zText,
                          std::string_view densityText);

// The texts of the four request fields, read at the moment of use.
struct RequestFields {
    std::string aText;
    std::string eText;
    std::string zText;
    std::string densityText;
};

// What applying the check asks of the window, in this order: the selection of the component list,
// the two counters, then each status text in turn (the last one stays visible).
struct CheckApplication {
    std::optional<int> selection;              // index to select (-1: none); unset: leave the list alone
    std::optional<std::string> totalComponents;   // new text of the "Total components" counter
    std::optional<std::string> currentComponent;  // new text of the "Current component" counter
    std::vector<std::string> statusTexts;
};

// Runs the check on fields; when it passes, sets state.ValidRequest and rebuilds state.CommandLine
// from the current state.CompositionArgs. componentCount is the number of entries of the component list.
CheckApplication ApplyRequestCheck(ModuleState& state, const RequestFields& fields, int componentCount);

}  // namespace calc
