// The real kelmo when its own writing goes wrong: the file system refuses more bytes half way through
// the table, or a signal ends it while it writes. The old result file must stay as it was and no
// temporary file may be left in its folder. kelmo is started through a shell that sets the file size
// limit (which stops root too) and reports kelmo's status as the shell sees it: 128 + the signal
// number when a signal ended it.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FrontEnd.h"

namespace faults {
namespace {

struct KelmoRun {
    int status = -1;
    std::string errorOutput;
};

// Runs `setup`, then kelmo with args, in /bin/sh; `start` is how kelmo is started ("$0" "$@" being kelmo
// and its arguments).
KelmoRun RunKelmo(const std::string& setup, const std::string& start, const std::vector<std::string>& args) {
    const std::string kelmo = std::string(KELMO_PROGRAM_DIR) + "/kelmo";
    QStringList arguments{"-c", QString::fromStdString(setup + "\n" + start + "\necho \"status $?\""),
                          QString::fromStdString(kelmo)};
    for (const std::string& argument : args) arguments << QString::fromStdString(argument);
    QProcess shell;
    shell.start("/bin/sh", arguments);
    EXPECT_TRUE(shell.waitForFinished(120000));
    KelmoRun run;
    const QString report = QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
    if (report.startsWith("status ")) run.status = report.mid(7).toInt();
    run.errorOutput = shell.readAllStandardError().toStdString();
    return run;
}

std::vector<std::string> LargeTableInto(const std::string& path) {
    // About 4 MB of table: far past the size limit below, and long enough to be caught writing.
    return {"-a", "1", "-e", "100", "-z", "1", "-c", "1,1,1", "-d", "1", "-n", "100000", "-o", path};
}

constexpr const char* kSizeLimit = "ulimit -f 64";  // in blocks of 512 or 1024 bytes, far below 4 MB

TEST(KelmoFaults, AWriteErrorHalfWayIsReportedAndTheOldFileStays) {
    QTemporaryDir folder;
    const std::string file = folder.filePath("kelmo.out").toStdString();
    WriteText(file, "the previous result\n");
    // With SIGXFSZ ignored, writing past the limit fails with EFBIG, as a full disk fails with ENOSPC.
    const KelmoRun run = RunKelmo(std::string("trap '' XFSZ; ") + kSizeLimit, "\"$0\" \"$@\"", LargeTableInto(file));
    EXPECT_EQ(run.status, 9);
    EXPECT_EQ(run.errorOutput, "kelmo: error: cannot write '" + file + "': File too large\n");
    EXPECT_EQ(FileText(file), "the previous result\n");
    EXPECT_EQ(Listing(folder.path().toStdString()), std::set<std::string>{"kelmo.out"}) << "a partial file was left";
}

TEST(KelmoFaults, ASignalWhileWritingLeavesNoPartialFile) {
    QTemporaryDir folder;
    const std::string file = folder.filePath("kelmo.out").toStdString();
    WriteText(file, "the previous result\n");
    // SIGXFSZ at its default action ends kelmo exactly in the middle of writing its table.
    const KelmoRun run = RunKelmo(kSizeLimit, "\"$0\" \"$@\"", LargeTableInto(file));
    EXPECT_EQ(run.status, 128 + SIGXFSZ);
    EXPECT_EQ(FileText(file), "the previous result\n");
    EXPECT_EQ(Listing(folder.path().toStdString()), std::set<std::string>{"kelmo.out"}) << "a partial file was left";
}

// A terminal that closes (SIGHUP) or a stop request (SIGTERM) at some moment of a long run: kelmo ends
// by that signal and leaves the old result alone, or, when it was quicker, leaves a complete new one.
TEST(KelmoFaults, HangUpOrTerminateDuringARunLeavesNoPartialFile) {
    for (const int signal : {SIGHUP, SIGTERM}) {
        for (const char* delay : {"0.05", "0.3"}) {
            QTemporaryDir folder;
            const std::string file = folder.filePath("kelmo.out").toStdString();
            WriteText(file, "the previous result\n");
            const std::string start = "\"$0\" \"$@\" & pid=$!; sleep " + std::string(delay) + "; kill -" +
                                      std::to_string(signal) + " $pid; wait $pid";
            const KelmoRun run = RunKelmo("", start, LargeTableInto(file));
            const std::string what = "signal " + std::to_string(signal) + " after " + delay + " s";
            EXPECT_EQ(Listing(folder.path().toStdString()), std::set<std::string>{"kelmo.out"}) << what;
            if (run.status == 0) {
                EXPECT_EQ(FileText(file).size(), 100000u * 39u) << what << ": finished first, so the table is whole";
            } else {
                EXPECT_EQ(run.status, 128 + signal) << what;
                EXPECT_EQ(FileText(file), "the previous result\n") << what;
            }
        }
    }
}

}  // namespace
}  // namespace faults
