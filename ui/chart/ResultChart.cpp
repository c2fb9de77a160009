#include "ResultChart.h"

#include <QVBoxLayout>
#include <qcustomplot.h>

#include "CurvePlottable.h"
#include "PlotAxis.h"

namespace chart {

namespace {

// What sets the two charts apart.
struct ChartLook {
    const char* title;
    CurveColouring colouring;
    LabelFormat bottomLabels;
    LabelFormat leftLabels;
    bool silverGrid;
    int leftMinorTicks;           // -1: as the step suggests
    double leftSmallestStep;      // 0: no limit
    bool leftTopLabelAtMaximum;   // false: labels at round multiples of the step
};

constexpr ChartLook kRangeLook{"Range", CurveColouring::SeriesColour, LabelFormat::GroupedThreeDecimals,
                               LabelFormat::ScientificTwoDigitExponent, false, -1, 0.00001, true};
constexpr ChartLook kDedxLook{"dE/dx", CurveColouring::LaterPointColour, LabelFormat::ScientificShortExponent,
                              LabelFormat::ScientificTwoDigitExponent, true, 10, 0.0, false};

const QColor kSilver(192, 192, 192);
const QColor kTitleBlue(0, 0, 255);

QFont TitleFont() {
    QFont font;
    // Liberation Sans has Arial's metrics and stands in where Arial is not installed.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

// The series the calculation run fills: every change asks for one redraw, which comes once control is
// back in the event loop, so a run that adds a million points leads to one drawing.
class RedrawingSeries final : public calc::SeriesSink {
public:
    RedrawingSeries(calc::PointSeries& points, QCustomPlot& plot, ChartView& view)
        : points_(points), plot_(plot), view_(view) {}

    void Clear() override {
        points_.Clear();
        // New results are shown whole, whatever part of the old ones the user had zoomed into.
        view_.zoomed = false;
        plot_.replot(QCustomPlot::rpQueuedReplot);
    }
    void AddPoint(double x, double y, std::string_view label, calc::Rgb colour) override {
        points_.AddPoint(x, y, label, colour);
        plot_.replot(QCustomPlot::rpQueuedReplot);
    }

private:
    calc::PointSeries& points_;
    QCustomPlot& plot_;
    ChartView& view_;
};

}  // namespace

struct ResultChart::Impl {
    Impl(const ChartLook& look, QWidget* owner)
        : plot(new QCustomPlot(owner)),
          bottom(*plot, *plot->xAxis, view, look.bottomLabels),
          left(*plot, *plot->yAxis, view, look.leftLabels),
          curve(new CurvePlottable(plot->xAxis, plot->yAxis, points, look.colouring, calc::kRed)),
          series(points, *plot, view) {}

    calc::PointSeries points;
    ChartView view;
    QCustomPlot* plot;  // owned by the chart widget
    PlotAxis bottom;
    PlotAxis left;
    CurvePlottable* curve;  // owned by the plot
    RedrawingSeries series;
};

ResultChart::ResultChart(ChartKind kind, QWidget* parent) : QWidget(parent) {
    const ChartLook& look = kind == ChartKind::Range ? kRangeLook : kDedxLook;
    impl_ = std::make_unique<Impl>(look, this);
    QCustomPlot& plot = *impl_->plot;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&plot);

    plot.setBackground(kSilver);
    plot.axisRect()->setBackground(Qt::white);
    plot.setCursor(Qt::CrossCursor);
    plot.legend->setVisible(false);
    // Room on the right for half of the last bottom label, which stands at the end of the axis.
    plot.axisRect()->setMinimumMargins(QMargins(0, 0, 18, 0));

    plot.plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(&plot, QString::fromLatin1(look.title), TitleFont());
    title->setTextColor(kTitleBlue);
    title->setTextFlags(Qt::AlignRight | Qt::AlignVCenter);
    title->setMargins(QMargins(0, 4, 10, 2));
    plot.plotLayout()->addElement(0, 0, title);

    if (look.silverGrid) {
        for (QCPAxis* axis : {plot.xAxis, plot.yAxis}) axis->grid()->setPen(QPen(kSilver, 0, Qt::DotLine));
    }
    LinearLabelTicker& leftTicks = impl_->left.LinearTicks();
    leftTicks.SetMinorTickCount(look.leftMinorTicks);
    leftTicks.SetSmallestStep(look.leftSmallestStep);
    leftTicks.SetTopLabelAtMaximum(look.leftTopLabelAtMaximum);

    plot.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    // A double click leaves the zoom and shows every point again.
    connect(&plot, &QCustomPlot::mouseDoubleClick, this, [this] {
        impl_->view.zoomed = false;
        impl_->plot->replot();
    });
    connect(&plot, &QCustomPlot::beforeReplot, this, [this] {
        if (impl_->view.zoomed) return;
        const SeriesBounds& bounds = impl_->curve->Bounds();
        impl_->bottom.ShowAll(bounds.x);
        impl_->left.ShowAll(bounds.y);
    });
}

ResultChart::~ResultChart() {
    // The plot draws from the points held here: it goes first.
    delete impl_->plot;
}

calc::SeriesSink& ResultChart::Series() { return impl_->series; }
const calc::PointSeries& ResultChart::Points() const { return impl_->points; }
ChartAxis& ResultChart::BottomAxis() { return impl_->bottom; }
ChartAxis& ResultChart::LeftAxis() { return impl_->left; }
QCustomPlot& ResultChart::Plot() { return *impl_->plot; }

}  // namespace chart
