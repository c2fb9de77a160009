#include "HandlerGuard.h"

#include <QMessageBox>
#include <QString>
#include <exception>

namespace ui {

void ShowExceptionBox(QWidget* parent, const char* message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("GUI-Kelmo"), QString::fromUtf8(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

void RunHandler(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowExceptionBox(parent, error.what());
    } catch (...) {
        ShowExceptionBox(parent, "An unexpected error stopped this command. The program goes on; "
                                 "if it keeps happening, please report what you did before it.");
    }
}

}  // namespace ui
