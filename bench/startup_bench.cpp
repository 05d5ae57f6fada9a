// Start-up to the first painted main window, as a user meets it: from the
// top of main (application object, fonts, the four windows, reading a
// config.ini with the eCCR type and twenty named presets, the loop details
// derivation, show) to the end of the main window's first paint. Prints the
// milliseconds and exits; run it several times for a spread.
// Run: QT_QPA_PLATFORM=offscreen build/bench/startup_bench

#include "app/loopwrightapp.h"
#include "engine/parameters.h"
#include "profile/settingsfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

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
// A settings file as a user who has saved a few set-ups has it.
std::filesystem::path writeTypicalSettings()
{
    const auto folder = std::filesystem::temp_directory_path()
            / ("loopwright-startup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "config.ini";
    SettingsFile file(path);
    auto writeState = [&file](const std::string &prefix, const char *edits, const char *detales,
                              const char *radios, const char *checks) {
        for (const FieldInfo &f : kFields)
            file.WriteString(prefix + edits, editName(f.edit), f.defaultText);
        for (int i = 1; i <= 4; ++i)
            file.WriteString(prefix + detales, "Edit" + std::to_string(i), i == 2 ? "1" : "6");
        for (int i = 2; i <= 5; ++i)
            file.WriteBool(prefix + radios, "RadioButton" + std::to_string(i), i == 2);
        for (const CheckInfo &c : kChecks)
            file.WriteBool(prefix + checks, c.control, c.defaultChecked);
    };
    writeState("", "TEdit", "Detales", "TRadioButton", "TCheckBox");
    for (int i = 1; i <= 20; ++i) {
        const std::string name = "Настройка " + std::to_string(i);
        file.WriteString("Listboxvalue", name, "");
        writeState(name, "Tedit", "Detales", "TRadiobutton", "TCheckbox");
    }
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    const std::filesystem::path settings = writeTypicalSettings();
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    LoopwrightApp program(settings);
    program.startUp();
    FirstPaint filter;
    filter.clock = &clock;
    program.form.installEventFilter(&filter);
    program.form.show();
    const int status = QApplication::exec();
    std::filesystem::remove_all(settings.parent_path());
    return status;
}
