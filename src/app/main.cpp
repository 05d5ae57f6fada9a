// Loopwright: a closed-circuit rebreather dive trainer.

#include "engine/simulationstate.h"
#include "graph/divehistory.h"
#include "graph/tdivegraph.h"
#include "pictures.h"
#include "taboutform.h"
#include "tform1.h"
#include "tloopdetales.h"
#include "util/error.h"

#include <QApplication>
#include <QGuiApplication>

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
    QGuiApplication::setApplicationName(QStringLiteral("Loopwright"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Loopwright v0.94beta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("loopwright"));
    QApplication::setWindowIcon(loopwrightIcon());

    // One simulation state and one history for the program's run.
    SimulationState state;
    DiveHistory history;

    TForm1 form(state, history);
    TAboutForm about(&form);
    TDiveGraph graph(history, &form);
    TLoopdetales details(form.params(), &form);
    form.setDialogs(&about, &graph, &details);
    QObject::connect(&details, &TLoopdetales::failed, &form, &TForm1::reportError);

    // The loop details dialog derives the loop volume fields once at start-up.
    try {
        details.derive();
    } catch (const LoopwrightError &e) {
        form.reportError(QString::fromUtf8(e.what()));
    }

    form.show();
    return QApplication::exec();
}
