#pragma once
// Turns the points of a series into the polylines that draw it on the screen. A pixel column that holds
// many points is drawn through its first, lowest, highest and last point only, which covers the same
// pixels as drawing every segment: a million points cost a few thousand vertices.

#include <QPolygonF>
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

#include "calc/PointSeries.h"

namespace chart {

enum class CurveColouring {
    SeriesColour,      // the whole curve in the series colour, one polyline
    LaterPointColour,  // each segment in the colour of the later of its two points
};

// Where one axis puts a value: pixel = offsetPx + pxPerUnit * value, or * log10(value) on a log axis.
struct AxisMapping {
    bool logarithmic = false;
    double offsetPx = 0.0;
    double pxPerUnit = 1.0;

    // Values that are not numbers, and values at or below 0 on a log axis, have no place on the axis.
    bool Places(double value) const;
    double ToPixel(double value) const;
    double FromPixel(double pixel) const;
};

// One run of segments in one colour.
struct Stroke {
    calc::Rgb colour;
    QPolygonF polyline;
};

// The polylines for points[begin, end), which must be in ascending X, with `x` growing to the right.
// A point that the axes cannot place breaks the curve: no segment leads to it or away from it.
std::vector<Stroke> TraceCurve(const std::deque<calc::ChartPoint>& points, std::size_t begin, std::size_t end,
                               const AxisMapping& x, const AxisMapping& y, CurveColouring colouring,
                               calc::Rgb seriesColour);

// The index range of the points to trace for the X range [xLower, xUpper]: those inside it and one
// neighbour on each side, so the curve runs on to the edges of the plot.
std::pair<std::size_t, std::size_t> PointsAcross(const std::deque<calc::ChartPoint>& points, double xLower,
                                                 double xUpper);

}  // namespace chart
