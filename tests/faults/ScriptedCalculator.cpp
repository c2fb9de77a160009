#include "ScriptedCalculator.h"

#include <QFile>
#include <fstream>
#include <sstream>

namespace faults {

namespace {

constexpr const char* kScript = R"(#!/bin/sh
here=${0%/*}
output=
while [ $# -gt 0 ]; do
  if [ "$1" = "-o" ] && [ $# -gt 1 ]; then output=$2; shift; fi
  shift
done
printf '%s' "$output" > "$here/output-argument"
. "$here/behaviour"
)";

void WriteFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

ScriptedCalculator::ScriptedCalculator() {
    const QString program = directory_.filePath("kelmo");
    WriteFile(program, kScript);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Behave(behaviour::WritesResult("1 2 3\n"));
}

std::string ScriptedCalculator::ProgramDirectory() const {
    return directory_.path().toStdString();
}

void ScriptedCalculator::Behave(const std::string& script) {
    WriteFile(directory_.filePath("behaviour"), script + "\n");
}

std::string ScriptedCalculator::RecordedOutput() const {
    std::ifstream file(directory_.filePath("output-argument").toStdString(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ScriptedCalculator::ForgetStarts() {
    QFile::remove(directory_.filePath("output-argument"));
}

namespace behaviour {

std::string WritesResult(const std::string& resultText) {
    // A here-document keeps the text as it is, whatever quotes it holds.
    return "cat > \"$output\" <<'END_OF_RESULT'\n" + resultText + "END_OF_RESULT";
}

}  // namespace behaviour

}  // namespace faults
