#include "calc/CommandLine.h"

#include <gtest/gtest.h>

#include "calc/ModuleState.h"

namespace {

TEST(BuildCommandLine, JoinsTheTextsAsTyped) {
    EXPECT_EQ(calc::BuildCommandLine("4", "10", "2", " -c 12,6,1.000000", "2.26"),
              "kelmo -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26");
    // The preview at start: only A typed, the start value of the composition arguments.
    EXPECT_EQ(calc::BuildCommandLine("4", "", "", calc::ModuleState().CompositionArgs, ""),
              "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ");
    EXPECT_EQ(calc::BuildCommandLine(" 4.7", "10", "", "", "1"), "kelmo -a  4.7 -e 10 -z  -d 1");
}

struct CheckCase {
    const char* a;
    const char* e;
    const char* z;
    const char* density;
    bool particleOk;
    bool densityOk;
};

TEST(CheckRequest, AcceptsPositiveAAndEnergyNonNegativeZAndPositiveDensity) {
    const CheckCase cases[] = {
        {"4", "10", "2", "2.26", true, true},
        {"4.7", "10", "2", "1", true, true},     // A read as 4
        {" 12", "10", "2", "1", true, true},
        {"4", "10", "", "1", true, true},        // an empty Z reads as 0 and passes
        {"0", "10", "2", "1", false, true},
        {"-3", "10", "2", "1", false, true},
        {"4", "0", "2", "1", false, true},
        {"4", "abc", "2", "1", false, true},
        {"4", "", "2", "1", false, true},
        {"4", "1e-50", "2", "1", false, true},  // 0 as a 32-bit float
        {"4", "nan", "2", "1", false, true},
        {"4", "10", "-1", "1", false, true},
        {"4", "10", "2", "", true, false},
        {"4", "10", "2", "0", true, false},
        {"4", "10", "2", "-1", true, false},
        {"4", "10", "2", "1e-50", true, false},
        {"", "", "", "", false, false},
    };
    for (const CheckCase& c : cases) {
        const calc::RequestCheck check = calc::CheckRequest(c.a, c.e, c.z, c.density);
        EXPECT_EQ(check.particleOk, c.particleOk) << c.a << '|' << c.e << '|' << c.z << '|' << c.density;
        EXPECT_EQ(check.densityOk, c.densityOk) << c.a << '|' << c.e << '|' << c.z << '|' << c.density;
    }
}

TEST(ApplyRequestCheck, PassingRequestSelectsTheLastComponentAndShowsTheCommand) {
    calc::ModuleState state;
    state.CompositionArgs = " -c 12,6,0.250000 -c 1,1,0.750000 -c 8,16,0.000000";
    const calc::CheckApplication application = calc::ApplyRequestCheck(state, {"4", "10", "2", "2.26"}, 3);
    EXPECT_TRUE(state.ValidRequest);
    EXPECT_EQ(application.selection, 2);
    EXPECT_EQ(application.totalComponents, "3");
    EXPECT_EQ(application.currentComponent, "3");
    EXPECT_EQ(state.CommandLine, "kelmo -a 4 -e 10 -z 2" + state.CompositionArgs + " -d 2.26");
    EXPECT_EQ(application.statusTexts, std::vector<std::string>{state.CommandLine});

    calc::ModuleState empty;
    empty.CompositionArgs.clear();
    const calc::CheckApplication noComponents = calc::ApplyRequestCheck(empty, {"1", "5", "1", "1"}, 0);
    EXPECT_EQ(noComponents.selection, -1);
    EXPECT_EQ(noComponents.totalComponents, "0");
    EXPECT_EQ(noComponents.currentComponent, "0");
    EXPECT_EQ(empty.CommandLine, "kelmo -a 1 -e 5 -z 1 -d 1");
}

TEST(ApplyRequestCheck, RefusedRequestOnlyReportsAndTheDensityMessageComesLast) {
    calc::ModuleState state;
    state.CommandLine = "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ";
    const calc::CheckApplication both = calc::ApplyRequestCheck(state, {"0", "10", "2", "0"}, 2);
    EXPECT_FALSE(state.ValidRequest);
    EXPECT_FALSE(both.selection.has_value());
    EXPECT_FALSE(both.totalComponents.has_value());
    EXPECT_FALSE(both.currentComponent.has_value());
    EXPECT_EQ(both.statusTexts, (std::vector<std::string>{"Wrong particle parameters!", "Wrong density of target!"}));
    EXPECT_EQ(state.CommandLine, "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ") << "the last preview stays";

    EXPECT_EQ(calc::ApplyRequestCheck(state, {"4", "10", "2", "0"}, 2).statusTexts,
              std::vector<std::string>{"Wrong density of target!"});
    EXPECT_EQ(calc::ApplyRequestCheck(state, {"4", "", "2", "1"}, 2).statusTexts,
              std::vector<std::string>{"Wrong particle parameters!"});
}

}  // namespace
