// The Target group: Add, picking an item, Del Element, Clear and Clear All keep the component list, its two
// counters and the composition in step.

#include <QPushButton>

#include "MainWindowFixture.h"
#include "calc/Composition.h"

namespace ui_test {
namespace {

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

TEST_F(MainWindowTest, AddShowsTheComponentSelectedAndCountsIt) {
    AddComponent("12", "6", "1");

    EXPECT_EQ(Items(*Form().ComboBox1), QStringList{"A= 12  Z= 6  W= 1"});
    EXPECT_EQ(Form().ComboBox1->currentIndex(), 0);
    EXPECT_EQ(Form().Label4->text(), "1");
    EXPECT_EQ(Form().Label7->text(), "1");
    EXPECT_EQ(Form().TargetAAA->text(), "12");
    EXPECT_EQ(Form().TargetZZZ->text(), "6");
    EXPECT_EQ(Form().CompShare->text(), "1");
    ASSERT_EQ(State().CompositionList.size(), 1u);
    EXPECT_EQ(State().CompositionList[0].A, 12);
    // Success writes nothing into the status bar.
    EXPECT_EQ(Status(), "Ready to start!");
}

TEST_F(MainWindowTest, AddRefusedShowsTheLastFailedCheckAndChangesNothing) {
    struct Case {
        const char* a;
        const char* z;
        const char* w;
        std::string_view message;
    };
    for (const Case& c : {Case{"0", "6", "0", calc::kBadComponentW}, Case{"0", "-1", "1", calc::kBadComponentZ},
                          Case{"x", "6", "1", calc::kBadComponentA}}) {
        AddComponent(c.a, c.z, c.w);
        EXPECT_EQ(Status().toStdString(), c.message) << c.a << " " << c.z << " " << c.w;
        EXPECT_EQ(Form().ComboBox1->count(), 0);
        EXPECT_EQ(Form().Label4->text(), "0");
        EXPECT_EQ(Form().Label7->text(), "0");
        EXPECT_TRUE(State().CompositionList.empty());
        EXPECT_EQ(Form().TargetAAA->text(), c.a);
    }
}

TEST_F(MainWindowTest, PickingAnItemShowsItsPositionAndDelElementRemovesIt) {
    AddComponent("12", "6", "1");
    AddComponent("16", "8", "2");
    AddComponent("1", "1", "3");

    PickComponent(0);
    EXPECT_EQ(Form().Label7->text(), "1");

    Click(Form().Button4);
    EXPECT_EQ(Items(*Form().ComboBox1), (QStringList{"A= 16  Z= 8  W= 2", "A= 1  Z= 1  W= 3"}));
    EXPECT_EQ(Form().ComboBox1->currentIndex(), 1);
    EXPECT_EQ(Form().Label4->text(), "2");
    EXPECT_EQ(Form().Label7->text(), "2");
    ASSERT_EQ(State().CompositionList.size(), 2u);
    EXPECT_EQ(State().CompositionList[0].A, 16);
    EXPECT_EQ(State().CompositionList[1].A, 1);
}

TEST_F(MainWindowTest, DelElementOfTheOnlyItemLeavesAnEmptyList) {
    AddComponent("12", "6", "1");
    Click(Form().Button4);

    EXPECT_EQ(Form().ComboBox1->count(), 0);
    EXPECT_TRUE(Form().ComboBox1->currentText().isEmpty());
    EXPECT_EQ(Form().Label4->text(), "0");
    EXPECT_EQ(Form().Label7->text(), "0");
    EXPECT_TRUE(State().CompositionList.empty());

    // Once more on the empty list: nothing to delete, nothing breaks.
    Click(Form().Button4);
    EXPECT_EQ(Form().ComboBox1->count(), 0);
    EXPECT_EQ(Form().Label7->text(), "0");
}

TEST_F(MainWindowTest, DelElementWithNothingSelectedAfterARefusedRunDeletesNothing) {
    AddComponent("12", "6", "1");
    AddComponent("1", "1", "3");
    Click(Form().Button2);  // the particle is empty: refused, and the rebuilt list has no selection
    ASSERT_EQ(Status(), "Wrong density of target!");
    ASSERT_EQ(Form().ComboBox1->currentIndex(), -1);

    Click(Form().Button4);

    EXPECT_EQ(Form().ComboBox1->count(), 2);
    EXPECT_EQ(State().CompositionList.size(), 2u);
    EXPECT_EQ(Form().Label4->text(), "2");
    EXPECT_EQ(Form().Label7->text(), "0");
}

TEST_F(MainWindowTest, TargetClearSelectsTheLastItemButLeavesCurrentComponentStale) {
    AddComponent("12", "6", "1");
    AddComponent("16", "8", "2");
    AddComponent("1", "1", "3");
    Type(Form().TargetDensity, "2.26");
    PickComponent(0);

    Click(Form().Button3);

    for (QLineEdit* field : {Form().TargetAAA, Form().TargetZZZ, Form().CompShare}) {
        EXPECT_TRUE(field->text().isEmpty());
    }
    EXPECT_EQ(Form().TargetDensity->text(), "2.26");
    EXPECT_EQ(Form().ComboBox1->currentIndex(), 2);
    EXPECT_EQ(Form().Label4->text(), "3");
    EXPECT_EQ(Form().Label7->text(), "1");
    EXPECT_EQ(State().CompositionList.size(), 3u);
}

TEST_F(MainWindowTest, ClearAllEmptiesTheTargetGroupButNotTheParticle) {
    Type(Form().ParA, "4");
    AddComponent("12", "6", "1");
    AddComponent("1", "1", "3");
    Type(Form().TargetDensity, "2.26");
    const QString status = Status();

    Click(Form().Button5);

    for (QLineEdit* field : {Form().TargetDensity, Form().TargetAAA, Form().TargetZZZ, Form().CompShare}) {
        EXPECT_TRUE(field->text().isEmpty());
    }
    EXPECT_EQ(Form().ComboBox1->count(), 0);
    EXPECT_EQ(Form().Label4->text(), "0");
    EXPECT_EQ(Form().Label7->text(), "0");
    EXPECT_TRUE(State().CompositionList.empty());
    EXPECT_EQ(Form().ParA->text(), "4");
    EXPECT_EQ(Status(), status);
}

TEST_F(MainWindowTest, RunShowsTheNormalisedSharesAndSelectsTheLastComponent) {
    AddComponent("12", "6", "1");
    AddComponent("1", "1", "3");
    PickComponent(0);
    TypeValidRequest();

    Click(Form().Button2);

    EXPECT_EQ(Items(*Form().ComboBox1), (QStringList{"A= 12  Z= 6  W= 0.250000", "A= 1  Z= 1  W= 0.750000"}));
    EXPECT_EQ(Form().ComboBox1->currentIndex(), 1);
    EXPECT_EQ(Form().Label4->text(), "2");
    EXPECT_EQ(Form().Label7->text(), "2");
}

TEST_F(MainWindowTest, CountersWidenForNumbersOfSeveralDigits) {
    for (int i = 0; i < 12; ++i) AddComponent("1", "1", "1");
    EXPECT_EQ(Form().Label4->text(), "12");
    EXPECT_GE(Form().Label4->width(), Form().Label4->sizeHint().width());
    EXPECT_GE(Form().Label7->width(), Form().Label7->sizeHint().width());
}

}  // namespace
}  // namespace ui_test
