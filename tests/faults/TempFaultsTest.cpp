// TEMP names where the result file goes. A TEMP that cannot hold it must give a clear status and
// touch nothing; a TEMP with blanks or characters beyond ASCII must simply work.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FrontEnd.h"
#include "ScriptedCalculator.h"

namespace faults {
namespace {

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

    ScriptedCalculator kelmo;
    kelmo.Behave(behaviour::kWritesOrComplains);
    for (const UnusableTemp& c : cases) {
        const std::set<std::string> rootBefore = Listing(base);
        FrontEnd frontEnd(c.temp, kelmo.ProgramDirectory());
        // Twice: a second Run after the failure behaves the same, the program is not stuck.
        for (int run = 0; run < 2; ++run) {
            kelmo.ForgetStarts();
            frontEnd.Run();
            EXPECT_EQ(kelmo.RecordedOutput(), c.temp + "/kelmo.out") << c.what;
            EXPECT_EQ(frontEnd.LastStatus(), "kelmo failed (exit status 4): kelmo: error: cannot write " + c.temp +
                                                 "/kelmo.out; the charts keep the previous result.")
                << c.what;
            EXPECT_EQ(frontEnd.window.range.Revision(), 0u) << c.what << ": the empty charts were touched";
            EXPECT_EQ(frontEnd.window.dedx.Revision(), 0u) << c.what;
        }
        const std::string saved = base + "/saved.dat";
        EXPECT_EQ(frontEnd.Save(saved), "Nothing to save yet: run kelmo first.") << c.what;
        calc::DeleteResultFile(frontEnd.state);  // what closing the window does

        EXPECT_FALSE(Exists(c.mustNotExist)) << c.what;
        EXPECT_EQ(Slurp(plainFile), "the user's own file\n") << c.what;
        EXPECT_EQ(Listing(base), rootBefore) << c.what << ": something was written beside TEMP";
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
    ScriptedCalculator kelmo;
    kelmo.Behave(behaviour::WritesResult("1 2 3\n"));
    for (const std::string& name : names) {
        QTemporaryDir root;
        const std::string temp = root.path().toStdString() + "/" + name;
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(temp))) << name;
        FrontEnd frontEnd(temp, kelmo.ProgramDirectory());
        frontEnd.Run();
        EXPECT_EQ(kelmo.RecordedOutput(), temp + "/kelmo.out") << "the path reaches kelmo as one argument: " << name;
        EXPECT_EQ(frontEnd.LastStatus(), FrontEnd::CommandStatus()) << name;
        EXPECT_EQ(frontEnd.window.range.Count(), 1u) << name;
        EXPECT_EQ(Listing(temp), std::set<std::string>{"kelmo.out"}) << name;

        const std::string saved = root.path().toStdString() + "/\xce\xa9mega saved copy.dat";
        EXPECT_EQ(frontEnd.Save(saved), std::nullopt) << name;
        EXPECT_EQ(Slurp(saved), "1 2 3\n") << name;

        calc::DeleteResultFile(frontEnd.state);
        EXPECT_EQ(Listing(temp), std::set<std::string>{}) << "closing removes the result file: " << name;
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
