// kelmo that cannot be started, that fails, crashes or stays silent, or that writes far more than
// usual. Each run follows a good one: the user's previous result must survive a failure untouched
// (charts, result file, File/Save), the status bar must say what happened, the program must go on
// working, and the TEMP folder must hold nothing but the result file.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "FrontEnd.h"
#include "ScriptedCalculator.h"

namespace faults {
namespace {

constexpr const char* kPreviousResult = "1 2 3\n4 5 6\n";

class CalculatorFaults : public ::testing::Test {
protected:
    // A TEMP folder of its own for each case, so that one case cannot hide what another left behind.
    std::string NewTempDir() {
        const QString path = root_.filePath("temp" + QString::number(++temps_));
        QDir().mkpath(path);
        return path.toStdString();
    }
    std::string SavePath(const std::string& name) const { return root_.filePath(QString::fromStdString(name)).toStdString(); }

    // A good run first: this is the result the user has in front of them when the fault strikes.
    void RunPreviousResult(FrontEnd& frontEnd) {
        kelmo_.Behave(behaviour::WritesResult(kPreviousResult));
        frontEnd.Run();
        ASSERT_EQ(frontEnd.window.range.Count(), 2u);
        ASSERT_EQ(frontEnd.LastStatus(), FrontEnd::CommandStatus());
    }

    // What must hold after a run that failed: everything of the previous run is still there and usable.
    void ExpectPreviousResultKept(FrontEnd& frontEnd, const std::string& tempDir, std::uint64_t rangeRevision,
                                  std::uint64_t dedxRevision, const std::string& what) {
        EXPECT_EQ(frontEnd.window.range.Revision(), rangeRevision) << what << ": the range chart was touched";
        EXPECT_EQ(frontEnd.window.dedx.Revision(), dedxRevision) << what << ": the dE/dx chart was touched";
        EXPECT_EQ(FileText(tempDir + "/kelmo.out"), kPreviousResult) << what << ": the previous result file is lost";
        EXPECT_EQ(Listing(tempDir), std::set<std::string>{"kelmo.out"}) << what;
        EXPECT_FALSE(frontEnd.state.ValidRequest) << what;

        const std::string saved = SavePath("saved after " + what);
        EXPECT_EQ(frontEnd.Save(saved), std::nullopt) << what;
        EXPECT_EQ(FileText(saved), kPreviousResult) << what << ": File/Save no longer gives the previous result";
    }

    // The program goes on working: the next good run draws its own result.
    void ExpectNextRunWorks(FrontEnd& frontEnd, const std::string& what) {
        kelmo_.Behave(behaviour::WritesResult("7 8 9\n"));
        frontEnd.Run();
        EXPECT_EQ(frontEnd.LastStatus(), FrontEnd::CommandStatus()) << what;
        ASSERT_EQ(frontEnd.window.range.Count(), 1u) << what;
        EXPECT_EQ(frontEnd.window.range.Points()[0].x, 7.0) << what;
    }

    QTemporaryDir root_;
    int temps_ = 0;
    ScriptedCalculator kelmo_;
};

struct FailingRun {
    std::string what;
    std::string script;
    std::string status;  // the status text after the run
};

TEST_F(CalculatorFaults, AFailedRunKeepsThePreviousResultAndSaysWhatHappened) {
    const std::string keep = "; the charts keep the previous result.";
    const FailingRun cases[] = {
        {"exits non-zero with a message",
         "echo 'kelmo: error: -d needs a density in g/cm3, got \"x\"' >&2; echo 'usage: ...' >&2; exit 2",
         "kelmo failed (exit status 2): kelmo: error: -d needs a density in g/cm3, got \"x\"" + keep},
        {"exits non-zero without a word", "exit 1", "kelmo failed (exit status 1)" + keep},
        {"exits non-zero after half a result", "printf '9 9' > \"$output\"; echo 'kelmo: error: disk full' >&2; exit 5",
         "kelmo failed (exit status 5): kelmo: error: disk full" + keep},
        {"killed by SIGSEGV after half a line", "printf '9 9' > \"$output\"; kill -SEGV $$", "kelmo crashed" + keep},
        {"killed by SIGKILL", "printf '9 9 9\\n' > \"$output\"; kill -KILL $$", "kelmo crashed" + keep},
        {"aborts with a message", "echo 'kelmo: internal error' >&2; kill -ABRT $$",
         "kelmo crashed: kelmo: internal error" + keep},
        {"exits 0 and writes nothing", ":",
         "kelmo ended without writing its result file; the charts keep the previous result."},
        {"writes 10^6 lines of errors",
         "awk 'BEGIN { for (i = 1; i <= 1000000; i++) print \"kelmo: error: line \" i }' >&2; exit 3",
         "kelmo failed (exit status 3): kelmo: error: line 1" + keep},
    };
    for (const FailingRun& c : cases) {
        const std::string tempDir = NewTempDir();
        FrontEnd frontEnd(tempDir, kelmo_.ProgramDirectory());
        RunPreviousResult(frontEnd);
        const auto rangeRevision = frontEnd.window.range.Revision();
        const auto dedxRevision = frontEnd.window.dedx.Revision();

        kelmo_.Behave(c.script);
        frontEnd.Run();
        EXPECT_EQ(frontEnd.LastStatus(), c.status) << c.what;
        ExpectPreviousResultKept(frontEnd, tempDir, rangeRevision, dedxRevision, c.what);
        ExpectNextRunWorks(frontEnd, c.what);
    }
}

TEST_F(CalculatorFaults, AMegabyteOfErrorOutputOnOneLineGivesAStatusOfOneShortLine) {
    const std::string tempDir = NewTempDir();
    FrontEnd frontEnd(tempDir, kelmo_.ProgramDirectory());
    RunPreviousResult(frontEnd);
    const auto rangeRevision = frontEnd.window.range.Revision();
    const auto dedxRevision = frontEnd.window.dedx.Revision();

    kelmo_.Behave("head -c 1048576 /dev/zero | tr '\\0' 'x' >&2; exit 3");
    frontEnd.Run();
    const std::string status = frontEnd.LastStatus();
    EXPECT_EQ(status.rfind("kelmo failed (exit status 3): xxxxxxxx", 0), 0u) << status.substr(0, 80);
    const std::size_t longest = std::string("kelmo failed (exit status 3): ").size() + 300 +
                                std::string("; the charts keep the previous result.").size();
    EXPECT_LE(status.size(), longest) << "kelmo's line is cut to 300 characters";
    EXPECT_EQ(status.substr(status.size() - 38), "; the charts keep the previous result.");
    EXPECT_EQ(status.find('\n'), std::string::npos);
    ExpectPreviousResultKept(frontEnd, tempDir, rangeRevision, dedxRevision, "a megabyte of error output");
    ExpectNextRunWorks(frontEnd, "a megabyte of error output");
}

// A kelmo that cannot be started at all: the platform's message, and the previous result stays.
struct UnstartableKelmo {
    std::string what;
    std::function<void(const QString& programPath)> make;
};

TEST_F(CalculatorFaults, AKelmoThatCannotBeStartedLeavesEverythingAsItWas) {
    auto writeProgram = [](const QString& path, const std::string& text, QFile::Permissions permissions) {
        WriteText(path.toStdString(), text);
        QFile::setPermissions(path, permissions);
    };
    const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const UnstartableKelmo cases[] = {
        {"missing", [](const QString&) {}},
        {"without execute permission",
         [&](const QString& path) { writeProgram(path, "#!/bin/sh\nexit 0\n", QFile::ReadOwner | QFile::WriteOwner); }},
        {"not a program", [&](const QString& path) { writeProgram(path, "\x7f" "ELF but not really\n", executable); }},
        {"with a missing interpreter",
         [&](const QString& path) { writeProgram(path, "#!/nonexistent/interpreter\n", executable); }},
        {"a directory", [](const QString& path) { QDir().mkpath(path); }},
    };
    QTemporaryDir emptyPath;
    for (const UnstartableKelmo& c : cases) {
        const std::string tempDir = NewTempDir();
        FrontEnd frontEnd(tempDir, kelmo_.ProgramDirectory());
        RunPreviousResult(frontEnd);
        const auto rangeRevision = frontEnd.window.range.Revision();
        const auto dedxRevision = frontEnd.window.dedx.Revision();

        QTemporaryDir programDirectory;
        c.make(programDirectory.filePath("kelmo"));
        {
            // Nothing on PATH either, so the kelmo beside the program is the only one.
            calc_test::EnvironmentGuard path("PATH", emptyPath.path().toStdString());
            frontEnd.RunWith(calc::CalculatorLauncher(programDirectory.path().toStdString()));
        }
        EXPECT_EQ(frontEnd.LastStatus(), "Impossible to run kelmo...") << "kelmo " << c.what;
        ExpectPreviousResultKept(frontEnd, tempDir, rangeRevision, dedxRevision, "kelmo " + c.what);
        ExpectNextRunWorks(frontEnd, "kelmo " + c.what);
    }
}

// Results far larger than kelmo writes: every line is read whole, none is lost or split.
struct LargeResult {
    std::string what;
    std::string script;
    std::size_t points;
    std::string status;
};

TEST_F(CalculatorFaults, LargeResultsAreReadWhole) {
    const LargeResult cases[] = {
        {"10^6 lines",
         "awk 'BEGIN { for (i = 1; i <= 1000000; i++) printf \"%d %d %d\\n\", i, 2 * i, 3 * i }' > \"$output\"",
         1000000, FrontEnd::CommandStatus()},
        {"a 1 MB line that begins with three numbers",
         "awk 'BEGIN { printf \"1 2 3\"; for (i = 0; i < 524288; i++) printf \" x\"; printf \"\\n5 6 7\\n\" }' "
         "> \"$output\"",
         2, FrontEnd::CommandStatus()},
        {"a 1 MB number", "{ head -c 1048576 /dev/zero | tr '\\0' '1'; printf ' 2 3\\n5 6 7\\n'; } > \"$output\"", 1,
         "Skipped 1 line of the result file that did not begin with three numbers."},
        {"a 1 MB line without a line end",
         "{ printf '5 6 7\\n1 2 3'; head -c 1048576 /dev/zero | tr '\\0' ' '; } > \"$output\"", 2,
         FrontEnd::CommandStatus()},
    };
    for (const LargeResult& c : cases) {
        const std::string tempDir = NewTempDir();
        FrontEnd frontEnd(tempDir, kelmo_.ProgramDirectory());
        kelmo_.Behave(c.script);
        frontEnd.Run();
        EXPECT_EQ(frontEnd.LastStatus(), c.status) << c.what;
        ASSERT_EQ(frontEnd.window.range.Count(), c.points) << c.what;
        ASSERT_EQ(frontEnd.window.dedx.Count(), c.points) << c.what;
        const calc::ChartPoint& last = frontEnd.window.dedx.Points().back();
        EXPECT_EQ(last.x, c.points == 1000000 ? 1e6 : 5.0) << c.what;
        EXPECT_EQ(last.y, c.points == 1000000 ? 3e6 : 7.0) << c.what;
        EXPECT_EQ(Listing(tempDir), std::set<std::string>{"kelmo.out"}) << c.what;
    }
}

}  // namespace
}  // namespace faults
