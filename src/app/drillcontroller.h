#pragma once

#include "drills/drillsession.h"
#include "faultsmenu.h"
#include "setup/setupsnapshot.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class TDebrief;
class TDiveComputer;
class TForm1;

/// Training drills in the window. "Файл → Открыть тренировку…" loads a drill
/// while no dive runs: the user's own set-up is kept aside, the design set-up
/// and the drill's are applied and the briefing is shown. From then until the
/// drill is closed its failures are its own: the failure boxes and
/// "Неисправности" are locked and show the user's own, the engine acts on
/// both. "ПОГРУЖЕНИЕ" starts the drill, its random times drawn from a fresh
/// seed; after every tick it runs its events and tests its end; the end (or
/// the trainee's "СБРОС") pauses the dive and opens the debrief, and closing
/// the debrief ends the dive and gives the user's set-up back. What the
/// trainee does in the window in between is logged for the debrief. The dive
/// computer's status line names the drill and its latest note.
class DrillController : public QObject
{
    Q_OBJECT

public:
    DrillController(TForm1 &form, TDiveComputer &diveComputer);
    ~DrillController() override;

    /// Loads the drill at \a path. A drill that cannot be read or checked is
    /// refused before anything changes, with a message in the interface's
    /// language naming the line and the reason; false then, and also while a
    /// dive or a drill is under way.
    bool open(const std::filesystem::path &path);
    /// Ends the drill's dive, gives the user's own set-up back and forgets
    /// the drill (nothing when no drill is loaded).
    void close();

    /// A drill is loaded (from its opening until the debrief is closed).
    bool hasDrill() const { return m_drill.has_value(); }
    /// The drill being flown, from "ПОГРУЖЕНИЕ" on.
    const DrillSession *session() const { return m_session ? &*m_session : nullptr; }

    /// Does a diver's action given in the scenario language's words ("supply
    /// O2 open", "press O2Bypass"), as a menu item of the window does, and
    /// logs it while a drill flies: a new kind of action is one such call.
    void perform(const std::string &words);
    /// Logs what the trainee did, while a drill flies.
    void traineeAction(const ScenarioCommand &action);

    /// Where the seed of each drill's dive comes from; by default the
    /// system's random source (tests fix it).
    void setSeedSource(std::function<std::uint64_t()> source) { m_seedSource = std::move(source); }

    QAction *openAction() const { return m_open; } ///< "Открыть тренировку…"
    QAction *closeAction() const { return m_close; } ///< "Закрыть тренировку"
    /// The briefing of the drill last opened, while it is shown.
    QMessageBox *briefing() const { return m_briefing; }
    TDebrief &debriefWindow() const { return *m_debrief; }
    FaultsMenu &faults() { return m_faults; }
    /// Where "Открыть тренировку…" starts: the shipped drills in the
    /// interface's language, else the home folder.
    QString drillsFolder() const;

protected:
    /// Closing the program while a drill is loaded gives the set-up back
    /// first, so that what the close saves is the user's own.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void translate();
    void openFromDialog();
    /// The design set-up and the drill's over it; the error a set-up line
    /// met, if any.
    QString applyDrill();
    void lock(bool locked);
    void diveStarted();
    void ticked(bool completed);
    void diveReset();
    void showDebrief();
    void showBriefing();
    void updateStatus();
    void updateActions();

    TForm1 &m_form;
    TDiveComputer &m_diveComputer;
    FaultsMenu m_faults;
    QAction *m_open = nullptr;
    QAction *m_close = nullptr;
    QPointer<QMessageBox> m_briefing;
    TDebrief *m_debrief = nullptr;
    std::function<std::uint64_t()> m_seedSource;

    std::optional<Drill> m_drill;
    std::optional<DrillSession> m_session;
    std::optional<SetupSnapshot> m_userSetup;
    std::size_t m_notesShown = 0;
};
