#include "CurvePlottable.h"

#include <cmath>

namespace chart {

namespace {

QColor ToQColor(calc::Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QCPRange RangeIn(const ValueBounds& bounds, QCP::SignDomain domain, bool& found) {
    switch (domain) {
        case QCP::sdPositive:
            found = bounds.AnyPositive();
            return found ? QCPRange(bounds.lowestPositive, bounds.highestPositive) : QCPRange();
        case QCP::sdNegative:
            found = bounds.Any() && bounds.lowest < 0.0;
            return found ? QCPRange(bounds.lowest, std::min(bounds.highest, 0.0)) : QCPRange();
        case QCP::sdBoth: break;
    }
    found = bounds.Any();
    return found ? QCPRange(bounds.lowest, bounds.highest) : QCPRange();
}

}  // namespace

AxisMapping MappingOf(const QCPAxis& axis) {
    AxisMapping mapping;
    mapping.logarithmic = axis.scaleType() == QCPAxis::stLogarithmic;
    const QCPRange range = axis.range();
    const double lowerUnit = mapping.logarithmic ? std::log10(range.lower) : range.lower;
    const double upperUnit = mapping.logarithmic ? std::log10(range.upper) : range.upper;
    const double lowerPx = axis.coordToPixel(range.lower);
    const double upperPx = axis.coordToPixel(range.upper);
    mapping.pxPerUnit = (upperPx - lowerPx) / (upperUnit - lowerUnit);
    mapping.offsetPx = lowerPx - mapping.pxPerUnit * lowerUnit;
    return mapping;
}

CurvePlottable::CurvePlottable(QCPAxis* xAxis, QCPAxis* yAxis, const calc::PointSeries& points,
                               CurveColouring colouring, calc::Rgb seriesColour)
    : QCPAbstractPlottable(xAxis, yAxis), points_(points), colouring_(colouring), seriesColour_(seriesColour) {
    setPen(QPen(ToQColor(seriesColour), 1));
    setBrush(Qt::NoBrush);
    setSelectable(QCP::stNone);
}

const SeriesBounds& CurvePlottable::Bounds() const {
    if (boundsRevision_ != points_.Revision()) {
        bounds_ = MeasureSeries(points_.Points());
        boundsRevision_ = points_.Revision();
    }
    return bounds_;
}

double CurvePlottable::selectTest(const QPointF&, bool, QVariant*) const { return -1.0; }

QCPRange CurvePlottable::getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain) const {
    return RangeIn(Bounds().x, inSignDomain, foundRange);
}

QCPRange CurvePlottable::getValueRange(bool& foundRange, QCP::SignDomain inSignDomain,
                                       const QCPRange& /*inKeyRange*/) const {
    return RangeIn(Bounds().y, inSignDomain, foundRange);
}

void CurvePlottable::draw(QCPPainter* painter) {
    const QCPAxis* xAxis = keyAxis();
    const QCPAxis* yAxis = valueAxis();
    if (!xAxis || !yAxis || points_.Empty()) return;

    const auto& points = points_.Points();
    const QCPRange xRange = xAxis->range();
    const auto [begin, end] = PointsAcross(points, xRange.lower, xRange.upper);
    const std::vector<Stroke> strokes =
        TraceCurve(points, begin, end, MappingOf(*xAxis), MappingOf(*yAxis), colouring_, seriesColour_);

    applyDefaultAntialiasingHint(painter);
    QPen pen = mPen;
    for (const Stroke& stroke : strokes) {
        pen.setColor(ToQColor(stroke.colour));
        painter->setPen(pen);
        painter->drawPolyline(stroke.polyline);
    }
}

void CurvePlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
    painter->setPen(mPen);
    painter->drawLine(QLineF(rect.left(), rect.center().y(), rect.right(), rect.center().y()));
}

}  // namespace chart
