// gui-kelmo: the desktop front end of the range and dE/dx calculator kelmo.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "calc/CalculatorProcess.h"
#include "calc/ModuleState.h"
#include "ui/HandlerGuard.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace {

// Without a display Qt would stop with a long plugin message; say plainly what is missing instead.
bool DisplayMissing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (DisplayMissing()) {
        std::fputs("gui-kelmo: there is no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                   "Start it from a desktop session, or on a virtual one: xvfb-run gui-kelmo\n",
                   stderr);
        return 1;
    }

    // The state the window's handlers share exists before the first window and outlives both.
    calc::ModuleState state;

    QApplication application(argc, argv);
    // Made after the application object, which is what knows the directory of this executable:
    // kelmo is looked for there first, then on PATH.
    const calc::CalculatorLauncher launcher;
    // Closing the main window ends the program even while the About box is still shown.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        TForm1 form1(state, launcher);
        TForm2 form2;
        form1.SetAboutBox(&form2);
        QObject::connect(&form1, &TForm1::Closed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
        form1.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        ui::ShowExceptionBox(nullptr, error.what());
    }
    return 0;
}
