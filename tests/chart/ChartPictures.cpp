// Draws both result charts with a calculator-like curve of a few thousand points and saves them as PNG
// images, linear and logarithmic, for a person to look at: chart_pictures OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <cmath>
#include <cstdio>
#include <qcustomplot.h>

#include "ui/chart/ResultChart.h"

namespace {

// Protons in water, roughly: range grows with energy, dE/dx has its Bragg-like peak at the low end.
void FillLikeARun(chart::ResultChart& rangeChart, chart::ResultChart& dedxChart, int count) {
    rangeChart.Series().Clear();
    dedxChart.Series().Clear();
    for (int i = 0; i < count; ++i) {
        const double energy_MeV = 0.001 * std::pow(250.0 / 0.001, double(i) / (count - 1));
        const double range_cm = 0.0022 * std::pow(energy_MeV, 1.77);
        const double dedx_MeV_cm = 800.0 * energy_MeV / (0.01 + energy_MeV * energy_MeV) * std::log1p(10 * energy_MeV) /
                                   (1.0 + 0.02 * std::log1p(energy_MeV));
        rangeChart.Series().AddPoint(energy_MeV, range_cm, {}, calc::kRed);
        dedxChart.Series().AddPoint(energy_MeV, dedx_MeV_cm, {}, calc::kBlue);
    }
}

bool Save(chart::ResultChart& chart, const QString& path) {
    chart.Plot().replot();
    const bool saved = chart.Plot().toPixmap().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    chart::ResultChart rangeChart(chart::ChartKind::Range);
    chart::ResultChart dedxChart(chart::ChartKind::Dedx);
    for (chart::ResultChart* chart : {&rangeChart, &dedxChart}) {
        chart->resize(577, 417);
        chart->show();
    }
    FillLikeARun(rangeChart, dedxChart, 4000);
    QCoreApplication::processEvents();

    bool ok = Save(rangeChart, folder.filePath("range-linear.png"));
    ok = Save(dedxChart, folder.filePath("dedx-linear.png")) && ok;
    for (chart::ResultChart* chart : {&rangeChart, &dedxChart}) {
        chart->BottomAxis().SetLogarithmic(true);
        chart->LeftAxis().SetLogarithmic(true);
    }
    ok = Save(rangeChart, folder.filePath("range-log.png")) && ok;
    ok = Save(dedxChart, folder.filePath("dedx-log.png")) && ok;
    return ok ? 0 : 1;
}
