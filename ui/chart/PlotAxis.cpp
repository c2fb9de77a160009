#include "PlotAxis.h"

#include <cmath>

namespace chart {

namespace {

// What an axis shows for values from `lowest` to `highest`. A single value gets some room around it,
// since a range without width has no scale.
QCPRange ShownRange(double lowest, double highest, bool logarithmic) {
    if (lowest < highest) return QCPRange(lowest, highest);
    if (logarithmic) return QCPRange(lowest / 2.0, highest * 2.0);
    const double room = lowest == 0.0 ? 1.0 : std::fabs(lowest) * 0.1;
    return QCPRange(lowest - room, highest + room);
}

}  // namespace

PlotAxis::PlotAxis(QCustomPlot& plot, QCPAxis& axis, ChartView& view, LabelFormat labels)
    : plot_(plot),
      axis_(axis),
      view_(view),
      linearTicks_(new LinearLabelTicker(labels)),
      logTicks_(new LogLabelTicker(labels)) {
    axis_.setTicker(linearTicks_);
    QObject::connect(&axis_, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), &plot_, [this] {
        if (!view_.settingRanges) view_.zoomed = true;
    });
}

void PlotAxis::SetLogarithmic(bool logarithmic) {
    if (logarithmic == logarithmic_) return;
    logarithmic_ = logarithmic;
    // Changing the scale can narrow the range to what a log scale can show; that is not a zoom.
    view_.settingRanges = true;
    axis_.setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    view_.settingRanges = false;
    if (logarithmic) {
        axis_.setTicker(logTicks_);
    } else {
        axis_.setTicker(linearTicks_);
    }
    plot_.replot(QCustomPlot::rpQueuedReplot);
}

double PlotAxis::Minimum() const { return view_.zoomed ? axis_.range().lower : drawnMinimum_; }

void PlotAxis::ShowAll(const ValueBounds& bounds) {
    drawnMinimum_ = bounds.Any() ? bounds.lowest : 0.0;
    QCPRange shown;
    if (logarithmic_) {
        // Points at or below 0 are not drawn on a log scale; with none above 0 the axis shows one decade.
        shown = bounds.AnyPositive() ? ShownRange(bounds.lowestPositive, bounds.highestPositive, true)
                                     : QCPRange(1.0, 10.0);
    } else {
        // Nothing to show yet: the axis shows 0 to 1, while its minimum reads 0.
        shown = bounds.Any() ? ShownRange(bounds.lowest, bounds.highest, false) : QCPRange(0.0, 1.0);
    }
    view_.settingRanges = true;
    axis_.setRange(shown);
    view_.settingRanges = false;
}

}  // namespace chart
