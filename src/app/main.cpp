// Loopwright: a closed-circuit rebreather dive trainer.

#include "loopwrightapp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display and without a platform chosen, Qt would abort with a long
// plugin message; one clear line is kinder.
bool displayAvailable()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                "loopwright: no display to open the window on (DISPLAY is not set); "
                "start it from a desktop session, or try loopwright-sim for a "
                "dive without a window.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    LoopwrightApp::nameApplication();

    LoopwrightApp program(LoopwrightApp::settingsLocation());
    program.startUp();
    program.showWindows();
    return QApplication::exec();
}
