#include "FakeCalculator.h"

#include <QDir>
#include <QFile>
#include <fstream>
#include <sstream>

namespace calc_test {

namespace {

// The script reads its instructions from files beside itself, so every start behaves as last told.
constexpr const char* kScript = R"(#!/bin/sh
here=$(dirname "$0")
: > "$here/arguments"
for argument in "$@"; do printf '%s\n' "$argument" >> "$here/arguments"; done
output=
while [ $# -gt 0 ]; do
  if [ "$1" = "-o" ] && [ $# -gt 1 ]; then output=$2; shift; fi
  shift
done
case $(cat "$here/behaviour") in
  write) cat "$here/result" > "$output" ;;
  fail) echo "kelmo: error: -d needs a density in g/cm3, got ''" >&2; echo "second line" >&2; exit 3 ;;
  crash) printf '1 2' > "$output"; kill -SEGV $$ ;;
  silent) ;;
esac
exit 0
)";

void WriteFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

FakeCalculator::FakeCalculator() {
    const QString program = directory_.filePath("kelmo");
    WriteFile(program, kScript);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Behave(FakeBehaviour::WriteResult, "1 2 3\n");
}

std::string FakeCalculator::ProgramDirectory() const {
    return directory_.path().toStdString();
}

void FakeCalculator::Behave(FakeBehaviour behaviour, const std::string& resultText) {
    const char* word = behaviour == FakeBehaviour::WriteResult ? "write"
                       : behaviour == FakeBehaviour::Fail      ? "fail"
                       : behaviour == FakeBehaviour::Crash     ? "crash"
                                                               : "silent";
    WriteFile(directory_.filePath("behaviour"), word);
    WriteFile(directory_.filePath("result"), resultText);
}

std::vector<std::string> FakeCalculator::RecordedArguments() const {
    std::vector<std::string> arguments;
    std::ifstream file(directory_.filePath("arguments").toStdString());
    for (std::string line; std::getline(file, line);) arguments.push_back(line);
    return arguments;
}

bool FakeCalculator::WasStarted() const {
    return QFile::exists(directory_.filePath("arguments"));
}

void FakeCalculator::ForgetStarts() {
    QFile::remove(directory_.filePath("arguments"));
}

void RecordingWindow::ReplaceComponentItems(const std::vector<std::string>& itemTexts) {
    items = itemTexts;
    selection = -1;
}

}  // namespace calc_test
