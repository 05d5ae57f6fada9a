#include "faultsmenu.h"

#include "controls/qtext.h"
#include "engine/simulation.h"
#include "language.h"
#include "mainmenu.h"
#include "util/error.h"
#include "util/numtext.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <cmath>

namespace {

using CellItem = FaultsMenu::CellItem;

constexpr const char *kCellItemTexts[FaultsMenu::kCellItemCount] = {
        QT_TRANSLATE_NOOP("FaultsMenu", "Исправен"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Ограничение тока 1,2"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Ограничение тока…"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Чувствительность…"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Медленный (30 с)"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Мёртвый"),
        QT_TRANSLATE_NOOP("FaultsMenu", "Заморожен на текущем")};

constexpr double kMenuLimit = 1.2;
constexpr double kMenuHalfTimeS = 30.0;

// Whether an item's failure is what the cell has now.
bool inEffect(const CellSettings &c, CellItem item)
{
    switch (item) {
    case CellItem::Ok:
        return c.isOk();
    case CellItem::Limit12:
        return c.limited && c.limit == kMenuLimit;
    case CellItem::Limit:
        return c.limited && c.limit != kMenuLimit;
    case CellItem::Sensitivity:
        return c.sensitivity != 1.0;
    case CellItem::Slow30:
        return c.halfTimeS == kMenuHalfTimeS;
    case CellItem::Dead:
        return c.condition == CellCondition::Dead;
    case CellItem::Frozen:
        return c.condition == CellCondition::Stuck;
    }
    return false;
}

} // namespace

FaultsMenu::FaultsMenu(const MainMenu &menu, Simulation &simulation,
        std::function<void(const QString &)> reportError, Performer perform)
    : m_simulation(simulation), m_reportError(std::move(reportError))
{
    m_valves = new QMenu(menu.bar);
    m_valves->setObjectName(QStringLiteral("ValvesMenu"));
    menu.bar->insertMenu(menu.help->menuAction(), m_valves);
    for (const bool oxygen : {true, false}) {
        for (const bool open : {true, false}) {
            QAction *action = m_valves->addAction(QString());
            action->setObjectName(QStringLiteral("action%1%2")
                                          .arg(open ? "Open" : "Close", oxygen ? "O2" : "Dil"));
            const std::string words =
                    std::string("supply ") + (oxygen ? "O2" : "Dil") + (open ? " open" : " closed");
            QObject::connect(action, &QAction::triggered, m_guard.get(), [this, perform, words] {
                perform(words);
                refresh();
            });
            m_valveActions[oxygen ? 0 : 1][open ? 0 : 1] = action;
        }
    }
    m_menu = new QMenu(menu.bar);
    m_menu->setObjectName(QStringLiteral("FaultsMenu"));
    menu.bar->insertMenu(menu.help->menuAction(), m_menu);
    SimulationState &state = simulation.state();
    // The valves' connections hold only what outlives the menu: the state and
    // the actions themselves.
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

    m_cellsMenu = m_menu->addMenu(QString());
    m_cellsMenu->setObjectName(QStringLiteral("CellsMenu"));
    for (int cell = 1; cell <= 3; ++cell) {
        QMenu *sub = m_cellsMenu->addMenu(QString());
        sub->setObjectName(QStringLiteral("CellMenu%1").arg(cell));
        m_cellMenus[std::size_t(cell - 1)] = sub;
        for (int i = 0; i < kCellItemCount; ++i) {
            QAction *action = sub->addAction(QString());
            action->setObjectName(QStringLiteral("actionCell%1Item%2").arg(cell).arg(i));
            action->setCheckable(true);
            m_cellItems[std::size_t(cell - 1)][std::size_t(i)] = action;
            QObject::connect(action, &QAction::triggered, m_guard.get(),
                    [this, cell, i] { choose(cell, CellItem(i)); });
        }
    }
    whenLanguageChanges(m_menu, [this, guard = QPointer<QObject>(m_guard.get())] {
        if (guard)
            translate();
    });
    // Opening the menu shows the valves and cells as they are, whatever
    // changed them.
    QObject::connect(m_menu, &QMenu::aboutToShow, m_guard.get(), [this] { refresh(); });
    m_ask = [parent = menu.bar->parentWidget()](const QString &title, const QString &label,
                    const QString &initial) -> std::optional<QString> {
        bool ok = false;
        const QString text =
                QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    refresh();
}

void FaultsMenu::translate()
{
    m_valves->setTitle(QCoreApplication::translate("FaultsMenu", "&Баллоны"));
    constexpr const char *kValveTexts[2][2] = {
            {QT_TRANSLATE_NOOP("FaultsMenu", "&Открыть кислородный баллон"),
                    QT_TRANSLATE_NOOP("FaultsMenu", "&Закрыть кислородный баллон")},
            {QT_TRANSLATE_NOOP("FaultsMenu", "О&ткрыть баллон дилюента"),
                    QT_TRANSLATE_NOOP("FaultsMenu", "З&акрыть баллон дилюента")}};
    for (std::size_t c = 0; c < 2; ++c) {
        for (std::size_t o = 0; o < 2; ++o)
            m_valveActions[c][o]->setText(
                    QCoreApplication::translate("FaultsMenu", kValveTexts[c][o]));
    }
    m_menu->setTitle(QCoreApplication::translate("FaultsMenu", "&Неисправности"));
    m_o2Closed->setText(QCoreApplication::translate("FaultsMenu", "&Кислородный баллон закрыт"));
    m_dilClosed->setText(QCoreApplication::translate("FaultsMenu", "&Баллон дилюента закрыт"));
    m_cellsMenu->setTitle(QCoreApplication::translate("FaultsMenu", "&Датчики PPO2"));
    for (std::size_t c = 0; c < 3; ++c) {
        m_cellMenus[c]->setTitle(
                QCoreApplication::translate("FaultsMenu", "Датчик &%1").arg(c + 1));
        for (std::size_t i = 0; i < kCellItemCount; ++i)
            m_cellItems[c][i]->setText(
                    QCoreApplication::translate("FaultsMenu", kCellItemTexts[i]));
    }
}

void FaultsMenu::refresh()
{
    const SimulationState &state = m_simulation.state();
    m_o2Closed->setChecked(!state.o2ValveOpen);
    m_dilClosed->setChecked(!state.dilValveOpen);
    // A cell has a reading to freeze at only once a dive has begun.
    const bool diving = runState(m_simulation.view().controls) != RunState::Idle;
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t i = 0; i < kCellItemCount; ++i)
            m_cellItems[c][i]->setChecked(inEffect(state.cells.settings()[c], CellItem(i)));
        m_cellItems[c][std::size_t(CellItem::Frozen)]->setEnabled(diving);
    }
}

void FaultsMenu::setLocked(bool locked)
{
    m_menu->menuAction()->setEnabled(!locked);
}

void FaultsMenu::choose(int cell, CellItem item)
{
    OxygenCells &cells = m_simulation.state().cells;
    const int index = cell - 1;
    // A number typed for the cell: not below zero, as a drill's line has it.
    auto typed = [&](const QString &title, const QString &label,
                         double current) -> std::optional<double> {
        const std::optional<QString> text =
                m_ask(title, label, fromUtf8(numtext::formatGeneral(current)));
        if (!text)
            return std::nullopt;
        double value = NAN;
        try {
            value = numtext::parseDecimal(text->toStdString());
        } catch (const LoopwrightError &) { }
        if (!std::isfinite(value) || value < 0.0) {
            m_reportError(QCoreApplication::translate(
                    "FaultsMenu", "«%1» не подходит: нужно число не меньше нуля.")
                                  .arg(*text));
            return std::nullopt;
        }
        return value;
    };
    const CellSettings &now = cells.settings()[std::size_t(index)];
    const QString title = QCoreApplication::translate("FaultsMenu", "Датчик %1").arg(cell);
    switch (item) {
    case CellItem::Ok:
        cells.apply(index, CellAction::Ok);
        break;
    case CellItem::Limit12:
        cells.apply(index, CellAction::Limit, kMenuLimit);
        break;
    case CellItem::Limit:
        if (const auto limit = typed(title,
                    QCoreApplication::translate("FaultsMenu", "Ограничение тока, PPO2:"),
                    now.limited ? now.limit : kMenuLimit))
            cells.apply(index, CellAction::Limit, *limit);
        break;
    case CellItem::Sensitivity:
        if (const auto s = typed(title,
                    QCoreApplication::translate(
                            "FaultsMenu", "Чувствительность (1 — точный датчик):"),
                    now.sensitivity))
            cells.apply(index, CellAction::Sensitivity, *s);
        break;
    case CellItem::Slow30:
        cells.apply(index, CellAction::Slow, kMenuHalfTimeS);
        break;
    case CellItem::Dead:
        cells.apply(index, CellAction::Dead);
        break;
    case CellItem::Frozen:
        cells.apply(index, CellAction::StuckNow);
        break;
    }
    refresh();
}
