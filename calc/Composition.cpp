#include "Composition.h"

#include "Numbers.h"

namespace calc {

AddComponentResult AddComponent(TCompositionList& list, std::string_view aText, std::string_view zText,
                                std::string_view wText) {
    const TTargetComponent component{ReadInteger(aText), ReadInteger(zText), NarrowToFloat(ReadReal(wText))};

    AddComponentResult result;
    if (!(component.A > 0)) result.messages.emplace_back(kBadComponentA);
    if (!(component.Z > 0)) result.messages.emplace_back(kBadComponentZ);
    // Written so that a W that is not a number fails too.
    if (!(component.W > 0.0f)) result.messages.emplace_back(kBadComponentW);
    if (!result.Accepted()) return result;

    list.push_back(component);
    // The list shows the texts as typed until the next run rewrites the line from the numbers.
    result.itemText = "A= " + std::string(aText) + "  Z= " + std::string(zText) + "  W= " + std::string(wText);
    return result;
}

void DeleteComponent(TCompositionList& list, int position) {
    list.erase(list.begin() + position);
}

void ClearComponents(TCompositionList& list) {
    list.clear();
}

NormalisedComposition NormaliseComposition(const TCompositionList& list) {
    // The running sum is rounded to 32 bits after every addition, as the shares themselves are.
    float sum = 0.0f;
    for (const TTargetComponent& component : list) sum = sum + component.W;

    NormalisedComposition result;
    for (const TTargetComponent& component : list) {
        const double share = static_cast<double>(component.W) / static_cast<double>(sum);
        const std::string shareText = FormatFixed(share);
        const std::string a = FormatDecimal(component.A);
        const std::string z = FormatDecimal(component.Z);
        result.itemTexts.push_back("A= " + a + "  Z= " + z + "  W= " + shareText);
        result.compositionArgs += " -c " + a + "," + z + "," + shareText;
    }
    return result;
}

}  // namespace calc
