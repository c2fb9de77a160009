#pragma once
// The curve of a chart as a QCustomPlot plottable that draws straight from the chart's point series,
// so a million points are never copied into a second container.

#include <qcustomplot.h>

#include "CurveTrace.h"
#include "SeriesBounds.h"
#include "calc/PointSeries.h"

namespace chart {

class CurvePlottable : public QCPAbstractPlottable {
public:
    CurvePlottable(QCPAxis* xAxis, QCPAxis* yAxis, const calc::PointSeries& points, CurveColouring colouring,
                   calc::Rgb seriesColour);

    // The bounds of the points as they are now; measured once per change of the series.
    const SeriesBounds& Bounds() const;

    // The curve is not selectable: clicks go to zoom and drag.
    double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

protected:
    void draw(QCPPainter* painter) override;
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
    const calc::PointSeries& points_;
    CurveColouring colouring_;
    calc::Rgb seriesColour_;
    mutable SeriesBounds bounds_;
    mutable std::uint64_t boundsRevision_ = ~std::uint64_t{0};
};

// How `axis` places values at its current range and size.
AxisMapping MappingOf(const QCPAxis& axis);

}  // namespace chart
