#include "ui/chart/CurveTrace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using chart::AxisMapping;
using chart::CurveColouring;
using chart::TraceCurve;

// 100 pixels for every unit, y growing upwards from pixel 400.
const AxisMapping kX{false, 0.0, 100.0};
const AxisMapping kY{false, 400.0, -100.0};

std::deque<calc::ChartPoint> Points(std::initializer_list<calc::ChartPoint> points) { return points; }

TEST(CurveTrace, RunsOfOneColourBecomeOnePolylineEach) {
    // Segment colours follow the later point: red, red, then blue, blue, then red.
    const auto points = Points({{0, 0, calc::kBlue},
                                {1, 1, calc::kRed},
                                {2, 0, calc::kRed},
                                {3, 1, calc::kBlue},
                                {4, 0, calc::kBlue},
                                {5, 1, calc::kRed}});
    const auto strokes = TraceCurve(points, 0, points.size(), kX, kY, CurveColouring::LaterPointColour, calc::kRed);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[0].colour, calc::kRed);
    EXPECT_EQ(strokes[0].polyline, QPolygonF({{0, 400}, {100, 300}, {200, 400}}));
    EXPECT_EQ(strokes[1].colour, calc::kBlue);
    EXPECT_EQ(strokes[1].polyline, QPolygonF({{200, 400}, {300, 300}, {400, 400}}));
    EXPECT_EQ(strokes[2].colour, calc::kRed);
    EXPECT_EQ(strokes[2].polyline, QPolygonF({{400, 400}, {500, 300}}));

    // The range curve ignores the colours of its points: one polyline in the series colour.
    const auto single = TraceCurve(points, 0, points.size(), kX, kY, CurveColouring::SeriesColour, calc::kRed);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].colour, calc::kRed);
    EXPECT_EQ(single[0].polyline.size(), 6);
}

TEST(CurveTrace, DensePointsKeepTheExtremesOfEachPixelColumn) {
    // 10^5 points over 5 pixel columns, a zig-zag that reaches its extremes in the middle of column 2.
    std::deque<calc::ChartPoint> points;
    const int count = 100000;
    for (int i = 0; i < count; ++i) {
        const double x = 0.05 * i / count;
        const double y = i == count / 2 ? 3.0 : (i == count / 2 + 1 ? -3.0 : (i % 2) * 0.01);
        points.push_back({x, y, calc::kBlue});
    }
    const auto strokes = TraceCurve(points, 0, points.size(), kX, kY, CurveColouring::LaterPointColour, calc::kRed);
    ASSERT_EQ(strokes.size(), 1u);
    const QPolygonF& line = strokes[0].polyline;
    EXPECT_LE(line.size(), 4 * 6);
    double top = 1e9, bottom = -1e9;
    for (const QPointF& vertex : line) {
        top = std::min(top, vertex.y());
        bottom = std::max(bottom, vertex.y());
    }
    EXPECT_DOUBLE_EQ(top, 100.0);     // y = 3
    EXPECT_DOUBLE_EQ(bottom, 700.0);  // y = -3
    EXPECT_DOUBLE_EQ(line.first().x(), 0.0);
    EXPECT_DOUBLE_EQ(line.last().x(), 100.0 * 0.05 * (count - 1) / count);
}

TEST(CurveTrace, PointsALogAxisCannotPlaceBreakTheCurve) {
    const AxisMapping logY{true, 400.0, -100.0};
    const auto points = Points({{1, 10, calc::kBlue},
                                {2, 100, calc::kBlue},
                                {3, 0, calc::kBlue},
                                {4, -5, calc::kBlue},
                                {5, 10, calc::kBlue},
                                {6, 1, calc::kBlue},
                                {7, std::nan(""), calc::kBlue}});
    const auto strokes = TraceCurve(points, 0, points.size(), kX, logY, CurveColouring::LaterPointColour, calc::kRed);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].polyline, QPolygonF({{100, 300}, {200, 200}}));
    EXPECT_EQ(strokes[1].polyline, QPolygonF({{500, 300}, {600, 400}}));
}

TEST(CurveTrace, PointsAcrossTakesOneNeighbourOnEachSide) {
    std::deque<calc::ChartPoint> points;
    for (int i = 0; i < 10; ++i) points.push_back({double(i), 0, calc::kRed});
    points.push_back({std::nan(""), 0, calc::kRed});  // the series keeps such points last

    EXPECT_EQ(chart::PointsAcross(points, 2.5, 5.5), std::make_pair(std::size_t{2}, std::size_t{7}));
    EXPECT_EQ(chart::PointsAcross(points, 3.0, 5.0), std::make_pair(std::size_t{2}, std::size_t{7}));
    EXPECT_EQ(chart::PointsAcross(points, -10, 100), std::make_pair(std::size_t{0}, std::size_t{11}));
    EXPECT_EQ(chart::PointsAcross(points, 20, 30), std::make_pair(std::size_t{9}, std::size_t{11}));
}

}  // namespace
