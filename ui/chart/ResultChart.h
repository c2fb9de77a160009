#pragma once
// A chart of one result curve: one series, a title, a bottom (X) and a left (Y) axis, each of which can
// be switched between a linear and a logarithmic scale. Built on QCustomPlot.

#include <QWidget>
#include <memory>

#include "calc/PointSeries.h"

class QCustomPlot;

namespace chart {

// One axis that carries the series.
class ChartAxis {
public:
    virtual ~ChartAxis() = default;
    virtual bool Logarithmic() const = 0;
    // Redraws the chart on the new scale; setting the flag the axis already has changes nothing.
    virtual void SetLogarithmic(bool logarithmic) = 0;
    // The lower end of the range last drawn: the smallest value on this axis at that drawing, 0 while
    // there were no points, or the lower end of the mouse zoom while the chart is zoomed.
    virtual double Minimum() const = 0;
};

enum class ChartKind {
    Range,  // "Range": fast line in the series colour, left axis "0.0E-00", bottom axis "#,##0.###"
    Dedx,   // "dE/dx": each segment in the colour of its later point, "0.0E-00" left, "0.0E-0#" bottom
};

class ResultChart : public QWidget {
    Q_OBJECT
public:
    explicit ResultChart(ChartKind kind, QWidget* parent = nullptr);
    ~ResultChart() override;

    // The chart's one series. Clearing it or adding a point asks for a redraw, which comes once
    // control is back in the event loop.
    calc::SeriesSink& Series();
    const calc::PointSeries& Points() const;

    ChartAxis& BottomAxis();
    ChartAxis& LeftAxis();

    // The plot widget inside, for rendering it to an image (tests, benchmarks) and for its signals.
    QCustomPlot& Plot();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace chart
