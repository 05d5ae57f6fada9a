#pragma once

struct MainMenu;
struct SimulationState;
class QAction;
class QMenu;

/// "Неисправности": the two cylinder valves, closed and opened by hand. A
/// checked item is a closed valve. The valves also change without the menu
/// (a drill's "supply" line, "СБРОС"): refresh() shows them again.
class FaultsMenu
{
public:
    /// Adds the menu to \a menu's bar, before "Справка".
    FaultsMenu(const MainMenu &menu, SimulationState &state);

    QMenu *menu() const { return m_menu; }
    QAction *o2Closed() const { return m_o2Closed; } ///< "Кислородный баллон закрыт"
    QAction *dilClosed() const { return m_dilClosed; } ///< "Баллон дилюента закрыт"

    /// The items as the state holds the valves now.
    void refresh();

private:
    SimulationState &m_state;
    QMenu *m_menu = nullptr;
    QAction *m_o2Closed = nullptr;
    QAction *m_dilClosed = nullptr;
};
