#pragma once
// The Run command: normalise the composition, check the request, start the calculator, wait for it
// and draw its result. Also the copy (File/Save) and the removal of the result file at close.

#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "PointSeries.h"

namespace calc {

class CalculatorLauncher;
class ModuleState;

// What a run changes in the main window.
class RunWindow {
public:
    virtual ~RunWindow() = default;
    // Empties the component list (items, shown text, selection) and adds these items in order.
    virtual void ReplaceComponentItems(const std::vector<std::string>& itemTexts) = 0;
    virtual int ComponentCount() const = 0;
    virtual void SelectComponent(int index) = 0;  // -1: no selection
    virtual void SetTotalComponents(const std::string& text) = 0;
    virtual void SetCurrentComponent(const std::string& text) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual SeriesSink& RangeSeries() = 0;
    virtual SeriesSink& DedxSeries() = 0;
};

// The whole Run command on the current fields.
void RunCalculation(ModuleState& state, const RequestFields& fields, RunWindow& window,
                    const CalculatorLauncher& launcher);

// Copies the result file to destination, replacing an existing file only once the copy is complete.
// Gives a message for the status bar when nothing was saved, nothing when the copy succeeded.
std::optional<std::string> SaveResultCopy(ModuleState& state, const std::string& destination);

// Removes the result file (at the close of the main window). Failure is of no consequence.
void DeleteResultFile(ModuleState& state);

}  // namespace calc
