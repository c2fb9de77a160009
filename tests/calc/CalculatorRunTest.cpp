#include "calc/CalculatorRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "EnvironmentGuard.h"
#include "FileText.h"
#include "FakeCalculator.h"
#include "calc/CalculatorProcess.h"
#include "calc/ModuleState.h"

namespace {

using calc_test::EnvironmentGuard;
using calc_test::FakeBehaviour;
using calc_test::FakeCalculator;
using calc_test::RecordingWindow;

// One main window, one module state and a fake kelmo, with TEMP pointing into a directory whose
// name holds a blank.
class CalculatorRun : public ::testing::Test {
protected:
    CalculatorRun()
        : tempDir_(root_.filePath("temp dir").toStdString()),
          temp_("TEMP", tempDir_),
          launcher_(fake_.ProgramDirectory()) {
        QDir().mkpath(QString::fromStdString(tempDir_));
        state_.ReadTempDir();
        calc::AddComponent(state_.CompositionList, "12", "6", "1");
        window_.items = {"A= 12  Z= 6  W= 1"};
    }

    void Run(const calc::RequestFields& fields = {"4", "10", "2", "2.26"}) {
        calc::RunCalculation(state_, fields, window_, launcher_);
    }

    QTemporaryDir root_;
    std::string tempDir_;
    EnvironmentGuard temp_;
    FakeCalculator fake_;
    calc::CalculatorLauncher launcher_;
    calc::ModuleState state_;
    RecordingWindow window_;
};

TEST_F(CalculatorRun, StartsKelmoWithTheRequestAndTheResultPathAsOneArgument) {
    fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n0.5 1 4\n");
    Run();
    EXPECT_EQ(fake_.RecordedArguments(),
              (std::vector<std::string>{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26", "-o",
                                        tempDir_ + "/kelmo.out"}));
    EXPECT_EQ(window_.items, std::vector<std::string>{"A= 12  Z= 6  W= 1.000000"});
    EXPECT_EQ(window_.selection, 0);
    EXPECT_EQ(window_.totalComponents, "1");
    EXPECT_EQ(window_.currentComponent, "1");
    // After a completed run the status bar shows the command without its output option.
    EXPECT_EQ(window_.statusTexts, std::vector<std::string>{"kelmo -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26"});
    ASSERT_EQ(window_.range.Count(), 2u);
    EXPECT_EQ(window_.range.Points()[0].x, 0.5);
    EXPECT_EQ(window_.dedx.Points()[1].y, 3.0);
    EXPECT_FALSE(state_.ValidRequest);
}

TEST_F(CalculatorRun, TheUsersTextsAreSplitAtRunsOfBlanks) {
    Run({"4  ", "10", "2", " 2.26"});
    EXPECT_EQ(fake_.RecordedArguments(),
              (std::vector<std::string>{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26", "-o",
                                        tempDir_ + "/kelmo.out"}));
}

TEST_F(CalculatorRun, ASecondRunReplacesThePointsOfTheFirst) {
    fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n2 4 6\n");
    Run();
    fake_.Behave(FakeBehaviour::WriteResult, "7 8 9\n");
    Run();
    ASSERT_EQ(window_.range.Count(), 1u);
    EXPECT_EQ(window_.range.Points()[0].x, 7.0);
    EXPECT_EQ(window_.dedx.Count(), 1u);
}

TEST_F(CalculatorRun, ARefusedRequestStartsNothingButStillNormalisesTheList) {
    Run({"0", "10", "2", "0"});
    EXPECT_FALSE(fake_.WasStarted());
    EXPECT_EQ(window_.items, std::vector<std::string>{"A= 12  Z= 6  W= 1.000000"});
    EXPECT_EQ(window_.selection, -1);
    EXPECT_EQ(window_.statusTexts.back(), "Wrong density of target!");
    EXPECT_FALSE(state_.ValidRequest);
}

// A failed calculator must leave the points and the result file of the previous run as they were,
// and say what happened.
struct FailureCase {
    FakeBehaviour behaviour;
    std::string status;
};

TEST_F(CalculatorRun, AFailedRunKeepsThePreviousResultAndSaysWhy) {
    const FailureCase cases[] = {
        {FakeBehaviour::Fail,
         "kelmo failed (exit status 3): kelmo: error: -d needs a density in g/cm3, got ''; the charts keep the "
         "previous result."},
        {FakeBehaviour::Crash, "kelmo crashed; the charts keep the previous result."},
        {FakeBehaviour::Silent, "kelmo ended without writing its result file; the charts keep the previous result."},
    };
    for (const FailureCase& c : cases) {
        fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n");
        Run();
        const auto rangeRevision = window_.range.Revision();
        const auto dedxRevision = window_.dedx.Revision();

        fake_.Behave(c.behaviour);
        Run();
        EXPECT_EQ(window_.statusTexts.back(), c.status);
        EXPECT_EQ(window_.range.Revision(), rangeRevision) << c.status;
        EXPECT_EQ(window_.dedx.Revision(), dedxRevision) << c.status;
        EXPECT_EQ(calc_test::FileText(tempDir_ + "/kelmo.out"), "1 2 3\n") << "the previous result file is back: " << c.status;
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(tempDir_ + "/kelmo.out.previous")));
        EXPECT_FALSE(state_.ValidRequest);
    }
}

TEST_F(CalculatorRun, AStaleResultIsNeverDrawnAsNew) {
    // A result file left by someone else before our first run: a silent calculator must not draw it.
    std::ofstream(tempDir_ + "/kelmo.out") << "5 5 5\n";
    fake_.Behave(FakeBehaviour::Silent);
    Run();
    EXPECT_TRUE(window_.range.Empty());
    EXPECT_EQ(window_.statusTexts.back(),
              "kelmo ended without writing its result file; the charts keep the previous result.");
}

TEST_F(CalculatorRun, NoCalculatorToStart) {
    fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n");
    Run();
    QTemporaryDir emptyPath;
    EnvironmentGuard path("PATH", emptyPath.path().toStdString());
    const calc::CalculatorLauncher nowhere(emptyPath.path().toStdString());
    calc::RunCalculation(state_, {"4", "10", "2", "2.26"}, window_, nowhere);
    EXPECT_EQ(window_.statusTexts.back(), "Impossible to run kelmo...");
    EXPECT_EQ(window_.range.Count(), 1u) << "the charts keep the points of the previous run";
    EXPECT_FALSE(state_.ValidRequest);
}

TEST_F(CalculatorRun, AnEmptyResultIsReportedNotShownAsSuccess) {
    fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n");
    Run();
    fake_.Behave(FakeBehaviour::WriteResult, "\n\n");
    Run();
    EXPECT_TRUE(window_.range.Empty()) << "the charts show what the new result file holds";
    EXPECT_EQ(window_.statusTexts.back(), "kelmo's result file holds no points.");
}

TEST_F(CalculatorRun, MalformedLinesAreCountedInTheStatusBar) {
    fake_.Behave(FakeBehaviour::WriteResult, "1 2 3\n4 5\n\nbad\n6 7 8\n");
    Run();
    EXPECT_EQ(window_.range.Count(), 2u);
    EXPECT_EQ(window_.statusTexts.back(), "Skipped 2 lines of the result file that did not begin with three numbers.");
}

class CalculatorRunWithoutTemp : public ::testing::TestWithParam<std::optional<std::string>> {};

TEST_P(CalculatorRunWithoutTemp, WritesIntoAPrivateDirectoryThatGoesAwayAtTheEnd) {
    EnvironmentGuard temp("TEMP", GetParam());
    FakeCalculator fake;
    const calc::CalculatorLauncher launcher(fake.ProgramDirectory());
    RecordingWindow window;
    QString privateDirectory;
    {
        calc::ModuleState state;
        state.ReadTempDir();
        EXPECT_EQ(state.TempDir, "");
        state.CompositionArgs.clear();
        calc::RunCalculation(state, {"1", "5", "1", "1"}, window, launcher);
        const std::vector<std::string> arguments = fake.RecordedArguments();
        ASSERT_GE(arguments.size(), 2u);
        const QFileInfo result(QString::fromStdString(arguments.back()));
        EXPECT_EQ(result.fileName(), "kelmo.out");
        EXPECT_NE(result.absolutePath(), "/") << "never the root directory";
        EXPECT_TRUE(result.exists());
        EXPECT_EQ(window.range.Count(), 1u);

        privateDirectory = result.absolutePath();
        struct stat info {};
        ASSERT_EQ(stat(privateDirectory.toLocal8Bit().constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << "only the user may read the result";
    }
    EXPECT_FALSE(QFileInfo::exists(privateDirectory)) << "the private directory is removed at the end";
}

INSTANTIATE_TEST_SUITE_P(UnsetOrEmpty, CalculatorRunWithoutTemp,
                         ::testing::Values(std::optional<std::string>{}, std::optional<std::string>{""}));

TEST(CalculatorArguments, SplitsTheCommandButKeepsTheResultPathWhole) {
    EXPECT_EQ(calc::CalculatorArguments("kelmo  -a 4 -e\t10 -z  - c 1,1,1.000 -d ", "/t m p/kelmo.out"),
              (std::vector<std::string>{"kelmo", "-a", "4", "-e", "10", "-z", "-", "c", "1,1,1.000", "-d", "-o",
                                        "/t m p/kelmo.out"}));
}

TEST(CalculatorLauncher, LooksBesideTheProgramBeforePath) {
    FakeCalculator beside;
    FakeCalculator onPath;
    EnvironmentGuard path("PATH", onPath.ProgramDirectory());
    EXPECT_EQ(calc::CalculatorLauncher(beside.ProgramDirectory()).FindProgram("kelmo"),
              beside.ProgramDirectory() + "/kelmo");
    QTemporaryDir empty;
    EXPECT_EQ(calc::CalculatorLauncher(empty.path().toStdString()).FindProgram("kelmo"),
              onPath.ProgramDirectory() + "/kelmo");
}

}  // namespace

namespace {

TEST(CalculatorLauncher, ByDefaultLooksBesideTheRunningExecutable) {
    QTemporaryDir emptyPath;
    EnvironmentGuard path("PATH", emptyPath.path().toStdString());
    const std::string self = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    EXPECT_EQ(calc::CalculatorLauncher().FindProgram(self), QCoreApplication::applicationFilePath().toStdString());
}

}  // namespace
