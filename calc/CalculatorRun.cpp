#include "CalculatorRun.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <filesystem>
#include <system_error>

#include "CalculatorProcess.h"
#include "Composition.h"
#include "ModuleState.h"
#include "Numbers.h"
#include "ResultFileReader.h"

namespace calc {

namespace {

namespace fs = std::filesystem;

// While the calculator runs, the previous result waits beside the result file, so that a run that fails
// leaves the previous result in place (still drawn, still saved) and never shows a stale file as new.
fs::path PreviousResultPath(const std::string& resultFile) {
    return fs::path(resultFile + ".previous");
}

void SetPreviousResultAside(const std::string& resultFile) {
    std::error_code error;
    if (fs::exists(resultFile, error)) fs::rename(resultFile, PreviousResultPath(resultFile), error);
}

void RestorePreviousResult(const std::string& resultFile) {
    std::error_code error;
    fs::remove(resultFile, error);  // whatever a failed calculator left behind
    if (fs::exists(PreviousResultPath(resultFile), error)) {
        fs::rename(PreviousResultPath(resultFile), resultFile, error);
    }
}

void DropPreviousResult(const std::string& resultFile) {
    std::error_code error;
    fs::remove(PreviousResultPath(resultFile), error);
}

std::string FailureMessage(const CalculatorOutcome& outcome) {
    std::string message;
    if (outcome.kind == CalculatorOutcome::Kind::Crashed) {
        message = "kelmo crashed";
    } else {
        message = "kelmo failed (exit status " + FormatDecimal(outcome.exitCode) + ")";
    }
    if (!outcome.firstErrorLine.empty()) message += ": " + outcome.firstErrorLine;
    return message + "; the charts keep the previous result.";
}

std::string SkippedLinesMessage(std::size_t linesSkipped) {
    return "Skipped " + FormatDecimal(static_cast<std::int64_t>(linesSkipped)) +
           (linesSkipped == 1 ? " line" : " lines") + " of the result file that did not begin with three numbers.";
}

void ApplyCheckToWindow(const CheckApplication& application, RunWindow& window) {
    if (application.selection) window.SelectComponent(*application.selection);
    if (application.totalComponents) window.SetTotalComponents(*application.totalComponents);
    if (application.currentComponent) window.SetCurrentComponent(*application.currentComponent);
    for (const std::string& text : application.statusTexts) window.SetStatusText(text);
}

// Starts the calculator for a checked request and draws what it wrote.
void RunCheckedRequest(ModuleState& state, RunWindow& window, const CalculatorLauncher& launcher) {
    const std::string resultFile = state.ResultFile();
    if (resultFile.empty()) {
        window.SetStatusText("No folder for the result file could be made; set TEMP to a writable folder.");
        return;
    }

    // Qt hands arguments to the calculator in UTF-8. A TEMP whose name is not valid UTF-8 would reach
    // kelmo as another path, so kelmo would write where nobody looks; refuse it before anything starts.
    if (QString::fromStdString(resultFile).toStdString() != resultFile) {
        window.SetStatusText("The folder in TEMP has a name that is not valid UTF-8 and cannot be passed to kelmo; "
                             "set TEMP to another folder.");
        return;
    }

    SetPreviousResultAside(resultFile);
    const CalculatorOutcome outcome = launcher.Run(state.CommandLine, resultFile);
    if (outcome.kind == CalculatorOutcome::Kind::NotStarted) {
        RestorePreviousResult(resultFile);
        window.SetStatusText(std::string(kCannotRunKelmo));
        return;
    }
    if (!outcome.Succeeded()) {
        RestorePreviousResult(resultFile);
        window.SetStatusText(FailureMessage(outcome));
        return;
    }
    std::error_code error;
    if (!fs::is_regular_file(resultFile, error)) {
        RestorePreviousResult(resultFile);
        window.SetStatusText("kelmo ended without writing its result file; the charts keep the previous result.");
        return;
    }
    DropPreviousResult(resultFile);

    window.RangeSeries().Clear();
    window.DedxSeries().Clear();
    const ResultReadOutcome read = ReadResultFile(resultFile, window.RangeSeries(), window.DedxSeries(),
                                                  state.ResultRow);
    if (!read.opened) {
        window.SetStatusText("The result file " + resultFile + " could not be read.");
    } else if (read.linesSkipped > 0) {
        window.SetStatusText(SkippedLinesMessage(read.linesSkipped));
    } else if (read.pointsAdded == 0) {
        // kelmo said it succeeded but gave nothing to draw: say so rather than show empty charts silently.
        window.SetStatusText("kelmo's result file holds no points.");
    }
}

}  // namespace

void RunCalculation(ModuleState& state, const RequestFields& fields, RunWindow& window,
                    const CalculatorLauncher& launcher) {
    NormalisedComposition normalised = NormaliseComposition(state.CompositionList);
    state.CompositionArgs = std::move(normalised.compositionArgs);
    window.ReplaceComponentItems(normalised.itemTexts);

    ApplyCheckToWindow(ApplyRequestCheck(state, fields, window.ComponentCount()), window);
    if (state.ValidRequest) RunCheckedRequest(state, window, launcher);
    state.ValidRequest = false;
}

std::optional<std::string> SaveResultCopy(ModuleState& state, const std::string& destination) {
    const std::string resultFile = state.ResultFile();
    QFile source(QString::fromStdString(resultFile));
    if (resultFile.empty() || !source.exists()) return "Nothing to save yet: run kelmo first.";
    if (!source.open(QIODevice::ReadOnly)) {
        return "The result file could not be read: " + source.errorString().toStdString();
    }

    // The copy goes into a temporary file beside the destination and replaces it only once complete.
    const QString target = QString::fromStdString(destination);
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly)) {
        return "Could not save " + destination + ": " + copy.errorString().toStdString();
    }
    std::array<char, 1 << 16> block{};
    qint64 got = 0;
    while ((got = source.read(block.data(), block.size())) > 0) {
        if (copy.write(block.data(), got) != got) break;
    }
    if (got < 0) {
        copy.cancelWriting();
        return "The result file could not be read: " + source.errorString().toStdString();
    }
    if (!copy.commit()) return "Could not save " + destination + ": " + copy.errorString().toStdString();
    return std::nullopt;
}

void DeleteResultFile(ModuleState& state) {
    const std::string resultFile = state.ResultFile();
    if (resultFile.empty()) return;
    std::error_code error;
    fs::remove(resultFile, error);
    DropPreviousResult(resultFile);
}

}  // namespace calc
