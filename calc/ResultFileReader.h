#pragma once
// Reading the calculator's result file: one point per line, "energy range dEdx".

#include <cstddef>
#include <string>

#include "ModuleState.h"
#include "PointSeries.h"

namespace calc {

struct ResultReadOutcome {
    bool opened = false;
    std::size_t pointsAdded = 0;
    std::size_t linesSkipped = 0;  // lines that hold text but do not begin with three finite numbers
};

// Reads whole lines of any length. Blank lines are passed over; every line that begins with three
// finite numbers adds (column 1, column 2) in red to rangeSeries and (column 1, column 3) in blue to
// dedxSeries, and becomes the last row. The values are held as 32-bit floats, as the file promises.
ResultReadOutcome ReadResultFile(const std::string& path, SeriesSink& rangeSeries, SeriesSink& dedxSeries,
                                 TResultRow& lastRow);

}  // namespace calc
