// Redrawing a result chart that holds 10^6 points, at the chart's size in the main window (577 x 417),
// on linear and on logarithmic axes. Goal: at most 50 ms a redraw.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <qcustomplot.h>

#include "ui/chart/ResultChart.h"

namespace {

constexpr int kPoints = 1'000'000;

// A calculator-like curve: energies on a log grid, dE/dx with a peak at the low end.
void Fill(calc::SeriesSink& series) {
    series.Clear();
    for (int i = 0; i < kPoints; ++i) {
        const double energy_MeV = 0.001 * std::pow(1.0e6, double(i) / (kPoints - 1));
        const double dedx_MeV_cm = 800.0 * energy_MeV / (0.01 + energy_MeV * energy_MeV) * std::log1p(10 * energy_MeV);
        series.AddPoint(energy_MeV, dedx_MeV_cm, {}, calc::kBlue);
    }
}

std::unique_ptr<chart::ResultChart> FilledChart(chart::ChartKind kind, bool logarithmic) {
    auto chart = std::make_unique<chart::ResultChart>(kind);
    chart->resize(577, 417);
    chart->show();
    Fill(chart->Series());
    chart->BottomAxis().SetLogarithmic(logarithmic);
    chart->LeftAxis().SetLogarithmic(logarithmic);
    QCoreApplication::processEvents();
    return chart;
}

// A redraw of unchanged points, as after a resize, a page change or a mouse zoom step.
void BM_Redraw(benchmark::State& state) {
    const auto kind = state.range(0) == 0 ? chart::ChartKind::Range : chart::ChartKind::Dedx;
    const bool logarithmic = state.range(1) != 0;
    const auto chart = FilledChart(kind, logarithmic);
    for (auto _ : state) chart->Plot().replot(QCustomPlot::rpImmediateRefresh);
    state.SetLabel(std::string(kind == chart::ChartKind::Range ? "range" : "dE/dx") + (logarithmic ? ", log" : ", linear"));
}
BENCHMARK(BM_Redraw)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// The first drawing after a run, which also measures the new points for the axis ranges.
void BM_FirstDrawingAfterARun(benchmark::State& state) {
    const bool logarithmic = state.range(0) != 0;
    const auto chart = FilledChart(chart::ChartKind::Dedx, logarithmic);
    calc::SeriesSink& series = chart->Series();
    for (auto _ : state) {
        // One more point changes the series, as a run does, without timing a million additions.
        series.AddPoint(1.0e3, 1.0, {}, calc::kBlue);
        chart->Plot().replot(QCustomPlot::rpImmediateRefresh);
    }
    state.SetLabel(logarithmic ? "log" : "linear");
}
BENCHMARK(BM_FirstDrawingAfterARun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
