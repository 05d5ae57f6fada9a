#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

struct MainMenu;
class Simulation;
class QAction;
class QMenu;
class QWidget;

/// "Неисправности": the two cylinder valves, closed and opened by hand (a
/// checked item is a closed valve), and "Датчики PPO2", a submenu per oxygen
/// cell with its failures (a checked item is in effect). Valves and cells
/// also change without the menu (a drill's line, "СБРОС"): refresh() shows
/// them again, and so does opening the menu. While a drill flies the menu is
/// locked, and the diver works the valves from "Баллоны", whose items open
/// or close a valve without showing how it stands.
class FaultsMenu
{
public:
    /// The items of a cell's submenu, in their order.
    enum class CellItem {
        Ok, ///< "Исправен"
        Limit12, ///< "Ограничение тока 1,2"
        Limit, ///< "Ограничение тока…", asks the limit
        Sensitivity, ///< "Чувствительность…", asks it
        Slow30, ///< "Медленный (30 с)"
        Dead, ///< "Мёртвый"
        Frozen ///< "Заморожен на текущем", at the reading it has; not before a dive
    };
    static constexpr int kCellItemCount = 7;

    /// Asks a number for an item with "…": the dialog's title, its label and
    /// the text it starts with; nothing when the user cancels.
    using Asker = std::function<std::optional<QString>(
            const QString &title, const QString &label, const QString &initial)>;

    /// Does a diver's action given in the scenario language's words.
    using Performer = std::function<void(const std::string &words)>;

    /// Adds the menus to \a menu's bar, before "Справка". A number the user
    /// types that is not one, or is below zero, goes to \a reportError and
    /// changes nothing; the items of "Баллоны" go to \a perform ("supply O2
    /// open").
    FaultsMenu(const MainMenu &menu, Simulation &simulation,
            std::function<void(const QString &)> reportError, Performer perform);

    QMenu *menu() const { return m_menu; }
    QAction *o2Closed() const { return m_o2Closed; } ///< "Кислородный баллон закрыт"
    QAction *dilClosed() const { return m_dilClosed; } ///< "Баллон дилюента закрыт"
    QMenu *cellsMenu() const { return m_cellsMenu; } ///< "Датчики PPO2"
    QMenu *valvesMenu() const { return m_valves; } ///< "Баллоны"
    /// "Открыть кислородный баллон", "Закрыть баллон дилюента", ...
    QAction *valveAction(bool oxygen, bool open) const
    {
        return m_valveActions[oxygen ? 0 : 1][open ? 0 : 1];
    }
    /// The item of cell \a cell (1..3).
    QAction *cellItem(int cell, CellItem item) const
    {
        return m_cellItems[std::size_t(cell - 1)][std::size_t(item)];
    }

    /// By default a dialog over the main window.
    void setAsker(Asker asker) { m_ask = std::move(asker); }

    /// The items as the state holds the valves and cells now.
    void refresh();
    /// Locked, "Неисправности" cannot be opened.
    void setLocked(bool locked);

private:
    void translate();
    void choose(int cell, CellItem item);

    /// The context of the connections that call this object: they end with it.
    std::unique_ptr<QObject> m_guard = std::make_unique<QObject>();
    Simulation &m_simulation;
    std::function<void(const QString &)> m_reportError;
    Asker m_ask;
    QMenu *m_menu = nullptr;
    QAction *m_o2Closed = nullptr;
    QAction *m_dilClosed = nullptr;
    QMenu *m_cellsMenu = nullptr;
    QMenu *m_valves = nullptr;
    std::array<std::array<QAction *, 2>, 2> m_valveActions {};
    std::array<QMenu *, 3> m_cellMenus {};
    std::array<std::array<QAction *, kCellItemCount>, 3> m_cellItems {};
};
