#include "faultsmenu.h"

#include "engine/simulationstate.h"
#include "mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

FaultsMenu::FaultsMenu(const MainMenu &menu, SimulationState &state) : m_state(state)
{
    m_menu = new QMenu(QStringLiteral("&Неисправности"), menu.bar);
    m_menu->setObjectName(QStringLiteral("FaultsMenu"));
    menu.bar->insertMenu(menu.help->menuAction(), m_menu);
    auto valve = [this](const QString &text, const char *name, bool SimulationState::*open) {
        QAction *action = m_menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        QObject::connect(action, &QAction::toggled, m_menu,
                [this, open](bool closed) { m_state.*open = !closed; });
        return action;
    };
    m_o2Closed = valve(QStringLiteral("&Кислородный баллон закрыт"), "actionO2Closed",
            &SimulationState::o2ValveOpen);
    m_dilClosed = valve(QStringLiteral("&Баллон дилюента закрыт"), "actionDilClosed",
            &SimulationState::dilValveOpen);
    // Opening the menu shows the valves as they are, whatever changed them.
    QObject::connect(m_menu, &QMenu::aboutToShow, m_menu, [this] { refresh(); });
    refresh();
}

void FaultsMenu::refresh()
{
    m_o2Closed->setChecked(!m_state.o2ValveOpen);
    m_dilClosed->setChecked(!m_state.dilValveOpen);
}
