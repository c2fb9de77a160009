#include "PointSeries.h"

#include <algorithm>
#include <cmath>

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

const std::deque<ChartPoint>& PointSeries::Points() const {
    if (!sorted_) {
        std::stable_sort(points_.begin(), points_.end(), XBefore);
        sorted_ = true;
    }
    return points_;
}

}  // namespace calc
