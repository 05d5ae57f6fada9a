// Loopwright: a closed-circuit rebreather dive trainer.

#include "commandline.h"
#include "loopwrightapp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Without a display and without a platform chosen, Qt would abort with a long
// plugin message; one clear line is kinder.
bool displayAvailable()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

bool answered(const char *text)
{
    return std::fputs(text, stdout) != EOF && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Help and version need no display, and neither reads the settings. A
    // text that could not be written is no answer: status 3, as for the
    // simulator.
    switch (commandline::request(argc, argv)) {
    case commandline::Request::help:
        return answered(commandline::usage()) ? 0 : 3;
    case commandline::Request::version:
        return answered(commandline::versionLine()) ? 0 : 3;
    case commandline::Request::run:
        break;
    }
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

    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QApplication::arguments();
    if (const auto unknown = commandline::unknownArgument(arguments)) {
        std::fprintf(stderr, "loopwright: %s '%s'\n%s",
                unknown->startsWith(QLatin1Char('-')) ? "unknown option" : "unexpected argument",
                qUtf8Printable(*unknown), commandline::usage());
        return 2;
    }
    std::optional<Language> language;
    try {
        language = languageArgument(arguments);
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "loopwright: %s\nusage: loopwright [--lang ru|en]\n", e.what());
        return 2;
    }

    LoopwrightApp program(LoopwrightApp::settingsLocation());
    program.startUp();
    program.chooseLanguage(language);
    program.showWindows();
    return QApplication::exec();
}
