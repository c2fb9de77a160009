#pragma once
// What a "LogX" / "LogY" box does when its ticked state changes.

#include <QString>
#include <functional>

class QCheckBox;

namespace chart {

class ChartAxis;

inline const char* const kLogAxisRefused = "Logaritmic axis can not begin from negativ value!";

// Unticked: the axis becomes linear. Ticked: the axis becomes logarithmic when its minimum is above 0;
// otherwise the box is unticked again and setStatusText receives the refusal.
void LogAxisBoxClicked(QCheckBox& box, ChartAxis& axis, const std::function<void(const QString&)>& setStatusText);

}  // namespace chart
