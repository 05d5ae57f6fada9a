#include "loopwrightapp.h"

#include "setup/formsettings.h"
#include "profile/settingsfile.h"
#include "util/error.h"

#include <QCoreApplication>
#include <QFile>

std::filesystem::path LoopwrightApp::settingsBesideProgram()
{
    // The bytes of the folder's name as the file system holds them.
    const QByteArray folder = QFile::encodeName(QCoreApplication::applicationDirPath());
    return std::filesystem::path(folder.toStdString()) / "config.ini";
}

LoopwrightApp::LoopwrightApp(std::optional<std::filesystem::path> settingsFile)
    : m_settingsFile(std::move(settingsFile))
{
    form.setDialogs(&about, &graph, &details);
    form.setSettingsFile(m_settingsFile);
    QObject::connect(&details, &TLoopdetales::failed, &form, &TForm1::reportError);
}

void LoopwrightApp::startUp()
{
    if (m_settingsFile) {
        const SettingsFile file(*m_settingsFile);
        loadMainWindow(file, form);
        loadLoopDetails(file, form);
    }
    try {
        details.derive();
    } catch (const LoopwrightError &e) {
        form.reportError(QString::fromUtf8(e.what()));
    }
}
