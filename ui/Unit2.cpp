#include "Unit2.h"

#include <QLabel>
#include <QPushButton>

#include "FramePosition.h"
#include "HandlerGuard.h"
#include "WindowFonts.h"

namespace {

constexpr int kClientWidth_px = 298;
constexpr int kClientHeight_px = 90;

// A label at left, top that takes the size of its text.
QLabel* PlaceLabel(QWidget* parent, int left, int top, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    // A small fixed-size tool window with a close button as its only frame button; closing it from the
    // frame only hides it, as the window is not the main one.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("About"));
    setFont(ui::WindowFont(ui::kWindowFontHeight_px));
    setFixedSize(kClientWidth_px, kClientHeight_px);
    ui::PlaceFrameAt(*this, QPoint(212, 221));

    Label1 = PlaceLabel(this, 8, 8, QStringLiteral("GUI-Kelmo-C"), ui::WindowFont(ui::kAboutTitleFontHeight_px, true));
    Label2 = PlaceLabel(this, 8, 48, QStringLiteral("Written by the GUI-Kelmo developers"),
                        ui::WindowFont(ui::kAboutTextFontHeight_px));
    Label3 = PlaceLabel(this, 72, 72, QStringLiteral("gui-kelmo.example.org"),
                        ui::WindowFont(ui::kAboutTextFontHeight_px));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(176, 8, 113, 25);
    // Neither a default nor a cancel button: Enter and Escape do nothing of their own.
    Button1->setAutoDefault(false);
    Button1->setDefault(false);
    Button1->setFocus();

    connect(Button1, &QPushButton::clicked, this, [this] { ui::RunHandler(this, [this] { Button1Click(); }); });
}

void TForm2::Button1Click() { hide(); }
