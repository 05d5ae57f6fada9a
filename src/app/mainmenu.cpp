#include "mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu buildMainMenu(QWidget &window)
{
    MainMenu m;
    m.bar = new QMenuBar(&window);
    m.bar->setObjectName(QStringLiteral("MainMenu"));
    m.bar->setNativeMenuBar(false);

    m.file = m.bar->addMenu(QStringLiteral("&Файл"));
    m.file->setObjectName(QStringLiteral("FileMenu"));
    m.exit = m.file->addAction(QStringLiteral("В&ыход"));
    m.exit->setObjectName(QStringLiteral("actionExit"));
    m.exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    m.view = m.bar->addMenu(QStringLiteral("&Вид"));
    m.view->setObjectName(QStringLiteral("ViewMenu"));
    m.diveComputer = m.view->addAction(QStringLiteral("&Дайв-компьютер"));
    m.diveComputer->setObjectName(QStringLiteral("actionDiveComputer"));
    m.diveComputer->setCheckable(true);
    m.diveComputer->setShortcut(QKeySequence(Qt::Key_F2));
    m.graph = m.view->addAction(QStringLiteral("&График погружения"));
    m.graph->setObjectName(QStringLiteral("actionGraph"));
    m.graph->setEnabled(false);

    m.help = m.bar->addMenu(QStringLiteral("&Справка"));
    m.help->setObjectName(QStringLiteral("HelpMenu"));
    m.about = m.help->addAction(QStringLiteral("&О программе"));
    m.about->setObjectName(QStringLiteral("actionAbout"));
    return m;
}
