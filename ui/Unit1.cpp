#include "Unit1.h"

#include <QCloseEvent>
#include <QLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "FramePosition.h"
#include "HandlerGuard.h"
#include "Unit2.h"
#include "calc/CalculatorRun.h"
#include "calc/ModuleState.h"

TForm1::TForm1(calc::ModuleState& state, const calc::CalculatorLauncher& launcher, QWidget* parent)
    : QWidget(parent), state_(state), launcher_(launcher) {
    BuildMenu();
    BuildClientArea();
    SetFocusOrder();
    WireHandlers();
    SetInitialTexts();
    Handle(&TForm1::FormCreate);
    // The size is final only once the layout has run; the frame's corner goes to the screen's corner.
    layout()->activate();
    ui::PlaceFrameAt(*this, QPoint(0, 0));
}

TForm1::~TForm1() = default;

void TForm1::SetAboutBox(TForm2* aboutBox) { aboutBox_ = aboutBox; }

void TForm1::Handle(void (TForm1::*handler)()) {
    ui::RunHandler(this, [this, handler] { (this->*handler)(); });
}

void TForm1::FormCreate() {
    state_.ReadTempDir();
    ComboBox1->clear();
    StatusBar1->showMessage(QStringLiteral("Ready to start!"));
}

void TForm1::FormClose() { calc::DeleteResultFile(state_); }

void TForm1::closeEvent(QCloseEvent* event) {
    Handle(&TForm1::FormClose);
    event->accept();
    emit Closed();
}

// Emptying a field that held text raises its change handler, which previews the command line again.
void TForm1::Button6Click() {
    ParA->setText(QString());
    ParZ->setText(QString());
    ParE->setText(QString());
}

void TForm1::ExitClick() { close(); }

// Shows the About box without making it modal; a box already shown stays where it is, in front or not.
void TForm1::AboutClick() {
    if (aboutBox_ != nullptr) aboutBox_->show();
}
