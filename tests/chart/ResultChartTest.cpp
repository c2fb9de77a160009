#include "ui/chart/ResultChart.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <cmath>

#include "ChartDrawing.h"
#include "QStringPrinter.h"

namespace {

using chart::ChartKind;
using chart::ResultChart;
using namespace chart_test;

// A curve like the calculator's: energies on a log grid, a range that grows with them and a dE/dx with
// a peak near the low end.
void AddCurve(calc::SeriesSink& series, int count, calc::Rgb colour, double firstX = 0.01, double lastX = 100.0) {
    for (int i = 0; i < count; ++i) {
        const double x = firstX * std::pow(lastX / firstX, double(i) / (count - 1));
        series.AddPoint(x, 2.0 * std::pow(x, 1.7) + 0.001, {}, colour);
    }
}

TEST(ResultChart, SeriesKeepsFallingAndEqualXInOrder) {
    ResultChart chart(ChartKind::Range);
    calc::SeriesSink& series = chart.Series();
    // y numbers the points in the order they were added
    const double xs[] = {5, 4, 4, 3, 5, 1};
    for (int i = 0; i < 6; ++i) series.AddPoint(xs[i], i, {}, calc::kRed);
    std::vector<std::pair<double, double>> drawnOrder;
    for (const calc::ChartPoint& point : chart.Points().Points()) drawnOrder.emplace_back(point.x, point.y);
    EXPECT_EQ(drawnOrder, (std::vector<std::pair<double, double>>{{1, 5}, {3, 3}, {4, 1}, {4, 2}, {5, 0}, {5, 4}}));

    series.Clear();
    EXPECT_TRUE(chart.Points().Empty());
}

// Each chart draws in its own way, whatever colours its points carry: the range curve always in the
// series colour (red), the dE/dx curve in the colours of its points.
TEST(ResultChart, RangeCurveIsRedAndDedxCurveTakesThePointColours) {
    struct Case {
        ChartKind kind;
        calc::Rgb pointColour;
        bool expectRed;
    };
    for (const Case& c : {Case{ChartKind::Range, calc::kRed, true}, Case{ChartKind::Range, calc::kBlue, true},
                          Case{ChartKind::Dedx, calc::kBlue, false}, Case{ChartKind::Dedx, calc::kRed, true}}) {
        SCOPED_TRACE(c.kind == ChartKind::Range ? "range chart" : "dE/dx chart");
        ResultChart chart(c.kind);
        ShowAtWindowSize(chart);
        AddCurve(chart.Series(), 3000, c.pointColour);
        ASSERT_TRUE(WaitForDrawing(chart));
        const QImage image = Render(chart);
        const int red = CountPixels(image, PlotArea(chart), IsRed);
        const int blue = CountPixels(image, PlotArea(chart), IsBlue);
        // The curve crosses the whole plot: hundreds of pixels of its colour, none of the other. (Pixels
        // where the thin line is blended with the white background do not count.)
        EXPECT_GT(c.expectRed ? red : blue, 200);
        EXPECT_EQ(c.expectRed ? blue : red, 0);
    }
}

TEST(ResultChart, DedxSegmentTakesTheColourOfItsLaterPoint) {
    ResultChart chart(ChartKind::Dedx);
    ShowAtWindowSize(chart);
    // The first point's colour belongs to no segment; the first segment is red, the second blue.
    chart.Series().AddPoint(0, 0, {}, calc::kBlue);
    chart.Series().AddPoint(1, 1, {}, calc::kRed);
    chart.Series().AddPoint(2, 0, {}, calc::kBlue);
    ASSERT_TRUE(WaitForDrawing(chart));
    const QImage image = Render(chart);
    const QRect area = PlotArea(chart);
    QRect leftHalf = area, rightHalf = area;
    leftHalf.setRight(area.center().x() - 4);
    rightHalf.setLeft(area.center().x() + 4);
    EXPECT_GT(CountPixels(image, leftHalf, IsRed), 100);
    EXPECT_EQ(CountPixels(image, leftHalf, IsBlue), 0);
    EXPECT_GT(CountPixels(image, rightHalf, IsBlue), 100);
    EXPECT_EQ(CountPixels(image, rightHalf, IsRed), 0);
}

TEST(ResultChart, AxesSpanThePointsAndReportTheirMinimum) {
    ResultChart chart(ChartKind::Range);
    ShowAtWindowSize(chart);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0.0);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0.0);

    chart.Series().AddPoint(3, -2, {}, calc::kRed);
    chart.Series().AddPoint(-1.5, 7, {}, calc::kRed);
    chart.Series().AddPoint(10, 0.5, {}, calc::kRed);
    // The minimum is that of the last drawing: the new points count once the chart has been drawn.
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0.0);
    ASSERT_TRUE(WaitForDrawing(chart));
    EXPECT_EQ(chart.BottomAxis().Minimum(), -1.5);
    EXPECT_EQ(chart.LeftAxis().Minimum(), -2.0);
    EXPECT_EQ(chart.Plot().xAxis->range(), QCPRange(-1.5, 10));
    EXPECT_EQ(chart.Plot().yAxis->range(), QCPRange(-2, 7));

    chart.Series().Clear();
    ASSERT_TRUE(WaitForDrawing(chart));
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0.0);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0.0);
}

TEST(ResultChart, MinimumFollowsTheMouseZoomUntilADoubleClick) {
    ResultChart chart(ChartKind::Dedx);
    ShowAtWindowSize(chart);
    for (int i = 0; i <= 100; ++i) chart.Series().AddPoint(i, i * 0.5, {}, calc::kBlue);
    ASSERT_TRUE(WaitForDrawing(chart));
    ASSERT_EQ(chart.BottomAxis().Minimum(), 0.0);

    QCustomPlot& plot = chart.Plot();
    const QPointF centre = plot.axisRect()->rect().center();
    QWheelEvent zoomIn(centre, plot.mapToGlobal(centre), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    // The plot redraws itself at once after a wheel step or a double click.
    QCoreApplication::sendEvent(&plot, &zoomIn);
    const QCPRange zoomed = plot.xAxis->range();
    EXPECT_GT(zoomed.lower, 10.0);
    EXPECT_LT(zoomed.upper, 90.0);
    EXPECT_EQ(chart.BottomAxis().Minimum(), zoomed.lower);
    EXPECT_EQ(chart.LeftAxis().Minimum(), plot.yAxis->range().lower);
    EXPECT_GT(chart.LeftAxis().Minimum(), 0.0);

    // Redrawing keeps the zoom; a double click shows every point again.
    plot.replot();
    EXPECT_EQ(plot.xAxis->range(), zoomed);
    QTest::mouseDClick(&plot, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    EXPECT_EQ(plot.xAxis->range(), QCPRange(0, 100));
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0.0);
}

TEST(ResultChart, EachAxisWritesItsOwnLabelFormat) {
    struct Case {
        ChartKind kind;
        QCPAxis* QCustomPlot::*axis;
        const char* pattern;
        const char* someLabel;
    };
    // X from 0 to 1500, Y from 0 to 250.
    const Case cases[] = {
        {ChartKind::Range, &QCustomPlot::xAxis, R"(^-?\d{1,3}(,\d{3})*(\.\d{1,3})?$)", "1,500"},
        {ChartKind::Range, &QCustomPlot::yAxis, R"(^-?\d\.\dE-?\d\d$)", "2.5E02"},
        {ChartKind::Dedx, &QCustomPlot::xAxis, R"(^-?\d\.\dE-?[1-9]?\d$)", "1.5E3"},
        {ChartKind::Dedx, &QCustomPlot::yAxis, R"(^-?\d\.\dE-?\d\d$)", "2.0E02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.someLabel);
        ResultChart chart(c.kind);
        ShowAtWindowSize(chart);
        ASSERT_TRUE(DrawPoints(chart, {{0, 0}, {1500, 250}}, calc::kRed));
        const QVector<QString> labels = (chart.Plot().*c.axis)->tickVectorLabels();
        ASSERT_FALSE(labels.isEmpty());
        const QRegularExpression format(c.pattern);
        for (const QString& label : labels) EXPECT_TRUE(format.match(label).hasMatch()) << label.toStdString();
        EXPECT_TRUE(labels.contains(c.someLabel));
    }
}

TEST(ResultChart, RangeLeftAxisLabelsCountDownFromTheMaximum) {
    ResultChart chart(ChartKind::Range);
    ShowAtWindowSize(chart);
    ASSERT_TRUE(DrawPoints(chart, {{1, 0.0123}, {2, 57.3}}, calc::kRed));
    const QCPAxis& left = *chart.Plot().yAxis;
    const QVector<double> ticks = left.tickVector();
    ASSERT_GE(ticks.size(), 3);
    EXPECT_EQ(ticks.last(), 57.3);
    EXPECT_EQ(left.tickVectorLabels().last(), "5.7E01");
    const double step = ticks[ticks.size() - 1] - ticks[ticks.size() - 2];
    for (int i = 1; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i] - ticks[i - 1], step, step * 1e-9);
}

TEST(ResultChart, RangeLeftAxisStepsNoFinerThanAHundredThousandth) {
    ResultChart chart(ChartKind::Range);
    ShowAtWindowSize(chart);
    ASSERT_TRUE(DrawPoints(chart, {{1, 1.0}, {2, 1.00002}}, calc::kRed));
    const QVector<double> ticks = chart.Plot().yAxis->tickVector();
    ASSERT_GE(ticks.size(), 2);
    EXPECT_NEAR(ticks[1] - ticks[0], 0.00001, 1e-12);
}

TEST(ResultChart, DedxLeftAxisHasTenMinorTicksBetweenLabels) {
    ResultChart chart(ChartKind::Dedx);
    ShowAtWindowSize(chart);
    ASSERT_TRUE(DrawPoints(chart, {{0, 0}, {1, 250}}, calc::kBlue));
    QVector<double> ticks, minorTicks;
    QVector<QString> labels;
    chart.Plot().yAxis->ticker()->generate(chart.Plot().yAxis->range(), QLocale::c(), 'g', 6, ticks, &minorTicks,
                                           &labels);
    ASSERT_GE(ticks.size(), 2);
    const double step = ticks[1] - ticks[0];
    const auto between = std::count_if(minorTicks.begin(), minorTicks.end(),
                                       [&](double t) { return t > ticks[0] + step * 1e-9 && t < ticks[1] - step * 1e-9; });
    EXPECT_EQ(between, 10);
}

TEST(ResultChart, TitleIsBoldBlueArialOrItsStandIn) {
    for (ChartKind kind : {ChartKind::Range, ChartKind::Dedx}) {
        ResultChart chart(kind);
        auto* title = qobject_cast<QCPTextElement*>(chart.Plot().plotLayout()->element(0, 0));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), kind == ChartKind::Range ? "Range" : "dE/dx");
        EXPECT_EQ(title->textColor(), QColor(0, 0, 255));
        EXPECT_TRUE(title->textFlags() & Qt::AlignRight);
        const QFontInfo font(title->font());
        EXPECT_TRUE(font.bold());
        EXPECT_EQ(font.pointSize(), 12);
        EXPECT_TRUE(font.family() == "Arial" || font.family() == "Liberation Sans") << font.family().toStdString();
    }
}

// After a run with a log axis already chosen, points at or below 0 are left out of the drawing.
TEST(ResultChart, LogAxisLeavesOutPointsAtOrBelowZero) {
    ResultChart chart(ChartKind::Dedx);
    ShowAtWindowSize(chart);
    AddCurve(chart.Series(), 2000, calc::kBlue, 0.01, 100.0);
    ASSERT_TRUE(WaitForDrawing(chart));
    chart.BottomAxis().SetLogarithmic(true);
    chart.LeftAxis().SetLogarithmic(true);
    chart.Series().Clear();
    chart.Series().AddPoint(-1, 5, {}, calc::kBlue);
    chart.Series().AddPoint(0, 0, {}, calc::kBlue);
    AddCurve(chart.Series(), 2000, calc::kBlue, 0.01, 100.0);
    ASSERT_TRUE(WaitForDrawing(chart));

    EXPECT_TRUE(chart.BottomAxis().Logarithmic());
    EXPECT_EQ(chart.Plot().xAxis->range(), QCPRange(0.01, 100.0));
    EXPECT_EQ(chart.BottomAxis().Minimum(), -1.0);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0.0);
    const QImage image = Render(chart);
    EXPECT_GT(CountPixels(image, PlotArea(chart), IsBlue), 150);
}

}  // namespace
