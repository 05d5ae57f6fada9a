// main() of every widget test program: one QApplication for all its tests.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Offscreen unless told otherwise, also when ctest lists the cases: a Qt
    // program with no display and no platform would abort.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Closing a test's last window must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
