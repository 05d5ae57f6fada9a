#include "loopwrightapp.h"

#include "app/pictures.h"
#include "controls/qtext.h"
#include "profile/settingsfile.h"
#include "profile/settingslocation.h"
#include "setup/formsettings.h"
#include "util/error.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>

void LoopwrightApp::nameApplication()
{
    // No display name: Qt on X11 appends it to every window's caption, and
    // the captions are to read exactly as designed.
    QCoreApplication::setApplicationName(QStringLiteral("Loopwright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("loopwright"));
    QGuiApplication::setWindowIcon(loopwrightIcon());
}

std::filesystem::path LoopwrightApp::settingsLocation()
{
    // The bytes of the folders' names as the file system holds them.
    return chooseSettingsFile(onDisk(QCoreApplication::applicationDirPath()),
            onDisk(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

LoopwrightApp::LoopwrightApp(std::optional<std::filesystem::path> settingsFile)
    : m_settingsFile(std::move(settingsFile))
{
    form.setDialogs(&about, &graph, &details);
    form.setDiveComputer(&diveComputer);
    form.menu().diveComputer->setChecked(ProgramOptions {}.diveComputerOpen);
    form.setSettingsFile(m_settingsFile);
    QObject::connect(&details, &TLoopdetales::failed, &form, &TForm1::reportError);
}

void LoopwrightApp::startUp()
{
    bool firstStart = false;
    if (m_settingsFile) {
        std::error_code error;
        firstStart = std::filesystem::symlink_status(*m_settingsFile, error).type()
                == std::filesystem::file_type::not_found;
        SettingsFile file(*m_settingsFile);
        file.ReadOnce();
        loadMainWindow(file, form);
        loadLoopDetails(file, form);
        const ProgramOptions options = loadOptions(file);
        form.menu().diveComputer->setChecked(options.diveComputerOpen);
        m_keptLanguage = options.language;
        form.setKeptLanguage(m_keptLanguage);
        state.gradientFactors = options.gradientFactors;
        form.setExportFolder(options.exportFolder);
        // The program starts on the loop with the bailout cylinders full.
        state.bailout = options.bailout;
        state.bailoutLeft = {state.bailout.gases[0].litres, state.bailout.gases[1].litres};
        diveComputer.simulationChanged(); // its pair, whether shown or not
    }
    try {
        details.derive();
    } catch (const LoopwrightError &e) {
        form.reportError(TLoopdetales::failureMessage(e));
    }
    // Without any settings the fields would all be empty: the window comes
    // ready to dive instead, as "Дефолт" and then "eCCR" would leave it.
    if (firstStart) {
        form.Button3Click();
        static_cast<FormControls &>(form).setTypeChecked(RebreatherType::eCCR, true);
    }
}

void LoopwrightApp::chooseLanguage(std::optional<Language> commandLine)
{
    // The language of the messages (LANGUAGE, LC_MESSAGES, LANG), "C" when none.
    const QString system = QLocale::system().uiLanguages().value(0);
    applyLanguage(::chooseLanguage(commandLine, m_keptLanguage, system));
}

void LoopwrightApp::showWindows()
{
    form.show();
    form.showDiveComputer(form.menu().diveComputer->isChecked());
}
