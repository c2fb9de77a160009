#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

#include "EnvironmentGuard.h"
#include "FileText.h"
#include "calc/CalculatorRun.h"
#include "calc/ModuleState.h"

namespace {

class SaveResult : public ::testing::Test {
protected:
    SaveResult() : temp_("TEMP", directory_.path().toStdString()) { state_.ReadTempDir(); }

    void WriteResult(const std::string& text) { std::ofstream(state_.ResultFile(), std::ios::binary) << text; }
    std::string Target(const char* name) const { return directory_.filePath(name).toStdString(); }

    QTemporaryDir directory_;
    calc_test::EnvironmentGuard temp_;
    calc::ModuleState state_;
};

TEST_F(SaveResult, CopiesTheResultAndReplacesAnExistingFile) {
    WriteResult("1 2 3\n4 5 6\n");
    std::ofstream(Target("saved.dat")) << "old contents that are longer than the new ones\n";
    EXPECT_EQ(calc::SaveResultCopy(state_, Target("saved.dat")), std::nullopt);
    EXPECT_EQ(calc_test::FileText(Target("saved.dat")), "1 2 3\n4 5 6\n");
    // A name without an extension stays as typed.
    EXPECT_EQ(calc::SaveResultCopy(state_, Target("plain")), std::nullopt);
    EXPECT_EQ(calc_test::FileText(Target("plain")), "1 2 3\n4 5 6\n");
}

TEST_F(SaveResult, BeforeAnyRunSaysThereIsNothingToSave) {
    std::ofstream(Target("saved.dat")) << "keep me\n";
    EXPECT_EQ(calc::SaveResultCopy(state_, Target("saved.dat")), "Nothing to save yet: run kelmo first.");
    EXPECT_EQ(calc_test::FileText(Target("saved.dat")), "keep me\n");
}

TEST_F(SaveResult, AFailedSaveSaysSoAndLeavesTheOldFileWhole) {
    if (geteuid() == 0) {
        // root writes into read-only directories; a full device refuses everyone.
        WriteResult("1 2 3\n");
        const auto message = calc::SaveResultCopy(state_, "/dev/full/saved.dat");
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->rfind("Could not save /dev/full/saved.dat: ", 0), 0u) << *message;
        return;
    }
    WriteResult("1 2 3\n");
    const QString locked = directory_.filePath("locked");
    QDir().mkpath(locked);
    const std::string target = (locked + "/saved.dat").toStdString();
    std::ofstream(target) << "keep me\n";
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const auto message = calc::SaveResultCopy(state_, target);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->rfind("Could not save " + target + ": ", 0), 0u) << *message;
    EXPECT_EQ(calc_test::FileText(target), "keep me\n");
}

TEST_F(SaveResult, DeleteRemovesTheResultFile) {
    WriteResult("1 2 3\n");
    calc::DeleteResultFile(state_);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(state_.ResultFile())));
    EXPECT_EQ(calc::SaveResultCopy(state_, Target("saved.dat")), "Nothing to save yet: run kelmo first.");
    calc::DeleteResultFile(state_);  // a second delete of a missing file is harmless
}

}  // namespace
