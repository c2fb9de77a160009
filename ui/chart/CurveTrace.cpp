#include "CurveTrace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

bool AxisMapping::Places(double value) const {
    return std::isfinite(value) && (!logarithmic || value > 0.0);
}

double AxisMapping::ToPixel(double value) const {
    return offsetPx + pxPerUnit * (logarithmic ? std::log10(value) : value);
}

double AxisMapping::FromPixel(double pixel) const {
    const double unit = (pixel - offsetPx) / pxPerUnit;
    return logarithmic ? std::pow(10.0, unit) : unit;
}

namespace {

// Far enough outside any plot to be invisible, near enough that the painter's fixed-point rasteriser
// does not overflow when the user has zoomed far into the curve.
constexpr double kFarOffPlotPx = 1e6;

class Tracer {
public:
    Tracer(const AxisMapping& x, const AxisMapping& y) : x_(x), y_(y) {}

    void Add(const calc::ChartPoint& point, calc::Rgb colour) {
        if (!strokeOpen_) {
            strokes_.push_back(Stroke{colour, {}});
            strokeOpen_ = true;
        } else if (!(colour == strokes_.back().colour)) {
            FlushColumn();
            // The new colour begins where the old one ended, so the curve stays joined.
            const QPointF joint = strokes_.back().polyline.last();
            strokes_.push_back(Stroke{colour, QPolygonF{joint}});
        }
        if (column_.open && point.x < column_.endX) {
            if (point.y < column_.lowest.y) column_.lowest = Indexed{point.x, point.y, column_.count};
            if (point.y > column_.highest.y) column_.highest = Indexed{point.x, point.y, column_.count};
            column_.last = Indexed{point.x, point.y, column_.count};
            ++column_.count;
            return;
        }
        FlushColumn();
        const Indexed first{point.x, point.y, 0};
        column_ = Column{true, x_.FromPixel(std::floor(x_.ToPixel(point.x)) + 1.0), first, first, first, first, 1};
    }

    // A point the axes cannot place: the curve stops before it and starts afresh after it.
    void Break() {
        FlushColumn();
        strokeOpen_ = false;
    }

    std::vector<Stroke> Finish() {
        FlushColumn();
        std::erase_if(strokes_, [](const Stroke& stroke) { return stroke.polyline.size() < 2; });
        return std::move(strokes_);
    }

private:
    struct Indexed {
        double x = 0.0;
        double y = 0.0;
        int order = 0;
    };
    // The points that fall into one pixel column, in data values.
    struct Column {
        bool open = false;
        double endX = 0.0;  // the first X that belongs to the next column
        Indexed first, lowest, highest, last;
        int count = 0;
    };

    void FlushColumn() {
        if (!column_.open) return;
        column_.open = false;
        Emit(column_.first);
        if (column_.count == 1) return;
        const bool lowestFirst = column_.lowest.order < column_.highest.order;
        Emit(lowestFirst ? column_.lowest : column_.highest);
        Emit(lowestFirst ? column_.highest : column_.lowest);
        Emit(column_.last);
    }

    void Emit(const Indexed& point) {
        const QPointF vertex(std::clamp(x_.ToPixel(point.x), -kFarOffPlotPx, kFarOffPlotPx),
                             std::clamp(y_.ToPixel(point.y), -kFarOffPlotPx, kFarOffPlotPx));
        QPolygonF& polyline = strokes_.back().polyline;
        if (polyline.isEmpty() || polyline.last() != vertex) polyline.append(vertex);
    }

    const AxisMapping& x_;
    const AxisMapping& y_;
    std::vector<Stroke> strokes_;
    bool strokeOpen_ = false;
    Column column_;
};

// The series puts points whose X is not a number after all others; for a search they count as +infinity.
double SortKey(const calc::ChartPoint& point) {
    return std::isnan(point.x) ? std::numeric_limits<double>::infinity() : point.x;
}

}  // namespace

std::vector<Stroke> TraceCurve(const std::deque<calc::ChartPoint>& points, std::size_t begin, std::size_t end,
                               const AxisMapping& x, const AxisMapping& y, CurveColouring colouring,
                               calc::Rgb seriesColour) {
    Tracer tracer(x, y);
    const bool ownColours = colouring == CurveColouring::LaterPointColour;
    end = std::min(end, points.size());
    for (auto point = points.begin() + static_cast<std::ptrdiff_t>(begin),
              stop = points.begin() + static_cast<std::ptrdiff_t>(end);
         point < stop; ++point) {
        if (x.Places(point->x) && y.Places(point->y)) {
            tracer.Add(*point, ownColours ? point->colour : seriesColour);
        } else {
            tracer.Break();
        }
    }
    return tracer.Finish();
}

std::pair<std::size_t, std::size_t> PointsAcross(const std::deque<calc::ChartPoint>& points, double xLower,
                                                 double xUpper) {
    const auto first = std::lower_bound(points.begin(), points.end(), xLower,
                                        [](const calc::ChartPoint& p, double x) { return SortKey(p) < x; });
    const auto last = std::upper_bound(points.begin(), points.end(), xUpper,
                                       [](double x, const calc::ChartPoint& p) { return x < SortKey(p); });
    std::size_t begin = static_cast<std::size_t>(first - points.begin());
    std::size_t end = static_cast<std::size_t>(last - points.begin());
    if (begin > 0) --begin;
    if (end < points.size()) ++end;
    return {begin, end};
}

}  // namespace chart
