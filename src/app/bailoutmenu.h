#pragma once

#include "engine/bailout.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;
class TBailoutSettings;
class TForm1;

/// "Байлаут": "Газ 1 (21/0)" (F5) and "Газ 2 (50/0)" (F6), the mixes
/// written from the settings, bail the diver out onto that gas, "Вернуться
/// на контур" (F7) puts the diver back on the loop, from the next tick, as
/// the scenario language's "bailout 1|2|loop" does; the item of what the
/// diver breathes is checked. "Настройки байлаута…" opens the bailout
/// settings over the main window; what they change is "bailout-gas J O2 HE
/// LITRES" and "rmv X". Both are diver's actions in the scenario language's
/// words, which a drill logs as the trainee's.
class BailoutMenu
{
public:
    /// Does a diver's action given in the scenario language's words.
    using Performer = std::function<void(const std::string &words)>;

    /// Adds the menu to \a form's menu bar, before "Справка"; its actions go
    /// to \a perform ("bailout 1").
    BailoutMenu(TForm1 &form, Performer perform);
    ~BailoutMenu();

    QMenu *menu() const { return m_menu; }
    /// "Газ 1 (…)" for \a gas 0, "Газ 2 (…)" for 1.
    QAction *gasAction(int gas) const { return m_gases[std::size_t(gas)]; }
    QAction *loopAction() const { return m_loop; } ///< "Вернуться на контур"
    QAction *settingsAction() const { return m_settingsAction; } ///< "Настройки байлаута…"
    TBailoutSettings &settings() const { return *m_settings; }

    /// The mixes and the check mark as the state has them now; opening the
    /// menu does it too.
    void refresh();

private:
    void translate();
    void breathe(Breathing breathing);
    void settingsTaken();

    /// The context of the connections that call this object: they end with it.
    std::unique_ptr<QObject> m_guard = std::make_unique<QObject>();
    TForm1 &m_form;
    Performer m_perform;
    QMenu *m_menu = nullptr;
    std::array<QAction *, 2> m_gases {};
    QAction *m_loop = nullptr;
    QAction *m_settingsAction = nullptr;
    TBailoutSettings *m_settings = nullptr;
};
