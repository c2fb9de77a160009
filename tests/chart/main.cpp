#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// The charts are widgets: they need an application object, and the tests draw them without a screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Labels follow the program's locale; the expected texts are written for the C locale.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
