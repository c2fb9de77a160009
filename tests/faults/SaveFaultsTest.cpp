// File/Save when it cannot be done: nothing to save, a folder that takes no file, a copy that breaks
// off half way, a result file that someone else removed. The file at the chosen path is replaced only
// by a complete copy, the result file itself is never harmed, and the status bar says what went wrong.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "FrontEnd.h"
#include "ScriptedCalculator.h"

namespace faults {
namespace {

std::string ManyLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + " " + std::to_string(2 * i) + " 3.5\n";
    return text;
}

bool StartsWith(const std::optional<std::string>& message, const std::string& start) {
    return message.has_value() && message->rfind(start, 0) == 0;
}

class SaveFaults : public ::testing::Test {
protected:
    SaveFaults()
        : base_(root_.path().toStdString()),
          temp_(base_ + "/temp"),
          saveDir_(base_ + "/save") {
        QDir().mkpath(QString::fromStdString(temp_));
        QDir().mkpath(QString::fromStdString(saveDir_));
    }

    // A front end with a good result drawn.
    std::unique_ptr<FrontEnd> AfterARun(const std::string& result) {
        auto frontEnd = std::make_unique<FrontEnd>(temp_, kelmo_.ProgramDirectory());
        kelmo_.Behave(behaviour::WritesResult(result));
        frontEnd->Run();
        EXPECT_EQ(frontEnd->LastStatus(), FrontEnd::CommandStatus());
        return frontEnd;
    }

    QTemporaryDir root_;
    std::string base_;
    std::string temp_;
    std::string saveDir_;
    ScriptedCalculator kelmo_;
};

struct UnwritableTarget {
    std::string what;
    std::string destination;
    std::string listedFolder;  // its listing must not change; empty when it cannot be listed
};

TEST_F(SaveFaults, AFolderThatTakesNoFileGivesAMessageAndHarmsNothing) {
    const std::string plainFile = saveDir_ + "/plain file";
    WriteText(plainFile, "the user's own file\n");
    const std::string locked = saveDir_ + "/locked";
    QDir().mkpath(QString::fromStdString(locked));
    WriteText(locked + "/saved.dat", "an earlier copy\n");
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::ExeOwner);
    const std::string procVersion = FileText("/proc/version");

    std::vector<UnwritableTarget> cases = {
        {"a folder that does not exist", saveDir_ + "/missing/saved.dat", saveDir_},
        {"a folder under a regular file", plainFile + "/saved.dat", saveDir_},
        // No one, root included, may create a file in /proc; /proc/version stands for an existing file there.
        {"/proc", "/proc/saved.dat", ""},
        {"an existing file in /proc", "/proc/version", ""},
    };
    // Permission bits do not stop root; for root, /proc above stands in for a read-only folder.
    if (geteuid() != 0) cases.push_back({"a folder without write permission", locked + "/saved.dat", locked});

    auto frontEnd = AfterARun("1 2 3\n");
    const auto rangeRevision = frontEnd->window.range.Revision();
    for (const UnwritableTarget& c : cases) {
        const std::set<std::string> before = c.listedFolder.empty() ? std::set<std::string>{} : Listing(c.listedFolder);
        const std::optional<std::string> message = frontEnd->Save(c.destination);
        EXPECT_TRUE(StartsWith(message, "Could not save " + c.destination + ": ")) << c.what << ": "
                                                                                  << message.value_or("(saved)");
        if (!c.listedFolder.empty()) {
            EXPECT_EQ(Listing(c.listedFolder), before) << c.what;
        }
        EXPECT_EQ(FileText(plainFile), "the user's own file\n") << c.what;
        EXPECT_EQ(FileText(locked + "/saved.dat"), "an earlier copy\n") << c.what;
        EXPECT_EQ(FileText("/proc/version"), procVersion) << c.what;
        EXPECT_EQ(FileText(temp_ + "/kelmo.out"), "1 2 3\n") << c.what << ": the result file was harmed";
        EXPECT_EQ(Listing(temp_), std::set<std::string>{"kelmo.out"}) << c.what;
        EXPECT_EQ(frontEnd->window.range.Revision(), rangeRevision) << c.what;
    }
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A good target still takes the copy afterwards.
    EXPECT_EQ(frontEnd->Save(saveDir_ + "/saved.dat"), std::nullopt);
    EXPECT_EQ(FileText(saveDir_ + "/saved.dat"), "1 2 3\n");
}

// Files this process writes may not grow beyond a limit; writing past it fails with EFBIG (even for
// root), which makes a copy break off half way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        const rlimit limited{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(SaveFaults, ACopyThatBreaksOffLeavesTheExistingFileWhole) {
    const std::string result = ManyLines(20000);  // about 300 KB
    auto frontEnd = AfterARun(result);
    const std::string target = saveDir_ + "/saved.dat";
    WriteText(target, "the copy saved yesterday\n");

    std::optional<std::string> message;
    {
        const FileSizeLimit limit(64 * 1024);
        message = frontEnd->Save(target);
    }
    EXPECT_TRUE(StartsWith(message, "Could not save " + target + ": ")) << message.value_or("(saved)");
    EXPECT_EQ(FileText(target), "the copy saved yesterday\n") << "a broken copy replaced the file";
    EXPECT_EQ(Listing(saveDir_), std::set<std::string>{"saved.dat"}) << "the broken copy was left behind";
    EXPECT_EQ(FileText(temp_ + "/kelmo.out"), result);

    // Once the copy can be made it replaces the file, whole.
    EXPECT_EQ(frontEnd->Save(target), std::nullopt);
    EXPECT_EQ(FileText(target), result);
    EXPECT_EQ(Listing(saveDir_), std::set<std::string>{"saved.dat"});
}

TEST_F(SaveFaults, SavingOntoTheResultFileItselfKeepsIt) {
    auto frontEnd = AfterARun("1 2 3\n4 5 6\n");
    EXPECT_EQ(frontEnd->Save(temp_ + "/kelmo.out"), std::nullopt);
    EXPECT_EQ(FileText(temp_ + "/kelmo.out"), "1 2 3\n4 5 6\n");
    EXPECT_EQ(Listing(temp_), std::set<std::string>{"kelmo.out"});
}

TEST_F(SaveFaults, WithoutAResultNothingIsSavedAndTheTargetIsLeftAlone) {
    const std::string target = saveDir_ + "/saved.dat";
    WriteText(target, "the copy saved yesterday\n");
    FrontEnd frontEnd(temp_, kelmo_.ProgramDirectory());

    // Before any run.
    EXPECT_EQ(frontEnd.Save(target), "Nothing to save yet: run kelmo first.");
    EXPECT_EQ(frontEnd.Save(saveDir_ + "/new.dat"), "Nothing to save yet: run kelmo first.");
    // After a first run whose kelmo crashed half way through its result: that half is no result.
    kelmo_.Behave("printf '1 2' > \"$output\"; kill -SEGV $$");
    frontEnd.Run();
    ASSERT_EQ(frontEnd.LastStatus(), "kelmo crashed; the charts keep the previous result.");
    EXPECT_EQ(frontEnd.Save(target), "Nothing to save yet: run kelmo first.");

    EXPECT_EQ(FileText(target), "the copy saved yesterday\n");
    EXPECT_EQ(Listing(saveDir_), std::set<std::string>{"saved.dat"});
    EXPECT_EQ(Listing(temp_), std::set<std::string>{});
}

TEST_F(SaveFaults, AResultFileRemovedBySomeoneElseBeforeSave) {
    auto frontEnd = AfterARun("1 2 3\n4 5 6\n");
    const std::string target = saveDir_ + "/saved.dat";
    WriteText(target, "the copy saved yesterday\n");

    ASSERT_TRUE(QFile::remove(QString::fromStdString(temp_ + "/kelmo.out")));
    EXPECT_EQ(frontEnd->Save(target), "Nothing to save yet: run kelmo first.");
    EXPECT_EQ(FileText(target), "the copy saved yesterday\n");
    EXPECT_EQ(frontEnd->window.range.Count(), 2u) << "the charts keep what they show";

    // Replaced by a folder of the same name: it cannot be read, and it is not copied.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(temp_ + "/kelmo.out")));
    const std::optional<std::string> message = frontEnd->Save(target);
    EXPECT_TRUE(StartsWith(message, "The result file could not be read")) << message.value_or("(saved)");
    EXPECT_EQ(FileText(target), "the copy saved yesterday\n");
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(temp_ + "/kelmo.out")));

    // The next run and save work as usual.
    kelmo_.Behave(behaviour::WritesResult("7 8 9\n"));
    frontEnd->Run();
    EXPECT_EQ(frontEnd->LastStatus(), FrontEnd::CommandStatus());
    EXPECT_EQ(frontEnd->Save(target), std::nullopt);
    EXPECT_EQ(FileText(target), "7 8 9\n");
    EXPECT_EQ(Listing(saveDir_), std::set<std::string>{"saved.dat"});
    EXPECT_EQ(Listing(temp_), std::set<std::string>{"kelmo.out"});
}

}  // namespace
}  // namespace faults
