#include "faultsmenu.h"

#include "engine/simulationstate.h"
#include "language.h"
#include "mainmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

void showValves(const SimulationState &state, QAction *o2Closed, QAction *dilClosed)
{
    o2Closed->setChecked(!state.o2ValveOpen);
    dilClosed->setChecked(!state.dilValveOpen);
}

} // namespace

FaultsMenu::FaultsMenu(const MainMenu &menu, SimulationState &state) : m_state(state)
{
    m_menu = new QMenu(menu.bar);
    m_menu->setObjectName(QStringLiteral("FaultsMenu"));
    menu.bar->insertMenu(menu.help->menuAction(), m_menu);
    // The connections hold only what outlives the menu: the state and the
    // actions themselves.
    auto valve = [this, &state](const char *name, bool SimulationState::*open) {
        QAction *action = m_menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        QObject::connect(action, &QAction::toggled, action,
                [&state, open](bool closed) { state.*open = !closed; });
        return action;
    };
    m_o2Closed = valve("actionO2Closed", &SimulationState::o2ValveOpen);
    m_dilClosed = valve("actionDilClosed", &SimulationState::dilValveOpen);
    whenLanguageChanges(m_menu, [m = m_menu, o2 = m_o2Closed, dil = m_dilClosed] {
        m->setTitle(QCoreApplication::translate("FaultsMenu", "&Неисправности"));
        o2->setText(QCoreApplication::translate("FaultsMenu", "&Кислородный баллон закрыт"));
        dil->setText(QCoreApplication::translate("FaultsMenu", "&Баллон дилюента закрыт"));
    });
    // Opening the menu shows the valves as they are, whatever changed them.
    QObject::connect(m_menu, &QMenu::aboutToShow, m_menu,
            [&state, o2 = m_o2Closed, dil = m_dilClosed] { showValves(state, o2, dil); });
    refresh();
}

void FaultsMenu::refresh()
{
    showValves(m_state, m_o2Closed, m_dilClosed);
}
