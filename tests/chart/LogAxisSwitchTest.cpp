#include "ui/chart/LogAxisSwitch.h"

#include <QCheckBox>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <array>

#include "ChartDrawing.h"
#include "QStringPrinter.h"
#include "ui/chart/ResultChart.h"

namespace {

using chart::ChartKind;
using chart::ResultChart;
using namespace chart_test;

const QString kEarlierStatus = QStringLiteral("kelmo -a 1 -e 10 -z 1 -c 1,1,1.000 -d 1");

// The two charts with their four boxes, wired the way the main window wires them: each box runs the
// switch on its own axis whenever its ticked state changes, so unticking from the program runs it again,
// nested. With `onClickOnly` the boxes answer only the user's clicks, as a toolkit may also do.
class LogBoxes {
public:
    explicit LogBoxes(bool onClickOnly = false) {
        auto* layout = new QVBoxLayout(&window_);
        for (ResultChart* chart : {&range_, &dedx_}) {
            chart->setFixedSize(kChartWidth, kChartHeight);
            layout->addWidget(chart);
        }
        const std::array<chart::ChartAxis*, 4> axes = {&range_.BottomAxis(), &range_.LeftAxis(), &dedx_.BottomAxis(),
                                                       &dedx_.LeftAxis()};
        for (int i = 0; i < 4; ++i) {
            QCheckBox* box = &boxes_[i];
            box->setText(i % 2 == 0 ? "LogX" : "LogY");
            layout->addWidget(box);
            axes_[i] = axes[i];
            const auto handler = [this, box, axis = axes[i]] {
                chart::LogAxisBoxClicked(*box, *axis, [this](const QString& text) { status = text; });
            };
            if (onClickOnly) {
                QObject::connect(box, &QCheckBox::clicked, handler);
            } else {
                QObject::connect(box, &QCheckBox::toggled, handler);
            }
        }
        window_.show();
        status = kEarlierStatus;
    }

    // Boxes and axes in the order LogX1, LogY1, LogX2, LogY2.
    QCheckBox& Box(int i) { return boxes_[i]; }
    chart::ChartAxis& Axis(int i) { return *axes_[i]; }
    ResultChart& Range() { return range_; }
    ResultChart& Dedx() { return dedx_; }

    void Click(int i) { QTest::mouseClick(&boxes_[i], Qt::LeftButton, Qt::NoModifier, QPoint(8, boxes_[i].height() / 2)); }

    // A run: both series cleared and filled with points (x, y) for x and y from `lowest` upwards.
    void Run(double lowest, bool waitForDrawing = true) {
        for (ResultChart* chart : {&range_, &dedx_}) {
            chart->Series().Clear();
            for (int i = 0; i < 200; ++i) chart->Series().AddPoint(lowest + i, lowest + 2.0 * i, {}, calc::kBlue);
            if (waitForDrawing) {
                EXPECT_TRUE(WaitForDrawing(*chart));
            }
        }
    }

    QString status;

private:
    QWidget window_;
    ResultChart range_{ChartKind::Range, &window_};
    ResultChart dedx_{ChartKind::Dedx, &window_};
    std::array<QCheckBox, 4> boxes_;
    std::array<chart::ChartAxis*, 4> axes_{};
};

TEST(LogAxisSwitch, EmptyChartsRefuseEveryBox) {
    for (bool onClickOnly : {false, true}) {
        LogBoxes boxes(onClickOnly);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            boxes.status = kEarlierStatus;
            boxes.Click(i);
            EXPECT_FALSE(boxes.Box(i).isChecked());
            EXPECT_FALSE(boxes.Axis(i).Logarithmic());
            EXPECT_EQ(boxes.status, chart::kLogAxisRefused);
        }
    }
}

TEST(LogAxisSwitch, AxisMustBeginAboveZero) {
    const struct {
        double lowest;
        bool accepted;
    } cases[] = {{0.0, false}, {0.0001, true}, {-3.0, false}, {2.5, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lowest);
        LogBoxes boxes;
        boxes.Run(c.lowest);
        for (int i = 0; i < 4; ++i) {
            boxes.Click(i);
            EXPECT_EQ(boxes.Box(i).isChecked(), c.accepted);
            EXPECT_EQ(boxes.Axis(i).Logarithmic(), c.accepted);
        }
        EXPECT_EQ(boxes.status, c.accepted ? kEarlierStatus : QString(chart::kLogAxisRefused));
    }
}

TEST(LogAxisSwitch, EachBoxSwitchesOnlyItsOwnAxis) {
    for (int clicked = 0; clicked < 4; ++clicked) {
        SCOPED_TRACE(clicked);
        LogBoxes boxes;
        boxes.Run(1.0);
        boxes.Click(clicked);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(boxes.Axis(i).Logarithmic(), i == clicked);
            EXPECT_EQ(boxes.Box(i).isChecked(), i == clicked);
        }
        EXPECT_EQ(boxes.status, kEarlierStatus);
    }
}

TEST(LogAxisSwitch, UntickingAlwaysGivesALinearAxisAndKeepsTheStatus) {
    LogBoxes boxes;
    boxes.Run(1.0);
    for (int i = 0; i < 4; ++i) boxes.Click(i);
    // Points beginning below 0 do not hold the axes back.
    boxes.Run(-10.0);
    boxes.status = "an earlier message";
    for (int i = 0; i < 4; ++i) {
        boxes.Click(i);
        EXPECT_FALSE(boxes.Box(i).isChecked());
        EXPECT_FALSE(boxes.Axis(i).Logarithmic());
    }
    EXPECT_EQ(boxes.status, "an earlier message");
}

// A box ticked after one run stays ticked through a run whose points begin at 0; those points are simply
// not drawn, and unticking makes the axis linear without any message.
TEST(LogAxisSwitch, TickedBoxStaysTickedThroughARunFromZero) {
    LogBoxes boxes;
    boxes.Run(0.5);
    for (int i = 0; i < 4; ++i) boxes.Click(i);
    boxes.Run(0.0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(boxes.Box(i).isChecked());
        EXPECT_TRUE(boxes.Axis(i).Logarithmic());
        EXPECT_EQ(boxes.Axis(i).Minimum(), 0.0);
    }
    EXPECT_EQ(boxes.status, kEarlierStatus);
    for (ResultChart* chart : {&boxes.Range(), &boxes.Dedx()}) {
        const QImage image = Render(*chart);
        EXPECT_GT(CountPixels(image, PlotArea(*chart), chart == &boxes.Range() ? IsRed : IsBlue), 100);
    }

    boxes.Click(0);
    EXPECT_FALSE(boxes.Box(0).isChecked());
    EXPECT_FALSE(boxes.Axis(0).Logarithmic());
    EXPECT_EQ(boxes.status, kEarlierStatus);
    // Ticking it again is judged on the new points, which begin at 0.
    boxes.Click(0);
    EXPECT_FALSE(boxes.Box(0).isChecked());
    EXPECT_EQ(boxes.status, chart::kLogAxisRefused);
}

// A click taken before the chart has drawn the new points is judged on the minimum of the last drawing.
// The axis turns logarithmic with points at 0 on it, and the drawing that follows must not fail.
TEST(LogAxisSwitch, ClickBeforeTheRedrawIsJudgedOnTheLastDrawing) {
    LogBoxes boxes;
    boxes.Run(1.0);
    boxes.Run(-5.0, false);
    boxes.Click(3);
    EXPECT_TRUE(boxes.Axis(3).Logarithmic());
    ASSERT_TRUE(WaitForDrawing(boxes.Dedx()));
    EXPECT_EQ(boxes.Axis(3).Minimum(), -5.0);
    EXPECT_TRUE(boxes.Box(3).isChecked());
    const QImage image = Render(boxes.Dedx());
    EXPECT_GT(CountPixels(image, PlotArea(boxes.Dedx()), IsBlue), 100);
}

}  // namespace
