#pragma once
// The smallest and largest values of a series on each axis, from which the axes take their ranges.

#include <deque>
#include <limits>

#include "calc/PointSeries.h"

namespace chart {

struct ValueBounds {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    // The same over the values above 0 only: what a logarithmic axis can show.
    double lowestPositive = std::numeric_limits<double>::infinity();
    double highestPositive = -std::numeric_limits<double>::infinity();

    bool Any() const { return lowest <= highest; }
    bool AnyPositive() const { return lowestPositive <= highestPositive; }
    void Take(double value);
};

struct SeriesBounds {
    ValueBounds x;
    ValueBounds y;
};

// Values that are not finite are left out.
SeriesBounds MeasureSeries(const std::deque<calc::ChartPoint>& points);

}  // namespace chart
