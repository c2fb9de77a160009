#pragma once
// One axis of a result chart on QCustomPlot: its scale, its tick labels and the range it shows.

#include <qcustomplot.h>

#include "LabelFormat.h"
#include "LabelTickers.h"
#include "ResultChart.h"
#include "SeriesBounds.h"

namespace chart {

// Shared by the two axes of a chart: whether the user's mouse has chosen the ranges, and whether the
// chart itself is setting them just now (which is not the user zooming).
struct ChartView {
    bool zoomed = false;
    bool settingRanges = false;
};

class PlotAxis final : public ChartAxis {
public:
    PlotAxis(QCustomPlot& plot, QCPAxis& axis, ChartView& view, LabelFormat labels);

    bool Logarithmic() const override { return logarithmic_; }
    void SetLogarithmic(bool logarithmic) override;
    double Minimum() const override;

    // The ticks of the linear scale, for the settings that only one chart has.
    LinearLabelTicker& LinearTicks() { return *linearTicks_; }

    // Called before each drawing that is not zoomed: the axis shows all its points, from the smallest to
    // the largest value (only those above 0 on a log scale), and remembers the smallest as its minimum.
    void ShowAll(const ValueBounds& bounds);

private:
    QCustomPlot& plot_;
    QCPAxis& axis_;
    ChartView& view_;
    QSharedPointer<LinearLabelTicker> linearTicks_;
    QSharedPointer<LogLabelTicker> logTicks_;
    bool logarithmic_ = false;
    double drawnMinimum_ = 0.0;
};

}  // namespace chart
