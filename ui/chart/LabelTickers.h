#pragma once
// The tick makers of the chart axes: where the ticks go and how their labels read. Labels use our own
// formats and the locale of the program (QLocale()), whatever locale the plot widget carries.

#include <qcustomplot.h>

#include "LabelFormat.h"

namespace chart {

class LinearLabelTicker : public QCPAxisTicker {
public:
    explicit LinearLabelTicker(LabelFormat format) : format_(format) {}

    // Labels never come closer than this step, however far the user zooms in.
    void SetSmallestStep(double step) { smallestStep_ = step; }
    // The top label stands exactly at the axis maximum and the others at whole steps below it, instead
    // of at round multiples of the step.
    void SetTopLabelAtMaximum(bool atMaximum) { topLabelAtMaximum_ = atMaximum; }
    // Minor ticks between two labelled ticks; -1 lets the step decide.
    void SetMinorTickCount(int count) { minorTickCount_ = count; }

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;

private:
    LabelFormat format_;
    double smallestStep_ = 0.0;
    bool topLabelAtMaximum_ = false;
    int minorTickCount_ = -1;
};

class LogLabelTicker : public QCPAxisTickerLog {
public:
    explicit LogLabelTicker(LabelFormat format) : format_(format) {}

protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;

private:
    LabelFormat format_;
};

}  // namespace chart
