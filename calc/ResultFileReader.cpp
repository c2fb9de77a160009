#include "ResultFileReader.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>

#include "Numbers.h"

namespace calc {

namespace {

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

// The first three numbers of a line, each narrowed to a 32-bit float as the file format holds them.
// False when the line does not begin with three finite numbers.
bool ScanRow(std::string_view line, TResultRow& row) {
    std::array<float, 3> values{};
    for (float& value : values) {
        std::size_t consumed = 0;
        const double number = ReadReal(line, &consumed);
        if (consumed == 0) return false;
        value = NarrowToFloat(number);
        if (!std::isfinite(value)) return false;
        line.remove_prefix(consumed);
    }
    row = TResultRow{values[0], values[1], values[2]};
    return true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ResultReadOutcome ReadResultFile(const std::string& path, SeriesSink& rangeSeries, SeriesSink& dedxSeries,
                                 TResultRow& lastRow) {
    ResultReadOutcome outcome;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return outcome;
    outcome.opened = true;

    auto handleLine = [&](std::string_view line) {
        if (IsBlankLine(line)) return;
        TResultRow row;
        if (!ScanRow(line, row)) {
            ++outcome.linesSkipped;
            return;
        }
        lastRow = row;
        rangeSeries.AddPoint(row.energy, row.range, {}, kRed);
        dedxSeries.AddPoint(row.energy, row.dedx, {}, kBlue);
        ++outcome.pointsAdded;
    };

    // Whole lines of any length: a line that spans two blocks is carried over in `pending`.
    std::array<char, 1 << 16> block{};
    std::string pending;
    std::size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), file.get())) > 0) {
        std::string_view rest(block.data(), got);
        std::size_t lineEnd = 0;
        while ((lineEnd = rest.find('\n')) != std::string_view::npos) {
            if (pending.empty()) {
                handleLine(rest.substr(0, lineEnd));
            } else {
                pending.append(rest.substr(0, lineEnd));
                handleLine(pending);
                pending.clear();
            }
            rest.remove_prefix(lineEnd + 1);
        }
        pending.append(rest);
    }
    if (!pending.empty()) handleLine(pending);  // a last line without a line end
    return outcome;
}

}  // namespace calc
