#include "mainmenu.h"

#include "language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

void retranslate(const MainMenu &m)
{
    m.file->setTitle(QCoreApplication::translate("MainMenu", "&Файл"));
    m.exit->setText(QCoreApplication::translate("MainMenu", "В&ыход"));
    m.view->setTitle(QCoreApplication::translate("MainMenu", "&Вид"));
    m.diveComputer->setText(QCoreApplication::translate("MainMenu", "&Дайв-компьютер"));
    m.diveComputerSettings->setText(
            QCoreApplication::translate("MainMenu", "&Настройки дайв-компьютера…"));
    m.graph->setText(QCoreApplication::translate("MainMenu", "&График погружения"));
    m.language->setTitle(QCoreApplication::translate("MainMenu", "&Язык"));
    m.help->setTitle(QCoreApplication::translate("MainMenu", "&Справка"));
    m.about->setText(QCoreApplication::translate("MainMenu", "&О программе"));
}

} // namespace

MainMenu buildMainMenu(QWidget &window)
{
    MainMenu m;
    m.bar = new QMenuBar(&window);
    m.bar->setObjectName(QStringLiteral("MainMenu"));
    m.bar->setNativeMenuBar(false);

    m.file = m.bar->addMenu(QString());
    m.file->setObjectName(QStringLiteral("FileMenu"));
    m.exit = m.file->addAction(QString());
    m.exit->setObjectName(QStringLiteral("actionExit"));
    m.exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    m.view = m.bar->addMenu(QString());
    m.view->setObjectName(QStringLiteral("ViewMenu"));
    m.diveComputer = m.view->addAction(QString());
    m.diveComputer->setObjectName(QStringLiteral("actionDiveComputer"));
    m.diveComputer->setCheckable(true);
    m.diveComputer->setShortcut(QKeySequence(Qt::Key_F2));
    m.diveComputerSettings = m.view->addAction(QString());
    m.diveComputerSettings->setObjectName(QStringLiteral("actionDiveComputerSettings"));
    m.graph = m.view->addAction(QString());
    m.graph->setObjectName(QStringLiteral("actionGraph"));
    m.graph->setEnabled(false);

    // Each language is named in itself, so that it can be found whichever is on.
    m.language = m.view->addMenu(QString());
    m.language->setObjectName(QStringLiteral("LanguageMenu"));
    auto *languages = new QActionGroup(m.language);
    m.russian = m.language->addAction(QStringLiteral("Русский"));
    m.russian->setObjectName(QStringLiteral("actionRussian"));
    m.english = m.language->addAction(QStringLiteral("English"));
    m.english->setObjectName(QStringLiteral("actionEnglish"));
    for (QAction *a : {m.russian, m.english}) {
        a->setCheckable(true);
        languages->addAction(a);
    }

    m.help = m.bar->addMenu(QString());
    m.help->setObjectName(QStringLiteral("HelpMenu"));
    m.about = m.help->addAction(QString());
    m.about->setObjectName(QStringLiteral("actionAbout"));
    whenLanguageChanges(m.bar, [m] {
        retranslate(m);
        (currentLanguage() == Language::english ? m.english : m.russian)->setChecked(true);
    });
    return m;
}
