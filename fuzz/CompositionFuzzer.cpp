// The composition editor's texts: any A, Z and W the user types, added one component after another,
// then normalised as Run does it. Nothing may crash; an accepted component shows its texts as typed;
// the normalised texts hold one line and one "-c" group per component; and when the shares add up to
// a finite sum, each printed share lies in [0, 1] and together they make 1 up to rounding.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "calc/Composition.h"
#include "calc/Numbers.h"

namespace {

// The input is a list of texts separated by line ends, taken three at a time as A, Z and W.
std::vector<std::string_view> SplitTexts(std::string_view input) {
    std::vector<std::string_view> texts;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        texts.push_back(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return texts;
}

// " -c A,Z,w": the three fields of one group, or false when the group is not of that shape.
bool SplitGroup(std::string_view group, std::string& a, std::string& z, std::string& share) {
    if (group.substr(0, 4) != " -c ") return false;
    group.remove_prefix(4);
    const std::size_t first = group.find(',');
    const std::size_t second = group.find(',', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return false;
    a = group.substr(0, first);
    z = group.substr(first + 1, second - first - 1);
    share = group.substr(second + 1);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> texts = SplitTexts(input);

    calc::TCompositionList list;
    for (std::size_t i = 0; i + 2 < texts.size(); i += 3) {
        const std::size_t before = list.size();
        const calc::AddComponentResult result = calc::AddComponent(list, texts[i], texts[i + 1], texts[i + 2]);
        fuzz::Require(list.size() == before + (result.Accepted() ? 1 : 0), "only an accepted component is added",
                      input);
        fuzz::Require(result.messages.size() <= 3, "at most one message per field", input);
        if (result.Accepted()) {
            const calc::TTargetComponent& added = list.back();
            fuzz::Require(added.A > 0 && added.Z > 0 && added.W > 0.0f, "an accepted component is positive", input);
            const std::string shown = "A= " + std::string(texts[i]) + "  Z= " + std::string(texts[i + 1]) +
                                      "  W= " + std::string(texts[i + 2]);
            fuzz::Require(result.itemText == shown, "the entry line shows the texts as typed", input);
        }
    }

    const calc::NormalisedComposition normalised = calc::NormaliseComposition(list);
    fuzz::Require(normalised.itemTexts.size() == list.size(), "one line per component", input);

    float sum = 0.0f;
    for (const calc::TTargetComponent& component : list) sum += component.W;
    double shareTotal = 0.0;
    std::string_view args = normalised.compositionArgs;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::size_t next = args.find(" -c ", 1);
        std::string a, z, share;
        fuzz::Require(SplitGroup(args.substr(0, next), a, z, share), "one \" -c A,Z,w\" group per component", input);
        args.remove_prefix(next == std::string_view::npos ? args.size() : next);
        fuzz::Require(a == calc::FormatDecimal(list[i].A) && z == calc::FormatDecimal(list[i].Z),
                      "the group carries the component's A and Z", input);
        fuzz::Require(normalised.itemTexts[i] == "A= " + a + "  Z= " + z + "  W= " + share,
                      "the list line and the group agree", input);
        if (std::isfinite(sum)) {
            const double w = calc::ReadReal(share);
            fuzz::Require(w >= 0.0 && w <= 1.0, "a share lies in [0, 1]", input);
            shareTotal += w;
        }
    }
    fuzz::Require(args.empty(), "nothing follows the last group", input);

    // Each printed share is off by at most 5e-7; the 32-bit sum of n positive shares is off by at most
    // about n float roundings (6e-8 each).
    const double n = static_cast<double>(list.size());
    if (!list.empty() && std::isfinite(sum)) {
        fuzz::Require(std::fabs(shareTotal - 1.0) <= n * (5e-7 + 1.2e-7) + 1e-9, "the shares add up to 1", input);
    }
    return 0;
}
