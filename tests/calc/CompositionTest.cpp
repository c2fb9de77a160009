#include "calc/Composition.h"

#include <gtest/gtest.h>

#include "LocaleGuard.h"

namespace {

using calc::kBadComponentA;
using calc::kBadComponentW;
using calc::kBadComponentZ;

struct AddCase {
    const char* a;
    const char* z;
    const char* w;
    std::vector<std::string_view> messages;
};

TEST(AddComponent, RefusesEachBadFieldWithItsMessageInOrder) {
    const AddCase cases[] = {
        {"0", "6", "1", {kBadComponentA}},
        {"-4", "6", "1", {kBadComponentA}},
        {"", "6", "1", {kBadComponentA}},
        {"12", "0", "1", {kBadComponentZ}},
        {"12", "6", "0", {kBadComponentW}},
        {"12", "6", "-1", {kBadComponentW}},
        {"12", "6", "abc", {kBadComponentW}},
        {"12", "6", "", {kBadComponentW}},
        {"12", "6", "1e-50", {kBadComponentW}},  // positive, but 0 as a 32-bit float
        {"12", "6", "nan", {kBadComponentW}},
        {"", "", "", {kBadComponentA, kBadComponentZ, kBadComponentW}},
        {"x", "6", "-2", {kBadComponentA, kBadComponentW}},
    };
    for (const AddCase& c : cases) {
        calc::TCompositionList list{{1, 1, 1.0f}};
        const calc::AddComponentResult result = calc::AddComponent(list, c.a, c.z, c.w);
        EXPECT_EQ(result.messages, std::vector<std::string>(c.messages.begin(), c.messages.end()))
            << c.a << ' ' << c.z << ' ' << c.w;
        EXPECT_EQ(list.size(), 1u) << "a refused component must not be appended";
        EXPECT_TRUE(result.itemText.empty());
    }
}

TEST(AddComponent, StoresTheParsedNumbersButShowsTheTextsAsTyped) {
    calc::TCompositionList list;
    const calc::AddComponentResult result = calc::AddComponent(list, "12abc", "6", "1");
    ASSERT_TRUE(result.Accepted());
    EXPECT_EQ(result.itemText, "A= 12abc  Z= 6  W= 1");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].A, 12);
    EXPECT_EQ(list[0].Z, 6);
    EXPECT_EQ(list[0].W, 1.0f);

    EXPECT_TRUE(calc::AddComponent(list, "12.7", "1", " 2.5").Accepted());
    EXPECT_TRUE(calc::AddComponent(list, "12.7", "1", " 2.5").Accepted());  // duplicates are allowed
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].A, 12);
    EXPECT_EQ(list[2].W, 2.5f);
}

TEST(NormaliseComposition, DividesByTheSumAndPrintsSixDecimals) {
    calc::TCompositionList list{{12, 6, 1.0f}, {1, 1, 3.0f}};
    const calc::NormalisedComposition normalised = calc::NormaliseComposition(list);
    EXPECT_EQ(normalised.compositionArgs, " -c 12,6,0.250000 -c 1,1,0.750000");
    EXPECT_EQ(normalised.itemTexts, (std::vector<std::string>{"A= 12  Z= 6  W= 0.250000", "A= 1  Z= 1  W= 0.750000"}));
    EXPECT_EQ(list[0].W, 1.0f) << "the entered shares stay as they were";
    EXPECT_EQ(calc::NormaliseComposition(list).compositionArgs, normalised.compositionArgs) << "a second run is the same";
}

TEST(NormaliseComposition, IsTheSameUnderAGermanLocale) {
    calc_test::GermanLocale german;
    ASSERT_TRUE(german.Active()) << "the de_DE.UTF-8 locale is missing; scripts/setup-debian.sh generates it";
    calc::TCompositionList list;
    ASSERT_TRUE(calc::AddComponent(list, "12", "6", "1").Accepted());
    ASSERT_TRUE(calc::AddComponent(list, "1", "1", "3").Accepted());
    const calc::NormalisedComposition normalised = calc::NormaliseComposition(list);
    EXPECT_EQ(normalised.compositionArgs, " -c 12,6,0.250000 -c 1,1,0.750000");
    EXPECT_EQ(normalised.itemTexts[1], "A= 1  Z= 1  W= 0.750000");
    // "2,5" is 2 followed by text that is ignored, exactly as in the "C" locale.
    ASSERT_TRUE(calc::AddComponent(list, "1", "1", "2,5").Accepted());
    EXPECT_EQ(list.back().W, 2.0f);
}

TEST(NormaliseComposition, EdgeCases) {
    EXPECT_EQ(calc::NormaliseComposition({{7, 3, 42.0f}}).compositionArgs, " -c 7,3,1.000000");

    const calc::NormalisedComposition empty = calc::NormaliseComposition({});
    EXPECT_TRUE(empty.itemTexts.empty());
    EXPECT_TRUE(empty.compositionArgs.empty());

    // Three equal shares each print as 0.333333: rounded per share, not forced to add up to 1.
    EXPECT_EQ(calc::NormaliseComposition({{1, 1, 1.0f}, {2, 1, 1.0f}, {3, 1, 1.0f}}).compositionArgs,
              " -c 1,1,0.333333 -c 2,1,0.333333 -c 3,1,0.333333");

    // The sum is held in 32 bits: 2^24 + 1 + 1 stays 2^24 as a float, so the first share is exactly 1
    // (a sum in double precision would print it as 0.999999).
    EXPECT_EQ(calc::NormaliseComposition({{1, 1, 16777216.0f}, {2, 1, 1.0f}, {3, 1, 1.0f}}).compositionArgs,
              " -c 1,1,1.000000 -c 2,1,0.000000 -c 3,1,0.000000");
}

TEST(DeleteAndClear, KeepTheOrderOfTheRest) {
    calc::TCompositionList list{{1, 1, 1.0f}, {12, 6, 1.0f}, {16, 8, 3.0f}};
    calc::DeleteComponent(list, 0);
    EXPECT_EQ(calc::NormaliseComposition(list).compositionArgs, " -c 12,6,0.250000 -c 16,8,0.750000");
    calc::ClearComponents(list);
    EXPECT_TRUE(list.empty());
}

}  // namespace
