// Start-up to the first painted main window, as a user meets it: from the
// top of main (application object, fonts, the four windows, the loop details
// derivation, show) to the end of the main window's first paint. Prints the
// milliseconds and exits; run it several times for a spread.
// Run: QT_QPA_PLATFORM=offscreen build/bench/startup_bench

#include "app/loopwrightapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {
class FirstPaint : public QObject
{
public:
    QElapsedTimer *clock = nullptr;
    bool done = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done) {
            done = true;
            // After the paint has been delivered.
            QTimer::singleShot(0, [this] {
                std::printf("%.1f ms to the first painted window\n", clock->nsecsElapsed() / 1e6);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};
} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    LoopwrightApp program(std::nullopt);
    program.startUp();
    FirstPaint filter;
    filter.clock = &clock;
    program.form.installEventFilter(&filter);
    program.form.show();
    return QApplication::exec();
}
