// TEMP names where the result file goes. A TEMP that cannot hold it must give a clear status and
// touch nothing; a TEMP with blanks or characters beyond ASCII must simply work. Each case runs with
// the scripted kelmo and with the real one.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FrontEnd.h"
#include "ScriptedCalculator.h"

namespace faults {
namespace {

struct Calculator {
    std::string name;
    std::string programDirectory;
    bool scripted;
};

// The status after kelmo could not write the result file: the scripted kelmo's own words, or the real
// kelmo's "cannot write '<path>': <reason>" with its exit status.
void ExpectCannotWriteStatus(const std::string& status, const Calculator& kelmo, const std::string& resultFile) {
    const std::string keep = "; the charts keep the previous result.";
    if (kelmo.scripted) {
        EXPECT_EQ(status, "kelmo failed (exit status 4): kelmo: error: cannot write " + resultFile + keep);
        return;
    }
    const std::string start = "kelmo failed (exit status 9): kelmo: error: cannot write '" + resultFile + "': ";
    EXPECT_EQ(status.rfind(start, 0), 0u) << status;
    EXPECT_GT(status.size(), start.size() + keep.size()) << "the reason is missing: " << status;
    EXPECT_EQ(status.substr(status.size() - std::min(status.size(), keep.size())), keep) << status;
}

struct UnusableTemp {
    std::string what;
    std::string temp;
    std::string mustNotExist;  // a path the run must not create
};

TEST(TempFaults, ATempThatCannotHoldTheResultGivesAClearStatusAndTouchesNothing) {
    QTemporaryDir root;
    const std::string base = root.path().toStdString();
    const std::string plainFile = base + "/plain file";
    WriteText(plainFile, "the user's own file\n");
    const std::string locked = base + "/locked";
    QDir().mkpath(QString::fromStdString(locked));
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::ExeOwner);

    std::vector<UnusableTemp> cases = {
        {"a folder that does not exist", base + "/missing/deeper", base + "/missing"},
        {"a regular file", plainFile, plainFile + "/kelmo.out"},
        {"a folder under a regular file", plainFile + "/sub", plainFile + "/sub"},
        // The kernel lets no one, root included, create a file in /proc.
        {"/proc", "/proc", "/proc/kelmo.out"},
    };
    // Permission bits do not stop root; for root, /proc above stands in for an unwritable folder.
    if (geteuid() != 0) cases.push_back({"a folder without write permission", locked, locked + "/kelmo.out"});

    ScriptedCalculator scripted;
    scripted.Behave(behaviour::kWritesOrComplains);
    const Calculator calculators[] = {{"scripted kelmo", scripted.ProgramDirectory(), true},
                                      {"real kelmo", KELMO_PROGRAM_DIR, false}};
    for (const Calculator& kelmo : calculators) {
        for (const UnusableTemp& c : cases) {
            const std::string what = kelmo.name + ", TEMP " + c.what;
            const std::set<std::string> rootBefore = Listing(base);
            FrontEnd frontEnd(c.temp, kelmo.programDirectory);
            // Twice: a second Run after the failure behaves the same, the program is not stuck.
            for (int run = 0; run < 2; ++run) {
                scripted.ForgetStarts();
                frontEnd.Run();
                if (kelmo.scripted) {
                    EXPECT_EQ(scripted.RecordedOutput(), c.temp + "/kelmo.out") << what;
                }
                ExpectCannotWriteStatus(frontEnd.LastStatus(), kelmo, c.temp + "/kelmo.out");
                EXPECT_EQ(frontEnd.window.range.Revision(), 0u) << what << ": the empty charts were touched";
                EXPECT_EQ(frontEnd.window.dedx.Revision(), 0u) << what;
            }
            const std::string saved = base + "/saved.dat";
            EXPECT_EQ(frontEnd.Save(saved), "Nothing to save yet: run kelmo first.") << what;
            calc::DeleteResultFile(frontEnd.state);  // what closing the window does

            EXPECT_FALSE(Exists(c.mustNotExist)) << what;
            EXPECT_EQ(FileText(plainFile), "the user's own file\n") << what;
            EXPECT_EQ(Listing(base), rootBefore) << what << ": something was written beside TEMP";
        }
    }
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(TempFaults, ATempWithBlanksAndCharactersBeyondAsciiWorks) {
    const std::string names[] = {
        " leading and  double blanks /and trailing ",
        "M\xc3\xbcller \xce\xa9mega \xe6\xb8\xa9\xe5\xba\xa6",  // Müller Ωmega 温度 in UTF-8
        "tab\there",
        "-o kelmo.out -d 1",  // looks like options
    };
    ScriptedCalculator scripted;
    scripted.Behave(behaviour::WritesResult("1 2 3\n"));
    const Calculator calculators[] = {{"scripted kelmo", scripted.ProgramDirectory(), true},
                                      {"real kelmo", KELMO_PROGRAM_DIR, false}};
    for (const Calculator& kelmo : calculators) {
        for (const std::string& name : names) {
            const std::string what = kelmo.name + ", TEMP " + name;
            QTemporaryDir root;
            const std::string temp = root.path().toStdString() + "/" + name;
            ASSERT_TRUE(QDir().mkpath(QString::fromStdString(temp))) << what;
            FrontEnd frontEnd(temp, kelmo.programDirectory);
            frontEnd.Run();
            if (kelmo.scripted) {
                EXPECT_EQ(scripted.RecordedOutput(), temp + "/kelmo.out") << "the path reaches kelmo whole: " << what;
            }
            EXPECT_EQ(frontEnd.LastStatus(), FrontEnd::CommandStatus()) << what;
            EXPECT_EQ(frontEnd.window.range.Count(), kelmo.scripted ? 1u : 200u) << what;
            EXPECT_EQ(Listing(temp), std::set<std::string>{"kelmo.out"}) << what;

            const std::string saved = root.path().toStdString() + "/\xce\xa9mega saved copy.dat";
            EXPECT_EQ(frontEnd.Save(saved), std::nullopt) << what;
            EXPECT_EQ(FileText(saved), FileText(temp + "/kelmo.out")) << what;

            calc::DeleteResultFile(frontEnd.state);
            EXPECT_EQ(Listing(temp), std::set<std::string>{}) << "closing removes the result file: " << what;
        }
    }
}

// Qt passes arguments in UTF-8: a name in another encoding would reach kelmo as a different path.
TEST(TempFaults, ATempThatIsNotUtf8IsRefusedBeforeKelmoStarts) {
    QTemporaryDir root;
    const std::string temp = root.path().toStdString() + "/M\xfcller";  // Müller in Latin-1
    ASSERT_EQ(mkdir(temp.c_str(), 0700), 0);
    ScriptedCalculator kelmo;
    FrontEnd frontEnd(temp, kelmo.ProgramDirectory());
    frontEnd.Run();
    EXPECT_EQ(kelmo.RecordedOutput(), "") << "kelmo must not be started with a mangled path";
    EXPECT_EQ(frontEnd.LastStatus(),
              "The folder in TEMP has a name that is not valid UTF-8 and cannot be passed to kelmo; set TEMP to "
              "another folder.");
    EXPECT_EQ(frontEnd.window.range.Revision(), 0u);
    EXPECT_EQ(Listing(temp), std::set<std::string>{});
    EXPECT_EQ(Listing(root.path().toStdString()), std::set<std::string>{"M\xfcller"});
    EXPECT_FALSE(frontEnd.state.ValidRequest);
}

}  // namespace
}  // namespace faults
