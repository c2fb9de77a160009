// The main window as the user first sees it: its texts, its look and the way the Tab key walks it.

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <vector>

#include "MainWindowFixture.h"
#include "ui/chart/ResultChart.h"

namespace ui_test {
namespace {

TEST_F(MainWindowTest, FirstShownWithEmptyFieldsReadyStatusAndFocusInParticleA) {
    ShowAndActivate();
    TForm1& form = Form();

    EXPECT_EQ(form.windowTitle(), "GUI-Kelmo");
    for (QLineEdit* field : {form.ParA, form.ParZ, form.ParE, form.TargetAAA, form.TargetZZZ, form.CompShare,
                             form.TargetDensity}) {
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    }
    EXPECT_EQ(form.ComboBox1->count(), 0);
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form.Label4->text(), "0");
    EXPECT_EQ(form.Label7->text(), "0");
    EXPECT_EQ(Status(), "Ready to start!");
    EXPECT_EQ(form.Graph->currentWidget(), form.Range);
    EXPECT_EQ(form.Graph->tabText(0), "Range [cm]");
    EXPECT_EQ(form.Graph->tabText(1), "dE/dx [MeV/cm]");
    EXPECT_TRUE(form.Chart1->Points().Empty());
    EXPECT_TRUE(form.Chart2->Points().Empty());
    for (QCheckBox* box : {form.CheckBoxLogX1, form.CheckBoxLogY1, form.CheckBoxLogX2, form.CheckBoxLogY2}) {
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_EQ(QApplication::focusWidget(), form.ParA);
    EXPECT_FALSE(AboutBox().isVisible());
    // The preview did not run at start: the calculator command keeps its start value.
    EXPECT_EQ(State().CommandLine, "kelmo");
}

TEST_F(MainWindowTest, FixedClientAreaBelowTheMenuAndControlsAtTheirPlaces) {
    ShowAndActivate();
    TForm1& form = Form();

    // The client area below the menu bar is 792 x 492 and the window cannot be resized.
    EXPECT_EQ(form.size(), QSize(792, 492 + form.MainMenu1->height()));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 474, 792, 18));
    EXPECT_EQ(form.StatusBar1->mapTo(&form, QPoint(0, 0)), QPoint(0, form.MainMenu1->height() + 474));
    EXPECT_FALSE(form.StatusBar1->isSizeGripEnabled());

    // Positions count from the parent: a few controls of each parent.
    struct Placement {
        QWidget* control;
        QWidget* parent;
        QRect geometry;
    };
    for (const Placement& p : std::vector<Placement>{{form.GroupBox1, form.Bevel1->parentWidget(), {592, 8, 193, 89}},
                                                     {form.ParE, form.GroupBox1, {104, 24, 81, 21}},
                                                     {form.Target, form.Bevel1->parentWidget(), {592, 120, 193, 289}},
                                                     {form.ComboBox1, form.Target, {24, 144, 161, 21}},
                                                     {form.TargetDensity, form.Target, {80, 256, 89, 21}},
                                                     {form.Button2, form.Bevel1->parentWidget(), {592, 432, 193, 33}},
                                                     {form.Graph, form.Bevel1->parentWidget(), {0, 8, 585, 465}},
                                                     {form.Chart2, form.EX, {0, 0, 577, 417}},
                                                     {form.CheckBoxLogY1, form.Range, {104, 422, 97, 17}}}) {
        EXPECT_EQ(p.control->parentWidget(), p.parent) << p.control->metaObject()->className();
        EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->metaObject()->className();
    }
    // Both chart pages are tall enough for the LogX and LogY boxes under the chart.
    EXPECT_GE(form.Range->height(), 422 + 17);
    // A substitute face never clips a caption: every label is at least as wide as its text.
    for (QLabel* label : form.findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
}

TEST_F(MainWindowTest, FontsBoldCaptionsRegularControlsAndTheirCharacterHeights) {
    TForm1& form = Form();
    struct Expected {
        QWidget* control;
        int pixelSize;
        bool bold;
    };
    for (const Expected& e : std::vector<Expected>{{form.GroupBox1, 11, true},
                                                   {form.Target, 11, true},
                                                   {form.ParA, 11, false},
                                                   {form.Label5, 11, false},
                                                   {form.Button5, 11, false},
                                                   {form.ComboBox1, 11, false},
                                                   {form.Button2, 16, true},
                                                   {form.Graph->tabBar(), 8, false},
                                                   {form.CheckBoxLogX2, 8, false},
                                                   {form.StatusBar1, 11, false}}) {
        const QFont font = e.control->font();
        EXPECT_EQ(font.pixelSize(), e.pixelSize) << e.control->metaObject()->className();
        EXPECT_EQ(font.bold(), e.bold) << e.control->metaObject()->className();
        // Whatever face stands in must be a real, installed one.
        EXPECT_FALSE(QFontInfo(font).family().isEmpty());
    }
}

TEST_F(MainWindowTest, OnlyAddShowsATooltip) {
    EXPECT_EQ(Form().Add->toolTip(), "Add component");
    for (QWidget* control : Form().findChildren<QWidget*>()) {
        if (control != Form().Add) {
            EXPECT_TRUE(control->toolTip().isEmpty()) << control->metaObject()->className();
        }
    }
}

// Presses Tab from the focused control until the focus is back where it began, collecting the stops.
std::vector<QWidget*> WalkWithTab(QWidget* start, int maxStops = 40) {
    std::vector<QWidget*> stops;
    QWidget* current = start;
    for (int i = 0; i < maxStops; ++i) {
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        if (current == start || current == nullptr) break;
        stops.push_back(current);
    }
    return stops;
}

TEST_F(MainWindowTest, TabWalksFieldsButtonsPageTabsAndTheBoxesOfThePageInFront) {
    ShowAndActivate();
    TForm1& form = Form();
    const std::vector<QWidget*> before{form.ParZ,      form.ParE,    form.Button6,       form.TargetAAA,
                                       form.TargetZZZ, form.CompShare, form.Add,         form.TargetDensity,
                                       form.Button3,   form.Button4, form.Button5,       form.ComboBox1,
                                       form.Button2,   form.Graph->tabBar()};

    std::vector<QWidget*> onRange = before;
    onRange.insert(onRange.end(), {form.CheckBoxLogX1, form.CheckBoxLogY1});
    EXPECT_EQ(WalkWithTab(form.ParA), onRange);

    form.Graph->setCurrentWidget(form.EX);
    form.ParA->setFocus();
    std::vector<QWidget*> onDedx = before;
    onDedx.insert(onDedx.end(), {form.CheckBoxLogX2, form.CheckBoxLogY2});
    EXPECT_EQ(WalkWithTab(form.ParA), onDedx);
}

TEST_F(MainWindowTest, ComponentListIsADropDownTheUserCannotTypeInto) {
    EXPECT_FALSE(Form().ComboBox1->isEditable());
    EXPECT_EQ(Form().ComboBox1->maxVisibleItems(), 5);
}

}  // namespace
}  // namespace ui_test
