#include "LogAxisSwitch.h"

#include <QCheckBox>

#include "ResultChart.h"

namespace chart {

void LogAxisBoxClicked(QCheckBox& box, ChartAxis& axis, const std::function<void(const QString&)>& setStatusText) {
    if (!box.isChecked()) {
        axis.SetLogarithmic(false);
        return;
    }
    // Written so that a minimum that is not a number is refused as well.
    if (axis.Minimum() > 0.0) {
        axis.SetLogarithmic(true);
        return;
    }
    // Unticking may run the box's handler once more, nested; it finds the box unticked and keeps the
    // axis linear, so the outcome is the same whether or not the toolkit raises it.
    box.setChecked(false);
    axis.SetLogarithmic(false);
    setStatusText(QString::fromLatin1(kLogAxisRefused));
}

}  // namespace chart
