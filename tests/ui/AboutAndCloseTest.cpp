// The About box beside the main window, closing the main window, and the error box around handlers.

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <stdexcept>

#include "MainWindowFixture.h"
#include "ui/HandlerGuard.h"

namespace ui_test {
namespace {

TEST_F(MainWindowTest, AboutShowsTheBoxWithoutBlockingTheMainWindow) {
    ShowAndActivate();
    PickMenu(Form().Help, Form().About);

    ASSERT_TRUE(AboutBox().isVisible());
    EXPECT_EQ(AboutBox().windowTitle(), "About");
    EXPECT_EQ(AboutBox().pos(), QPoint(212, 221));
    EXPECT_EQ(AboutBox().size(), QSize(298, 90));
    EXPECT_EQ(AboutBox().Label1->text(), "GUI-Kelmo-C");
    EXPECT_TRUE(AboutBox().Label1->font().bold());
    EXPECT_EQ(AboutBox().Button1->text(), "OK");
    for (QLabel* line : {AboutBox().Label2, AboutBox().Label3}) EXPECT_FALSE(line->text().isEmpty());

    // Not modal: the main window goes on taking input.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    Type(Form().ParA, "4");
    EXPECT_EQ(Status(), "kelmo -a 4 -e  -z  - c 1,1,1.000 -d ");
}

TEST_F(MainWindowTest, AboutHiddenByOkOrByItsFrameComesBackWhereItWas) {
    ShowAndActivate();
    PickMenu(Form().Help, Form().About);
    AboutBox().move(300, 310);  // the user dragged it

    // About again while it is shown changes nothing.
    PickMenu(Form().Help, Form().About);
    EXPECT_TRUE(AboutBox().isVisible());
    EXPECT_EQ(AboutBox().pos(), QPoint(300, 310));

    Click(AboutBox().Button1);
    EXPECT_FALSE(AboutBox().isVisible());
    PickMenu(Form().Help, Form().About);
    EXPECT_TRUE(AboutBox().isVisible());
    EXPECT_EQ(AboutBox().pos(), QPoint(300, 310));

    QSignalSpy closed(&Form(), &TForm1::Closed);
    EXPECT_TRUE(AboutBox().close());
    EXPECT_FALSE(AboutBox().isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(Form().isVisible());
    PickMenu(Form().Help, Form().About);
    EXPECT_TRUE(AboutBox().isVisible());
}

TEST_F(MainWindowTest, ExitDeletesTheResultFileAndEndsTheProgramOnce) {
    ShowAndActivate();
    TypeValidRequest();
    Click(Form().Button2);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(ResultFilePath())));
    QSignalSpy closed(&Form(), &TForm1::Closed);

    PickMenu(Form().File, Form().Exit);

    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ResultFilePath())));
}

TEST_F(MainWindowTest, ClosingTheMainWindowWhileAboutIsShownEndsTheProgram) {
    ShowAndActivate();
    PickMenu(Form().Help, Form().About);
    QSignalSpy closed(&Form(), &TForm1::Closed);

    EXPECT_TRUE(Form().close());

    EXPECT_EQ(closed.count(), 1);
}

TEST(HandlerGuard, AnEscapingExceptionIsShownInAModalBoxAndTheProgramGoesOn) {
    QString shown;
    AnswerNextModal([&shown](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    bool restOfHandlerRan = false;

    ui::RunHandler(nullptr, [&restOfHandlerRan] {
        throw std::runtime_error("Logarithmic Axis Min and Max values should be >= 0");
        restOfHandlerRan = true;
    });

    EXPECT_EQ(shown, "Logarithmic Axis Min and Max values should be >= 0");
    EXPECT_FALSE(restOfHandlerRan);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace ui_test
