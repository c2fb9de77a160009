#pragma once
// The target composition: the list of components the user builds, the checks that accept or refuse a
// typed component, and the normalisation that turns the entered shares into the command-line arguments.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// One target component as accepted: A and Z as read with atol, W as entered (narrowed to 32 bits).
struct TTargetComponent {
    std::int32_t A = 0;
    std::int32_t Z = 0;
    float W = 0.0f;
};

using TCompositionList = std::vector<TTargetComponent>;

inline constexpr std::string_view kBadComponentA = "Atomic number of target element incorrect..";
inline constexpr std::string_view kBadComponentZ = "Charge of target element incorrect..";
inline constexpr std::string_view kBadComponentW = "Weight of target element incorrect..";

struct AddComponentResult {
    std::vector<std::string> messages;  // failed checks in the order A, Z, W; empty when accepted
    std::string itemText;               // "A= 12.7  Z= 6  W= 1" from the texts as typed; set when accepted
    bool Accepted() const { return messages.empty(); }
};

// Parses and checks one component; appends it to list only when every check passes.
AddComponentResult AddComponent(TCompositionList& list, std::string_view aText, std::string_view zText,
                                std::string_view wText);

// Removes the component at a valid 0-based position; later components move up.
void DeleteComponent(TCompositionList& list, int position);

void ClearComponents(TCompositionList& list);

struct NormalisedComposition {
    std::vector<std::string> itemTexts;  // "A= 12  Z= 6  W= 0.250000", one per component in list order
    std::string compositionArgs;         // " -c 12,6,0.250000 -c 1,1,0.750000"; empty for an empty list
};

// Divides each W by the sum of all W (summed in 32 bits). The list itself is not changed.
NormalisedComposition NormaliseComposition(const TCompositionList& list);

}  // namespace calc
