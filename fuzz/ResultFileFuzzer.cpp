// The result file is whatever the calculator, or anything else that wrote to the same path, left
// behind: any bytes, lines of any length, NUL bytes, no final line end, huge exponents, "nan", "inf",
// hexadecimal numbers. ReadResultFile must read it without a crash and draw exactly the lines that
// begin with three finite numbers. The expected points come from a plain line-by-line reading with
// strtod, so a line torn at the reader's block boundary shows up as a difference.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "FuzzCheck.h"
#include "calc/Numbers.h"
#include "calc/ResultFileReader.h"

namespace {

struct Point {
    double x;
    double y;
    calc::Rgb colour;
};

// Keeps the points in the order they were added (the chart's own series sorts them).
class RecordingSeries : public calc::SeriesSink {
public:
    void Clear() override { points.clear(); }
    void AddPoint(double x, double y, std::string_view label, calc::Rgb colour) override {
        fuzz::Require(label.empty(), "points carry an empty label", {});
        points.push_back({x, y, colour});
    }
    std::vector<Point> points;
};

struct Expected {
    std::vector<calc::TResultRow> rows;
    std::size_t linesSkipped = 0;
};

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

Expected ReadLineByLine(std::string_view file) {
    Expected expected;
    static std::string line;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        line.assign(file.substr(0, end));
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        if (line.find_first_not_of(" \t\r\v\f") == std::string::npos) continue;

        std::array<float, 3> values{};
        const char* cursor = line.c_str();
        bool complete = true;
        for (float& value : values) {
            char* after = nullptr;
            const double number = strtod_l(cursor, &after, CLocale());
            value = calc::NarrowToFloat(number);
            if (after == cursor || !std::isfinite(value)) {
                complete = false;
                break;
            }
            cursor = after;
        }
        if (complete) {
            expected.rows.push_back({values[0], values[1], values[2]});
        } else {
            ++expected.linesSkipped;
        }
    }
    return expected;
}

bool Same(double a, float b) {
    return a == static_cast<double>(b) && std::signbit(a) == std::signbit(b);
}

// An in-memory file with a path that fopen accepts.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("kelmo.out", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {}
    const std::string& Write(std::string_view contents) {
        if (ftruncate(fd_, 0) != 0 || pwrite(fd_, contents.data(), contents.size(), 0) != ssize_t(contents.size())) {
            std::abort();
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

constexpr std::size_t kReaderBlock = 1 << 16;  // the reader's block size

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // Kept from one input to the next: a fresh 64 KiB buffer per input costs more than the reading.
    static std::string file;
    file.clear();
    // An input that starts with \x01 or \x02 is moved up to the reader's block boundary, behind a blank
    // line (\x01) or behind leading blanks of its first line (\x02), by as many bytes as its second
    // byte says, so that lines spanning two blocks are tried too. Only those inputs pay for the 64 KiB.
    if (size >= 2 && (data[0] == 1 || data[0] == 2)) {
        file.assign(kReaderBlock - data[1], ' ');
        if (data[0] == 1) file.back() = '\n';
        input.remove_prefix(2);
    }
    file.append(input);

    static MemoryFile memory;
    RecordingSeries range;
    RecordingSeries dedx;
    calc::TResultRow lastRow{-1.0f, -2.0f, -3.0f};
    const calc::TResultRow before = lastRow;
    const calc::ResultReadOutcome outcome = calc::ReadResultFile(memory.Write(file), range, dedx, lastRow);

    const Expected expected = ReadLineByLine(file);
    fuzz::Require(outcome.opened, "the file opens", file);
    fuzz::Require(outcome.linesSkipped == expected.linesSkipped, "skipped lines are counted", file);
    fuzz::Require(outcome.pointsAdded == expected.rows.size(), "one point per line of three numbers", file);
    fuzz::Require(range.points.size() == expected.rows.size() && dedx.points.size() == expected.rows.size(),
                  "each series gets one point per line of three numbers", file);
    for (std::size_t i = 0; i < expected.rows.size(); ++i) {
        const calc::TResultRow& row = expected.rows[i];
        fuzz::Require(Same(range.points[i].x, row.energy) && Same(range.points[i].y, row.range) &&
                          range.points[i].colour == calc::kRed,
                      "range point = (column 1, column 2) in red", file);
        fuzz::Require(Same(dedx.points[i].x, row.energy) && Same(dedx.points[i].y, row.dedx) &&
                          dedx.points[i].colour == calc::kBlue,
                      "dE/dx point = (column 1, column 3) in blue", file);
    }
    const calc::TResultRow& last = expected.rows.empty() ? before : expected.rows.back();
    fuzz::Require(std::memcmp(&lastRow, &last, sizeof last) == 0, "the last row is the last line drawn", file);
    return 0;
}
