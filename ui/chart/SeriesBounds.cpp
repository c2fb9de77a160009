#include "SeriesBounds.h"

#include <algorithm>
#include <cmath>

namespace chart {

void ValueBounds::Take(double value) {
    if (!std::isfinite(value)) return;
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
    if (value > 0.0) {
        lowestPositive = std::min(lowestPositive, value);
        highestPositive = std::max(highestPositive, value);
    }
}

SeriesBounds MeasureSeries(const std::deque<calc::ChartPoint>& points) {
    SeriesBounds bounds;
    for (const calc::ChartPoint& point : points) {
        bounds.x.Take(point.x);
        bounds.y.Take(point.y);
    }
    return bounds;
}

}  // namespace chart
