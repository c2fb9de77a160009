#pragma once
// Helpers for tests that draw a chart: wait for the redraw the chart asked for, render it to an image
// and count the pixels of a colour inside its plot area.

#include <QImage>
#include <QTest>
#include <initializer_list>
#include <qcustomplot.h>

#include "ui/chart/ResultChart.h"

namespace chart_test {

// The chart size of the main window.
inline constexpr int kChartWidth = 577;
inline constexpr int kChartHeight = 417;

// Returns once the chart has drawn itself after the changes made so far.
inline bool WaitForDrawing(chart::ResultChart& chart) {
    bool drawn = false;
    const auto connection = QObject::connect(&chart.Plot(), &QCustomPlot::afterReplot, [&drawn] { drawn = true; });
    const bool ok = QTest::qWaitFor([&drawn] { return drawn; }, 5000);
    QObject::disconnect(connection);
    return ok;
}

// Shows the chart at the size it has in the main window (on the screen-less test platform).
inline void ShowAtWindowSize(chart::ResultChart& chart) {
    chart.resize(kChartWidth, kChartHeight);
    chart.show();
}

// Adds the points (x, y) to the chart's series and waits for the drawing that follows.
inline bool DrawPoints(chart::ResultChart& chart, std::initializer_list<QPointF> points, calc::Rgb colour) {
    for (const QPointF& point : points) chart.Series().AddPoint(point.x(), point.y(), {}, colour);
    return WaitForDrawing(chart);
}

inline QImage Render(chart::ResultChart& chart) {
    chart.Plot().replot();
    return chart.Plot().toPixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// The plot area without its outermost pixels, where the axes and their ticks are drawn.
inline QRect PlotArea(chart::ResultChart& chart) { return chart.Plot().axisRect()->rect().adjusted(6, 6, -6, -6); }

inline bool IsRed(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110; }
inline bool IsBlue(QRgb pixel) { return qBlue(pixel) > 150 && qRed(pixel) < 110 && qGreen(pixel) < 110; }

template <typename Predicate>
int CountPixels(const QImage& image, const QRect& area, Predicate matches) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += matches(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

}  // namespace chart_test
