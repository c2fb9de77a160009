#pragma once
// The points of one chart curve, kept in ascending order of X; points with equal X keep the order in
// which they were added. Plain data, no widgets: the charts draw it, the run fills it.

#include <cstdint>
#include <deque>
#include <string_view>

namespace calc {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    Rgb colour;
};

// What a run needs of a chart series: clear it, add a point. The label is always empty and not kept.
class SeriesSink {
public:
    virtual ~SeriesSink() = default;
    virtual void Clear() = 0;
    virtual void AddPoint(double x, double y, std::string_view label, Rgb colour) = 0;
};

class PointSeries : public SeriesSink {
public:
    void Clear() override;
    void AddPoint(double x, double y, std::string_view label, Rgb colour) override;

    // The points in ascending X, equal X in insertion order. Points added out of order are put in
    // place here, once, by a stable sort: adding stays O(1), so a million falling X cost n log n.
    const std::deque<ChartPoint>& Points() const;
    std::size_t Count() const { return points_.size(); }
    bool Empty() const { return points_.empty(); }
    // Changes on every Clear and AddPoint, so a view can tell that its copy is out of date.
    std::uint64_t Revision() const { return revision_; }

private:
    // Chunked storage keeps the memory per point close to sizeof(ChartPoint) without reallocation.
    mutable std::deque<ChartPoint> points_;
    mutable bool sorted_ = true;
    std::uint64_t revision_ = 0;
};

}  // namespace calc
