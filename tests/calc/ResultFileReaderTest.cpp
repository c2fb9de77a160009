#include "calc/ResultFileReader.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct Read {
    calc::ResultReadOutcome outcome;
    calc::PointSeries range;
    calc::PointSeries dedx;
    calc::TResultRow last;
};

class ResultFileReader : public ::testing::Test {
protected:
    // Writes text as the whole result file and reads it.
    Read ReadText(const std::string& text) {
        const std::string path = directory_.filePath("kelmo.out").toStdString();
        std::ofstream(path, std::ios::binary) << text;
        Read read;
        read.outcome = calc::ReadResultFile(path, read.range, read.dedx, read.last);
        return read;
    }
    QTemporaryDir directory_;
};

std::vector<std::pair<double, double>> XY(const calc::PointSeries& series) {
    std::vector<std::pair<double, double>> points;
    for (const calc::ChartPoint& point : series.Points()) points.emplace_back(point.x, point.y);
    return points;
}

TEST_F(ResultFileReader, OneLineGivesARedRangePointAndABlueDedxPoint) {
    const Read read = ReadText("1 2 3\n");
    EXPECT_EQ(XY(read.range), (std::vector<std::pair<double, double>>{{1, 2}}));
    EXPECT_EQ(XY(read.dedx), (std::vector<std::pair<double, double>>{{1, 3}}));
    EXPECT_EQ(read.range.Points()[0].colour, calc::kRed);
    EXPECT_EQ(read.dedx.Points()[0].colour, calc::kBlue);
    EXPECT_EQ(read.outcome.linesSkipped, 0u);
}

TEST_F(ResultFileReader, ValuesAreThe32BitFloatsOfTheFile) {
    const Read read = ReadText("0.1 2.26 1e-3\n");
    EXPECT_EQ(read.range.Points()[0].x, static_cast<double>(0.1f));
    EXPECT_EQ(read.range.Points()[0].y, static_cast<double>(2.26f));
    EXPECT_EQ(read.dedx.Points()[0].y, static_cast<double>(1e-3f));
}

TEST_F(ResultFileReader, SkipsAndCountsLinesThatDoNotBeginWithThreeNumbers) {
    const Read read = ReadText(
        "1 10 100\n"
        "\n"
        "   \t\r\n"
        "4 5\n"             // two numbers only: never drawn with a value left from another line
        "# comment\n"
        "nan 1 2\n"
        "3 inf 2\n"
        "2 1e39 2\n"        // beyond a 32-bit float
        "2,5 1 2\n"         // 2 then ",5": not three numbers
        "2 20 200 extra words\n"
        "0x1p1 0x1p2 0x1p3\n"
        "3 30 300");        // no line end at the end of the file
    EXPECT_EQ(XY(read.range), (std::vector<std::pair<double, double>>{{1, 10}, {2, 20}, {2, 4}, {3, 30}}));
    EXPECT_EQ(XY(read.dedx), (std::vector<std::pair<double, double>>{{1, 100}, {2, 200}, {2, 8}, {3, 300}}));
    EXPECT_EQ(read.outcome.pointsAdded, 4u);
    EXPECT_EQ(read.outcome.linesSkipped, 6u);
    EXPECT_EQ(read.last.dedx, 300.0f);
}

TEST_F(ResultFileReader, ReadsWholeLinesOfAnyLength) {
    // A line of 200 characters is one point, not three pieces.
    const std::string longLine = "5.0" + std::string(193, ' ') + "6 7\n";
    ASSERT_EQ(longLine.size(), 200u);
    // A line far longer than the 64 KiB read block.
    const std::string hugeLine = "8 " + std::string(200000, '0') + "9 10\n";
    const Read read = ReadText("1 2 3\r\n" + longLine + hugeLine);
    EXPECT_EQ(XY(read.range), (std::vector<std::pair<double, double>>{{1, 2}, {5, 6}, {8, 9}}));
    EXPECT_EQ(XY(read.dedx), (std::vector<std::pair<double, double>>{{1, 3}, {5, 7}, {8, 10}}));
    EXPECT_EQ(read.outcome.linesSkipped, 0u);
}

TEST_F(ResultFileReader, FallingAndEqualXAreKeptInSeriesOrder) {
    const Read read = ReadText("3 1 1\n2 2 2\n2 3 3\n1 4 4\n");
    EXPECT_EQ(XY(read.range), (std::vector<std::pair<double, double>>{{1, 4}, {2, 2}, {2, 3}, {3, 1}}));
}

TEST_F(ResultFileReader, ANulByteEndsTheNumbersOfItsLine) {
    const Read read = ReadText(std::string("1 2\0 3\n4 5 6\n", 13));
    EXPECT_EQ(XY(read.range), (std::vector<std::pair<double, double>>{{4, 5}}));
    EXPECT_EQ(read.outcome.linesSkipped, 1u);
}

TEST(ResultFileReaderMissing, ReportsThatTheFileCouldNotBeOpened) {
    calc::PointSeries range, dedx;
    calc::TResultRow last;
    const calc::ResultReadOutcome outcome = calc::ReadResultFile("/nonexistent/kelmo.out", range, dedx, last);
    EXPECT_FALSE(outcome.opened);
    EXPECT_TRUE(range.Empty());
}

}  // namespace
