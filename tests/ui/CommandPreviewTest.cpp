// Typing the particle previews the calculator's command in the status bar; the particle's Clear button
// empties the three fields and previews again only when a field actually changed.

#include <QPushButton>

#include "MainWindowFixture.h"
#include "ui/chart/ResultChart.h"

namespace ui_test {
namespace {

TEST_F(MainWindowTest, TypingParticleAPreviewsTheCommandWithTheStartComposition) {
    Type(Form().ParA, "4");
    // Two blanks after -e and after -z, the start composition, and a blank at the end.
    EXPECT_EQ(Status(), "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ");
    EXPECT_EQ(State().CommandLine, "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ");
}

TEST_F(MainWindowTest, PreviewTakesTextsAsTypedAndTheDensityOnlyAtTheNextParticleChange) {
    Type(Form().ParA, " 4.7");
    Type(Form().ParE, "10");
    Type(Form().TargetDensity, "2.26");
    EXPECT_EQ(Status(), "kelmo -a  4.7 -e 10 -z  - c 1,1,1.000 -d ");
    Type(Form().ParZ, "2");
    EXPECT_EQ(Status(), "kelmo -a  4.7 -e 10 -z 2 - c 1,1,1.000 -d 2.26");
}

TEST_F(MainWindowTest, TypingInTheTargetGroupPreviewsNothing) {
    Type(Form().TargetAAA, "12");
    Type(Form().TargetZZZ, "6");
    Type(Form().CompShare, "1");
    Type(Form().TargetDensity, "2.26");
    EXPECT_EQ(Status(), "Ready to start!");
}

TEST_F(MainWindowTest, ParticleClearWithOnlyEnergyPreviewsTheEmptyParticle) {
    Type(Form().ParE, "10");
    Form().StatusBar1->showMessage("marker");

    Click(Form().Button6);

    EXPECT_EQ(Status(), "kelmo -a  -e  -z  - c 1,1,1.000 -d ");
    EXPECT_TRUE(Form().ParE->text().isEmpty());
}

TEST_F(MainWindowTest, ParticleClearWithEmptyFieldsKeepsTheStatus) {
    Click(Form().Button6);
    EXPECT_EQ(Status(), "Ready to start!");
}

TEST_F(MainWindowTest, ParticleClearLeavesTheTargetGroupAndTheChartsAlone) {
    TypeValidRequest();
    AddComponent("12", "6", "1");
    Click(Form().Button2);
    ASSERT_FALSE(Form().Chart1->Points().Empty());

    Click(Form().Button6);

    for (QLineEdit* particle : {Form().ParA, Form().ParZ, Form().ParE}) EXPECT_TRUE(particle->text().isEmpty());
    EXPECT_EQ(Form().TargetAAA->text(), "12");
    EXPECT_EQ(Form().TargetZZZ->text(), "6");
    EXPECT_EQ(Form().CompShare->text(), "1");
    EXPECT_EQ(Form().TargetDensity->text(), "2.26");
    EXPECT_EQ(Form().ComboBox1->count(), 1);
    EXPECT_EQ(Form().Label4->text(), "1");
    EXPECT_EQ(Form().Label7->text(), "1");
    EXPECT_FALSE(Form().Chart1->Points().Empty());
    // The preview carries the composition of the last run.
    EXPECT_EQ(Status(), "kelmo -a  -e  -z  -c 12,6,1.000000 -d 2.26");
}

}  // namespace
}  // namespace ui_test
