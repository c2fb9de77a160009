#include "PointSeries.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace calc {

namespace {

// A strict weak order on X even when X is not a number: such points go after all others.
bool XBefore(const ChartPoint& a, const ChartPoint& b) {
    if (std::isnan(a.x)) return false;
    if (std::isnan(b.x)) return true;
    return a.x < b.x;
}

}  // namespace

void PointSeries::Clear() {
    points_.clear();
    points_.shrink_to_fit();
    sorted_ = true;
    ++revision_;
}

void PointSeries::AddPoint(double x, double y, std::string_view /*label*/, Rgb colour) {
    // A new point belongs after every point whose X is less than or equal to its own. Appending keeps
    // the order as long as X does not fall; otherwise the stable sort in Points() puts it in place,
    // which gives the same order as inserting it after the last point with X <= its own.
    if (sorted_ && !points_.empty() && XBefore(ChartPoint{x, y, colour}, points_.back())) sorted_ = false;
    points_.push_back(ChartPoint{x, y, colour});
    ++revision_;
}

namespace {

// Puts points that were added in falling X order into rising order in linear time; points with equal X
// keep the order in which they were added. False when the points were not in falling order.
bool ReverseIfFalling(std::deque<ChartPoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (std::isnan(points[i].x) || std::isnan(points[i - 1].x) || points[i].x > points[i - 1].x) return false;
    }
    std::reverse(points.begin(), points.end());
    for (auto run = points.begin(); run != points.end();) {
        const auto runEnd = std::find_if(run, points.end(), [&](const ChartPoint& p) { return p.x != run->x; });
        std::reverse(run, runEnd);
        run = runEnd;
    }
    return true;
}

}  // namespace

const std::deque<ChartPoint>& PointSeries::Points() const {
    if (!sorted_) {
        if (!ReverseIfFalling(points_)) {
            // Sorting a contiguous copy is several times faster than sorting the chunked storage.
            std::vector<ChartPoint> ordered(points_.begin(), points_.end());
            std::stable_sort(ordered.begin(), ordered.end(), XBefore);
            std::copy(ordered.begin(), ordered.end(), points_.begin());
        }
        sorted_ = true;
    }
    return points_;
}

}  // namespace calc
