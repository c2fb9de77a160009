#pragma once
// A fresh main window and About box for every test, with TEMP pointing at a folder of the test's own and
// the fake kelmo as the calculator; and the few gestures a user makes: typing into a field, clicking a
// button, picking a menu command.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

#include "calc/CalculatorProcess.h"
#include "calc/EnvironmentGuard.h"
#include "calc/FakeCalculator.h"
#include "calc/ModuleState.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

// Readable QStrings in the messages of failed checks.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ui_test {

// Hands the next modal window that opens (a dialog or an error box) to answer, from within its own loop.
// Gives up after five seconds, so that a window that never opened cannot be answered in a later test.
inline void AnswerNextModal(std::function<void(QWidget&)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto ticksLeft = std::make_shared<int>(500);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, ticksLeft] {
        if (--*ticksLeft < 0) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(*modal);
        }
    });
    poll->start();
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : temp_("TEMP", tempFolder_.path().toStdString()),
          launcher_(fake_.ProgramDirectory()),
          form_(std::make_unique<TForm1>(state_, launcher_)) {
        form_->SetAboutBox(&about_);
    }

    // Shows the main window and waits until it has the keyboard focus, as after the program's start.
    void ShowAndActivate() {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    TForm1& Form() { return *form_; }
    TForm2& AboutBox() { return about_; }
    calc_test::FakeCalculator& Fake() { return fake_; }
    calc::ModuleState& State() { return state_; }
    std::string ResultFilePath() const { return tempFolder_.filePath("kelmo.out").toStdString(); }
    QString Status() const { return form_->StatusBar1->currentMessage(); }

    // Clicks into the field and types the text at its end.
    static void Type(QLineEdit* field, const QString& text) {
        QTest::mouseClick(field, Qt::LeftButton);
        field->end(false);
        QTest::keyClicks(field, text);
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // A box takes clicks on its square and its caption only, not on the empty rest of its width.
    static void Click(QCheckBox* box) {
        QStyleOptionButton option;
        option.initFrom(box);
        QTest::mouseClick(box, Qt::LeftButton, {},
                          box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center());
    }

    // Opens the menu from the menu bar with the mouse and clicks the command in it.
    void PickMenu(QMenu* menu, QAction* command) {
        QMenuBar* bar = form_->MainMenu1;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
    }

    // Types one target component and presses Add.
    void AddComponent(const QString& a, const QString& z, const QString& w) {
        form_->TargetAAA->clear();
        form_->TargetZZZ->clear();
        form_->CompShare->clear();
        Type(form_->TargetAAA, a);
        Type(form_->TargetZZZ, z);
        Type(form_->CompShare, w);
        Click(form_->Add);
    }

    // The user picks an item of the component list with the keyboard, which the list reports as a pick.
    void PickComponent(int index) {
        QComboBox* list = form_->ComboBox1;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    }

    // A particle and a density that pass the check: helium of 10 MeV in graphite.
    void TypeValidRequest() {
        Type(form_->ParA, "4");
        Type(form_->ParZ, "2");
        Type(form_->ParE, "10");
        Type(form_->TargetDensity, "2.26");
    }

private:
    QTemporaryDir tempFolder_;
    calc_test::EnvironmentGuard temp_;
    calc_test::FakeCalculator fake_;
    calc::CalculatorLauncher launcher_;
    calc::ModuleState state_;
    TForm2 about_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace ui_test
