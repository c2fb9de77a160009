#include "CalculatorProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace calc {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string ApplicationDirectory() {
    if (QCoreApplication::instance() == nullptr) return {};
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string FirstNonBlankLine(const QByteArray& text) {
    constexpr qsizetype kMaxLength = 300;  // enough for one message; the status bar is one line
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty()) return QString::fromLocal8Bit(trimmed.left(kMaxLength)).toStdString();
    }
    return {};
}

}  // namespace

std::vector<std::string> CalculatorArguments(std::string_view commandLine, std::string_view resultFile) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
        const std::size_t start = i;
        while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
        if (i > start) words.emplace_back(commandLine.substr(start, i - start));
    }
    words.emplace_back("-o");
    words.emplace_back(resultFile);
    return words;
}

CalculatorLauncher::CalculatorLauncher() = default;

CalculatorLauncher::CalculatorLauncher(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

std::string CalculatorLauncher::FindProgram(std::string_view name) const {
    const QString program = QString::fromStdString(std::string(name));
    if (program.isEmpty()) return {};
    if (program.contains('/')) return std::string(name);
    // The executable's directory is asked for at the search, not at construction: only an existing
    // application object knows it, and a launcher may be made before one.
    const std::string directory = programDirectory_ ? *programDirectory_ : ApplicationDirectory();
    if (!directory.empty()) {
        const QFileInfo beside(QDir(QString::fromStdString(directory)).filePath(program));
        if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath().toStdString();
    }
    return QStandardPaths::findExecutable(program).toStdString();
}

CalculatorOutcome CalculatorLauncher::Run(std::string_view commandLine, std::string_view resultFile) const {
    const std::vector<std::string> words = CalculatorArguments(commandLine, resultFile);
    CalculatorOutcome outcome;
    const std::string program = FindProgram(words.front() == "-o" ? std::string_view{} : words.front());
    if (program.empty()) return outcome;

    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments << QString::fromStdString(words[i]);

    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(arguments);
    process.setWorkingDirectory(QDir::currentPath());
    process.setStandardInputFile(QProcess::nullDevice());
    // What the calculator prints goes where our own output goes; its error output is kept so that a
    // failure can be shown with the calculator's own words.
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) return outcome;
    process.waitForFinished(-1);

    outcome.firstErrorLine = FirstNonBlankLine(process.readAllStandardError());
    if (process.exitStatus() == QProcess::CrashExit) {
        outcome.kind = CalculatorOutcome::Kind::Crashed;
    } else {
        outcome.kind = CalculatorOutcome::Kind::Exited;
        outcome.exitCode = process.exitCode();
    }
    return outcome;
}

}  // namespace calc
