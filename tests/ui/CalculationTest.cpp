// The road of one calculation through the window: typing, Run, the points in both charts; the LogX/LogY
// boxes on their own axes; File/Save through its dialog.

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QTabBar>
#include <QTabWidget>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

#include "MainWindowFixture.h"
#include "ui/chart/LogAxisSwitch.h"
#include "ui/chart/ResultChart.h"

namespace ui_test {
namespace {

// A point as X, Y and the name of its colour, in the order the chart keeps them.
using Point = std::tuple<double, double, std::string>;

std::vector<Point> PointsOf(const chart::ResultChart& chart) {
    std::vector<Point> points;
    for (const calc::ChartPoint& p : chart.Points().Points()) {
        const std::string colour = p.colour == calc::kRed ? "red" : p.colour == calc::kBlue ? "blue" : "other";
        points.emplace_back(p.x, p.y, colour);
    }
    return points;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST_F(MainWindowTest, OneCalculationFromTypingToThePointsInBothCharts) {
    ShowAndActivate();
    Fake().Behave(calc_test::FakeBehaviour::WriteResult, "1 2 3\n0.5 1 4\n");
    TypeValidRequest();
    AddComponent("12", "6", "1");

    Click(Form().Button2);

    const std::vector<std::string> expectedArguments{"-a", "4",  "-e",           "10", "-z",
                                                     "2",  "-c", "12,6,1.000000", "-d", "2.26",
                                                     "-o", ResultFilePath()};
    EXPECT_EQ(Fake().RecordedArguments(), expectedArguments);
    // After the run the status bar shows the command without its output option.
    EXPECT_EQ(Status(), "kelmo -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26");
    // Range in red, dE/dx in blue, both in ascending order of X.
    EXPECT_EQ(PointsOf(*Form().Chart1), (std::vector<Point>{{0.5, 1.0, "red"}, {1.0, 2.0, "red"}}));
    EXPECT_EQ(PointsOf(*Form().Chart2), (std::vector<Point>{{0.5, 4.0, "blue"}, {1.0, 3.0, "blue"}}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(ResultFilePath())));

    // A second run replaces the points of the first.
    Fake().Behave(calc_test::FakeBehaviour::WriteResult, "5 6 7\n");
    Click(Form().Button2);
    EXPECT_EQ(PointsOf(*Form().Chart1), (std::vector<Point>{{5.0, 6.0, "red"}}));
    EXPECT_EQ(PointsOf(*Form().Chart2), (std::vector<Point>{{5.0, 7.0, "blue"}}));
}

TEST_F(MainWindowTest, RefusedRequestStartsNoCalculator) {
    Type(Form().ParA, "4");
    Type(Form().ParE, "10");
    Click(Form().Button2);
    EXPECT_EQ(Status(), "Wrong density of target!");
    EXPECT_FALSE(Fake().WasStarted());
}

TEST_F(MainWindowTest, FailingCalculatorIsReportedAndTheChartsKeepTheirPoints) {
    TypeValidRequest();
    Click(Form().Button2);
    ASSERT_EQ(Form().Chart1->Points().Count(), 1u);

    Fake().Behave(calc_test::FakeBehaviour::Fail);
    Click(Form().Button2);

    EXPECT_TRUE(Status().startsWith("kelmo failed (exit status 3)")) << Status().toStdString();
    EXPECT_EQ(Form().Chart1->Points().Count(), 1u);
}

// One LogX/LogY box with the chart page it sits on and the axis it switches.
struct LogBox {
    const char* name;
    QCheckBox* TForm1::*box;
    chart::ResultChart* TForm1::*chart;
    bool bottom;
    QWidget* TForm1::*page;
};

const std::vector<LogBox> kLogBoxes{
    {"LogX1", &TForm1::CheckBoxLogX1, &TForm1::Chart1, true, &TForm1::Range},
    {"LogY1", &TForm1::CheckBoxLogY1, &TForm1::Chart1, false, &TForm1::Range},
    {"LogX2", &TForm1::CheckBoxLogX2, &TForm1::Chart2, true, &TForm1::EX},
    {"LogY2", &TForm1::CheckBoxLogY2, &TForm1::Chart2, false, &TForm1::EX},
};

chart::ChartAxis& AxisOf(TForm1& form, const LogBox& entry) {
    chart::ResultChart* chart = form.*entry.chart;
    return entry.bottom ? chart->BottomAxis() : chart->LeftAxis();
}

// The user brings the page of a box to the front by clicking its tab.
void BringToFront(TForm1& form, QWidget* page) {
    QTabBar* tabs = form.Graph->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(form.Graph->indexOf(page)).center());
    ASSERT_EQ(form.Graph->currentWidget(), page);
}

TEST_F(MainWindowTest, EveryLogBoxIsRefusedBeforeAnyCalculation) {
    ShowAndActivate();
    for (const LogBox& entry : kLogBoxes) {
        BringToFront(Form(), Form().*entry.page);
        Form().StatusBar1->showMessage("before");
        Click(Form().*entry.box);
        EXPECT_FALSE((Form().*entry.box)->isChecked()) << entry.name;
        EXPECT_FALSE(AxisOf(Form(), entry).Logarithmic()) << entry.name;
        EXPECT_EQ(Status(), QString::fromLatin1(chart::kLogAxisRefused)) << entry.name;
    }
}

TEST_F(MainWindowTest, EveryLogBoxSwitchesItsOwnAxisOnly) {
    ShowAndActivate();
    Fake().Behave(calc_test::FakeBehaviour::WriteResult, "1 2 3\n10 20 30\n");
    TypeValidRequest();
    Click(Form().Button2);

    for (const LogBox& entry : kLogBoxes) {
        BringToFront(Form(), Form().*entry.page);
        // The box judges the axis by its last drawing, which comes once the page is shown.
        ASSERT_TRUE(QTest::qWaitFor([&] { return AxisOf(Form(), entry).Minimum() > 0.0; }, 5000)) << entry.name;
        const QString status = Status();

        Click(Form().*entry.box);
        EXPECT_TRUE((Form().*entry.box)->isChecked()) << entry.name;
        for (const LogBox& other : kLogBoxes) {
            EXPECT_EQ(AxisOf(Form(), other).Logarithmic(), &other == &entry) << entry.name << " / " << other.name;
        }

        Click(Form().*entry.box);
        EXPECT_FALSE(AxisOf(Form(), entry).Logarithmic()) << entry.name;
        EXPECT_EQ(Status(), status) << entry.name;
    }
}

// Answers the save dialog with a file name, or cancels it when the name is empty; checks its settings.
void AnswerSaveDialog(const QString& fileName) {
    AnswerNextModal([fileName](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        // Qt's dialog shows the first filter with its two blanks after the dash folded into one.
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"data files - *.dat;*.txt (*.dat *.txt)", "All files (*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), dialog->nameFilters().front());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        if (fileName.isEmpty()) {
            dialog->reject();
        } else {
            // Typed into the name field and confirmed with Enter, as a user does.
            auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(nameField, nullptr);
            nameField->setText(fileName);
            QTest::keyClick(nameField, Qt::Key_Return);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog did not take " << fileName.toStdString();
                dialog->reject();
            }
        }
    });
}

TEST_F(MainWindowTest, SaveReplacesAnExistingFileWithTheResultWithoutAsking) {
    ShowAndActivate();
    Fake().Behave(calc_test::FakeBehaviour::WriteResult, "1 2 3\n");
    TypeValidRequest();
    Click(Form().Button2);
    QTemporaryDir target;
    const QString copy = target.filePath("copy.dat");
    std::ofstream(copy.toStdString()) << "an older file\n";

    AnswerSaveDialog(copy);
    PickMenu(Form().File, Form().Save);

    EXPECT_EQ(ReadWhole(copy.toStdString()), "1 2 3\n");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, SaveBeforeAnyRunSaysThereIsNothingToSave) {
    ShowAndActivate();
    QTemporaryDir target;
    const QString copy = target.filePath("copy.txt");

    AnswerSaveDialog(copy);
    PickMenu(Form().File, Form().Save);

    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(Status(), "Nothing to save yet: run kelmo first.");
}

TEST_F(MainWindowTest, SaveCancelledWritesNothing) {
    ShowAndActivate();
    TypeValidRequest();
    Click(Form().Button2);
    const QString status = Status();

    AnswerSaveDialog(QString());
    PickMenu(Form().File, Form().Save);

    EXPECT_EQ(Status(), status);
}

}  // namespace
}  // namespace ui_test
