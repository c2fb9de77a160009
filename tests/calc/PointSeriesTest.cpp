#include "calc/PointSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<double> Ys(const calc::PointSeries& series) {
    std::vector<double> ys;
    for (const calc::ChartPoint& point : series.Points()) ys.push_back(point.y);
    return ys;
}

TEST(PointSeries, KeepsAscendingXWithEqualXInTheOrderAdded) {
    calc::PointSeries series;
    // (x, y): y numbers the points in the order they were added.
    const double xs[] = {3, 1, 2, 1, 3, 0, 2};
    for (int i = 0; i < 7; ++i) series.AddPoint(xs[i], i, {}, calc::kRed);
    EXPECT_EQ(Ys(series), (std::vector<double>{5, 1, 3, 2, 6, 0, 4}));

    series.AddPoint(2, 7, {}, calc::kBlue);  // after every point with X <= 2, before the 3s
    EXPECT_EQ(Ys(series), (std::vector<double>{5, 1, 3, 2, 6, 7, 0, 4}));
    EXPECT_EQ(series.Points()[5].colour, calc::kBlue);
}

TEST(PointSeries, FallingXIsDrawnLeftToRight) {
    calc::PointSeries series;
    for (int i = 0; i < 1000; ++i) series.AddPoint(1000 - i, i, {}, calc::kRed);
    double previous = -1;
    for (const calc::ChartPoint& point : series.Points()) {
        EXPECT_GT(point.x, previous);
        previous = point.x;
    }
}

TEST(PointSeries, ClearEmptiesAndChangesTheRevision) {
    calc::PointSeries series;
    series.AddPoint(1, 2, {}, calc::kRed);
    const auto revision = series.Revision();
    series.Clear();
    EXPECT_TRUE(series.Empty());
    EXPECT_NE(series.Revision(), revision);
}

TEST(PointSeries, PointsWithoutANumberForXGoLastInsteadOfBreakingTheOrder) {
    calc::PointSeries series;
    series.AddPoint(std::nan(""), 0, {}, calc::kRed);
    series.AddPoint(2, 1, {}, calc::kRed);
    series.AddPoint(1, 2, {}, calc::kRed);
    EXPECT_EQ(Ys(series), (std::vector<double>{2, 1, 0}));
}

}  // namespace
