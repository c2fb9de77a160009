#pragma once
// A stand-in for kelmo, written by the tests into a directory of its own: it records the arguments it
// was given, one per line, and then does what the test asked of it.

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "calc/CalculatorRun.h"

namespace calc_test {

enum class FakeBehaviour {
    WriteResult,  // copies the chosen result text to the file after -o, exits 0
    Fail,         // "kelmo: error: ..." on the error output, exit status 3, writes nothing
    Crash,        // kills itself with SIGSEGV after writing half a line
    Silent,       // exits 0 and writes nothing
};

class FakeCalculator {
public:
    FakeCalculator();
    // The directory that holds the program "kelmo"; give it to a CalculatorLauncher.
    std::string ProgramDirectory() const;
    void Behave(FakeBehaviour behaviour, const std::string& resultText = {});
    // The arguments of the last start, without the program name; empty when it was not started.
    std::vector<std::string> RecordedArguments() const;
    bool WasStarted() const;
    void ForgetStarts();

private:
    QTemporaryDir directory_;
};

// A main window as a run sees it: records what the run did to it.
class RecordingWindow : public calc::RunWindow {
public:
    void ReplaceComponentItems(const std::vector<std::string>& itemTexts) override;
    int ComponentCount() const override { return static_cast<int>(items.size()); }
    void SelectComponent(int index) override { selection = index; }
    void SetTotalComponents(const std::string& text) override { totalComponents = text; }
    void SetCurrentComponent(const std::string& text) override { currentComponent = text; }
    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    calc::SeriesSink& RangeSeries() override { return range; }
    calc::SeriesSink& DedxSeries() override { return dedx; }

    std::vector<std::string> items;
    int selection = -1;
    std::string totalComponents = "0";
    std::string currentComponent = "0";
    std::vector<std::string> statusTexts;
    calc::PointSeries range;
    calc::PointSeries dedx;
};

}  // namespace calc_test
