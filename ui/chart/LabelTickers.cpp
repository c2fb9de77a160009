#include "LabelTickers.h"

#include <algorithm>
#include <cmath>

namespace chart {

double LinearLabelTicker::getTickStep(const QCPRange& range) {
    return std::max(QCPAxisTicker::getTickStep(range), smallestStep_);
}

int LinearLabelTicker::getSubTickCount(double tickStep) {
    return minorTickCount_ >= 0 ? minorTickCount_ : QCPAxisTicker::getSubTickCount(tickStep);
}

QString LinearLabelTicker::getTickLabel(double tick, const QLocale& /*locale*/, QChar /*formatChar*/,
                                        int /*precision*/) {
    return FormatAxisLabel(tick, format_, QLocale());
}

QVector<double> LinearLabelTicker::createTickVector(double tickStep, const QCPRange& range) {
    if (!topLabelAtMaximum_ || !(tickStep > 0.0)) return QCPAxisTicker::createTickVector(tickStep, range);

    // Counting down from the maximum leaves rounding dust where a tick should be exactly 0 (3 - 3 * 1.0
    // can come out as -4.4e-16 and would read -4.4E-16); such ticks are set to 0.
    const double dust = tickStep * 1e-9;
    const auto steps = static_cast<long long>(std::floor((range.upper - range.lower) / tickStep + 1e-9));
    QVector<double> ticks;
    ticks.reserve(static_cast<qsizetype>(steps + 3));
    // One tick beyond each end, so that the minor ticks reach the ends of the axis.
    for (long long k = steps + 1; k >= -1; --k) {
        double tick = range.upper - static_cast<double>(k) * tickStep;
        if (std::fabs(tick) < dust) tick = 0.0;
        ticks.push_back(tick);
    }
    return ticks;
}

QString LogLabelTicker::getTickLabel(double tick, const QLocale& /*locale*/, QChar /*formatChar*/,
                                     int /*precision*/) {
    return FormatAxisLabel(tick, format_, QLocale());
}

}  // namespace chart
