// Building the main window: every control at its place, its texts and fonts, the focus order and the
// wiring of events to handlers. Positions and sizes are in pixels at 96 dpi; on denser screens Qt scales
// the whole window, fonts included.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>
#include <utility>

#include "Unit1.h"
#include "LabelText.h"
#include "WindowFonts.h"
#include "ui/chart/ResultChart.h"

namespace {

constexpr int kClientWidth_px = 792;
constexpr int kClientHeight_px = 492;

// Makes a control as a child of parent and puts it at left, top with the given size.
template <class Control, class... Args>
Control* Place(QWidget* parent, int left, int top, int width, int height, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setGeometry(left, top, width, height);
    return control;
}

// The frame line of a group box runs through the middle of its caption, as the layout was drawn for; in
// styles that put the caption above the frame, the "Energy" label would cross the line.
void DrawCaptionOnFrame(QGroupBox& group) {
    group.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " top: -1px; padding: 0px 2px; background-color: palette(window); }"));
}

// A group box shows its caption in bold, while its controls keep the regular window font. Labels take the
// width of their text in that font (never less than drawn), so a substitute face never clips a caption.
void KeepChildrenRegular(QGroupBox& group) {
    for (QWidget* child : group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setFont(ui::WindowFont(ui::kWindowFontHeight_px));
        if (auto* label = qobject_cast<QLabel*>(child)) ui::FitLabelWidth(*label);
    }
}

}  // namespace

void TForm1::BuildMenu() {
    MainMenu1 = new QMenuBar(this);
    File = MainMenu1->addMenu(QStringLiteral("File"));
    Save = File->addAction(QStringLiteral("Save"));
    Exit = File->addAction(QStringLiteral("Exit"));
    Help = MainMenu1->addMenu(QStringLiteral("Help"));
    About = Help->addAction(QStringLiteral("About"));
}

void TForm1::BuildClientArea() {
    // A fixed-size window with a close button as its only frame button, at the top-left of the screen.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("GUI-Kelmo"));
    setFont(ui::WindowFont(ui::kWindowFontHeight_px));

    // The menu bar sits above the client area; every position below counts from the client area's corner.
    clientArea_ = new QWidget(this);
    clientArea_->setFixedSize(kClientWidth_px, kClientHeight_px);
    auto* frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->setMenuBar(MainMenu1);
    frameLayout->addWidget(clientArea_);
    frameLayout->setSizeConstraint(QLayout::SetFixedSize);

    Bevel1 = Place<QFrame>(clientArea_, 0, 0, 785, 2);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    BuildParticleGroup();

    StatusBar1 = Place<QStatusBar>(clientArea_, 0, 474, 792, 18);
    StatusBar1->setSizeGripEnabled(false);

    BuildTargetGroup();

    Button2 = Place<QPushButton>(clientArea_, 592, 432, 193, 33, QStringLiteral("Run Kelmo"));
    Button2->setFont(ui::WindowFont(ui::kRunButtonFontHeight_px, true));
    QPalette runPalette = Button2->palette();
    runPalette.setColor(QPalette::ButtonText, Qt::black);
    Button2->setPalette(runPalette);

    BuildChartPages();
}

void TForm1::BuildParticleGroup() {
    GroupBox1 = Place<QGroupBox>(clientArea_, 592, 8, 193, 89, QStringLiteral("Particle"));
    Label1 = Place<QLabel>(GroupBox1, 8, 24, 7, 13, QStringLiteral("A"));
    Label2 = Place<QLabel>(GroupBox1, 8, 56, 7, 13, QStringLiteral("Z"));
    Label3 = Place<QLabel>(GroupBox1, 120, 8, 33, 13, QStringLiteral("Energy"));
    ParA = Place<QLineEdit>(GroupBox1, 24, 24, 73, 21);
    ParZ = Place<QLineEdit>(GroupBox1, 24, 56, 73, 21);
    ParE = Place<QLineEdit>(GroupBox1, 104, 24, 81, 21);
    Button6 = Place<QPushButton>(GroupBox1, 104, 56, 81, 21, QStringLiteral("Clear"));
    GroupBox1->setFont(ui::WindowFont(ui::kWindowFontHeight_px, true));
    KeepChildrenRegular(*GroupBox1);
    DrawCaptionOnFrame(*GroupBox1);
}

void TForm1::BuildTargetGroup() {
    Target = Place<QGroupBox>(clientArea_, 592, 120, 193, 289, QStringLiteral("Target"));
    TarA = Place<QLabel>(Target, 8, 28, 7, 13, QStringLiteral("A"));
    TarZ = Place<QLabel>(Target, 8, 72, 7, 13, QStringLiteral("Z"));
    Share = Place<QLabel>(Target, 8, 112, 11, 13, QStringLiteral("W"));
    Density = Place<QLabel>(Target, 16, 260, 35, 13, QStringLiteral("Density"));
    Label4 = Place<QLabel>(Target, 144, 176, 6, 13, QStringLiteral("0"));
    Label5 = Place<QLabel>(Target, 40, 176, 91, 13, QStringLiteral("Total components: "));
    Label6 = Place<QLabel>(Target, 40, 200, 93, 13, QStringLiteral("Current component:"));
    Label7 = Place<QLabel>(Target, 144, 200, 6, 13, QStringLiteral("0"));
    TargetAAA = Place<QLineEdit>(Target, 24, 24, 81, 21);
    TargetZZZ = Place<QLineEdit>(Target, 24, 64, 81, 21);
    CompShare = Place<QLineEdit>(Target, 24, 104, 81, 21);
    Add = Place<QPushButton>(Target, 112, 22, 73, 25, QStringLiteral("Add"));
    Add->setToolTip(QStringLiteral("Add component"));
    TargetDensity = Place<QLineEdit>(Target, 80, 256, 89, 21);
    Button3 = Place<QPushButton>(Target, 112, 62, 73, 25, QStringLiteral("Clear"));
    Button4 = Place<QPushButton>(Target, 112, 104, 73, 25, QStringLiteral("Del Element"));
    Button5 = Place<QPushButton>(Target, 16, 224, 161, 25, QStringLiteral("Clear All"));
    // A drop-down list: the user picks an item but cannot type.
    ComboBox1 = Place<QComboBox>(Target, 24, 144, 161, 21);
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(5);
    Target->setFont(ui::WindowFont(ui::kWindowFontHeight_px, true));
    KeepChildrenRegular(*Target);
    DrawCaptionOnFrame(*Target);
}

void TForm1::BuildChartPages() {
    Graph = Place<QTabWidget>(clientArea_, 0, 8, 585, 465);

    Range = new QWidget;
    Graph->addTab(Range, QStringLiteral("Range [cm]"));
    Chart1 = Place<chart::ResultChart>(Range, 0, 0, 577, 417, chart::ChartKind::Range);
    CheckBoxLogX1 = Place<QCheckBox>(Range, 8, 422, 97, 17, QStringLiteral("LogX"));
    CheckBoxLogY1 = Place<QCheckBox>(Range, 104, 422, 97, 17, QStringLiteral("LogY"));

    EX = new QWidget;
    Graph->addTab(EX, QStringLiteral("dE/dx [MeV/cm]"));
    Chart2 = Place<chart::ResultChart>(EX, 0, 0, 577, 417, chart::ChartKind::Dedx);
    CheckBoxLogX2 = Place<QCheckBox>(EX, 8, 422, 97, 17, QStringLiteral("LogX"));
    CheckBoxLogY2 = Place<QCheckBox>(EX, 104, 422, 97, 17, QStringLiteral("LogY"));

    // The small page-control font is for the tabs and the four boxes; the charts keep the window font.
    for (chart::ResultChart* resultChart : {Chart1, Chart2}) {
        resultChart->setFont(ui::WindowFont(ui::kWindowFontHeight_px));
        resultChart->setFocusPolicy(Qt::NoFocus);
        for (QWidget* inner : resultChart->findChildren<QWidget*>()) inner->setFocusPolicy(Qt::NoFocus);
    }
    Graph->setFont(ui::WindowFont(ui::kPageControlFontHeight_px));
    Graph->setCurrentWidget(Range);
}

void TForm1::SetFocusOrder() {
    // The Tab key walks the particle, then the target, then Run, the page tabs and the boxes of the page
    // in front (the boxes of the page behind are hidden, so Tab passes over them).
    const std::array<QWidget*, 19> order{ParA,      ParZ,          ParE,          Button6,       TargetAAA,
                                         TargetZZZ, CompShare,     Add,           TargetDensity, Button3,
                                         Button4,   Button5,       ComboBox1,     Button2,       Graph,
                                         CheckBoxLogX1, CheckBoxLogY1, CheckBoxLogX2, CheckBoxLogY2};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    // Only the fields, buttons, list, page tabs and boxes take the focus.
    for (QWidget* passive : {static_cast<QWidget*>(MainMenu1), static_cast<QWidget*>(StatusBar1)}) {
        passive->setFocusPolicy(Qt::NoFocus);
    }
    // The focus goes here when the window first becomes active.
    ParA->setFocus();
}

void TForm1::WireHandlers() {
    using Handler = void (TForm1::*)();
    const auto wire = [this](auto* control, auto signal, Handler handler) {
        connect(control, signal, this, [this, handler] { Handle(handler); });
    };

    // Change handlers run on every change of the text, typed or set by the program, nested in the setter.
    for (auto [edit, handler] : std::initializer_list<std::pair<QLineEdit*, Handler>>{
             {ParA, &TForm1::ParAChange},
             {ParZ, &TForm1::ParZChange},
             {ParE, &TForm1::ParEChange},
             {TargetAAA, &TForm1::TargetAAAChange},
             {TargetZZZ, &TForm1::TargetZZZChange},
             {CompShare, &TForm1::CompShareChange},
             {TargetDensity, &TForm1::TargetDensityChange}}) {
        wire(edit, &QLineEdit::textChanged, handler);
    }

    for (auto [button, handler] : std::initializer_list<std::pair<QPushButton*, Handler>>{
             {Button6, &TForm1::Button6Click},
             {Add, &TForm1::AddClick},
             {Button3, &TForm1::Button3Click},
             {Button4, &TForm1::Button4Click},
             {Button5, &TForm1::Button5Click},
             {Button2, &TForm1::Button2Click}}) {
        wire(button, &QPushButton::clicked, handler);
    }

    // A box's handler runs on every change of its ticked state, also when a handler unticks it.
    for (auto [box, handler] : std::initializer_list<std::pair<QCheckBox*, Handler>>{
             {CheckBoxLogX1, &TForm1::CheckBoxLogX1Click},
             {CheckBoxLogY1, &TForm1::CheckBoxLogY1Click},
             {CheckBoxLogX2, &TForm1::CheckBoxLogX2Click},
             {CheckBoxLogY2, &TForm1::CheckBoxLogY2Click}}) {
        wire(box, &QCheckBox::toggled, handler);
    }

    for (auto [action, handler] : std::initializer_list<std::pair<QAction*, Handler>>{
             {Save, &TForm1::SaveClick}, {Exit, &TForm1::ExitClick}, {About, &TForm1::AboutClick}}) {
        wire(action, &QAction::triggered, handler);
    }

    // activated comes only from the user's pick, never from the program's changes of items or selection.
    wire(ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Change);
}

void TForm1::SetInitialTexts() {
    for (QLineEdit* edit : {ParA, ParZ, ParE, TargetDensity, TargetAAA, TargetZZZ, CompShare}) {
        edit->setText(QString());
    }
    ui::SetLabelText(*Label4, QStringLiteral("0"));
}
