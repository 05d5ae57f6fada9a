#include "drillcontroller.h"

#include "controls/qtext.h"
#include "language.h"
#include "tdebrief.h"
#include "tdivecomputer.h"
#include "tdivecomputersettings.h"
#include "tform1.h"
#include "util/error.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QRandomGenerator>

namespace fs = std::filesystem;

DrillController::DrillController(TForm1 &form, TDiveComputer &diveComputer)
    : m_form(form), m_diveComputer(diveComputer),
      m_faults(
              form.menu(), form.simulation(), [&form](const QString &m) { form.reportError(m); },
              [this](const std::string &words) { perform(words); }),
      m_seedSource([] { return QRandomGenerator::system()->generate64(); })
{
    const MainMenu &menu = form.menu();
    m_open = new QAction(menu.file);
    m_open->setObjectName(QStringLiteral("actionOpenDrill"));
    m_close = new QAction(menu.file);
    m_close->setObjectName(QStringLiteral("actionCloseDrill"));
    menu.file->insertAction(menu.exit, m_open);
    menu.file->insertAction(menu.exit, m_close);
    menu.file->insertSeparator(menu.exit);
    connect(m_open, &QAction::triggered, this, &DrillController::openFromDialog);
    connect(m_close, &QAction::triggered, this, &DrillController::close);
    connect(menu.file, &QMenu::aboutToShow, this, &DrillController::updateActions);

    m_debrief = new TDebrief(&form);
    connect(m_debrief, &QDialog::finished, this, &DrillController::close);

    connect(&form, &TForm1::diveStarted, this, &DrillController::diveStarted);
    connect(&form, &TForm1::ticked, this, &DrillController::ticked);
    connect(&form, &TForm1::diveReset, this, &DrillController::diveReset);
    connect(&form, &TForm1::traineeAction, this, &DrillController::traineeAction);
    // A new pair of gradient factors is the trainee's doing too; OK on the
    // pair in force changes nothing and is no reaction.
    connect(&diveComputer, &TDiveComputer::gradientFactorsChanged, this, [this] {
        const GradientFactors &pair = m_form.simulation().state().gradientFactors;
        traineeAction(parseCommandLine(
                "gf " + std::to_string(pair.low) + " " + std::to_string(pair.high)));
    });
    form.installEventFilter(this);
    translate();
    updateActions();
}

void DrillController::translate()
{
    m_open->setText(tr("&Открыть тренировку…"));
    m_close->setText(tr("&Закрыть тренировку"));
    updateStatus();
}

DrillController::~DrillController() = default;

bool DrillController::open(const fs::path &path)
{
    Simulation &sim = m_form.simulation();
    if (m_session || runState(sim.view().controls) != RunState::Idle)
        return false;
    // Only a regular file: a pipe without a writer would hold the window.
    auto loaded = loadDrill(path, true);
    if (const auto *error = std::get_if<DrillError>(&loaded)) {
        // A drill file's mistakes are worded in both languages.
        QString reason = fromUtf8(error->russianMessage());
        if (currentLanguage() == Language::english) {
            reason = fromUtf8(error->english);
            if (error->line > 0)
                reason = QStringLiteral("line %1: %2").arg(error->line).arg(reason);
        }
        m_form.reportError(
                tr("Тренировка «%1» не открыта: %2").arg(fromDisk(path.filename()), reason));
        return false;
    }
    Drill &drill = std::get<Drill>(loaded);
    if (drill.title.empty())
        drill.title = path.stem().string();
    // A second drill opened before the dive replaces the first: the set-up
    // kept aside stays the user's own.
    if (!m_userSetup) {
        FormControls &controls = m_form;
        m_userSetup = takeSetup(controls, sim.params(), sim.state());
    }
    m_drill = std::move(drill);
    const QString failure = applyDrill();
    lock(true);
    m_form.applyView();
    updateStatus();
    updateActions();
    showBriefing();
    if (!failure.isEmpty())
        m_form.reportError(failure);
    return true;
}

QString DrillController::applyDrill()
{
    Simulation &sim = m_form.simulation();
    FormControls &controls = m_form;
    applyDesignSetup(controls, sim.params(), sim.state());
    QString failure;
    try {
        applyDrillSetup(*m_drill, sim);
    } catch (const LoopwrightError &e) {
        failure = fromUtf8(e.what());
    }
    // The loop details dialog shows the volumes the drill derived from.
    for (const ScenarioCommand &c : m_drill->setup) {
        if (c.kind == ScenarioCommand::Kind::Details) {
            for (int i = 0; i < 4; ++i)
                controls.setDetailText(i, c.details[std::size_t(i)]);
        }
    }
    m_faults.refresh();
    return failure;
}

void DrillController::lock(bool locked)
{
    m_form.setFailuresLocked(locked);
    m_faults.setLocked(locked);
}

void DrillController::close()
{
    if (!m_userSetup)
        return;
    const SetupSnapshot user = *m_userSetup;
    m_userSetup.reset();
    m_session.reset();
    m_drill.reset();
    Simulation &sim = m_form.simulation();
    // The drill's dive is over: "ПРОДОЛЖИТЬ" must not carry it on with the
    // user's set-up, nor the dive computer plan it. The dive's log for export
    // outlives a reset.
    if (runState(sim.view().controls) != RunState::Idle)
        sim.reset();
    sim.state().drillFaults.reset();
    restoreSetup(user, m_form, sim.params(), sim.state());
    lock(false);
    if (m_briefing)
        m_briefing->close();
    m_faults.refresh();
    m_form.applyView();
    updateStatus();
    updateActions();
}

bool DrillController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form && event->type() == QEvent::Close && m_userSetup) {
        if (m_debrief->isVisible())
            m_debrief->done(QDialog::Rejected); // and its end closes the drill
        close();
    }
    if (watched == &m_form && event->type() == QEvent::LanguageChange)
        translate();
    return QObject::eventFilter(watched, event);
}

QString DrillController::drillsFolder() const
{
    const fs::path shipped = shippedDrillsFolder(onDisk(QCoreApplication::applicationDirPath()));
    if (shipped.empty())
        return QDir::homePath();
    std::error_code error;
    if (currentLanguage() == Language::english && fs::is_directory(shipped / "en", error))
        return fromDisk(shipped / "en");
    return fromDisk(shipped);
}

void DrillController::openFromDialog()
{
    const QString chosen = QFileDialog::getOpenFileName(&m_form, tr("Открыть тренировку"),
            drillsFolder(), tr("Тренировки (*.drill);;Все файлы (*)"));
    if (!chosen.isEmpty())
        open(onDisk(chosen));
}

void DrillController::diveStarted()
{
    Simulation &sim = m_form.simulation();
    // A start that failed leaves the dive idle and the drill waiting.
    if (m_drill && !m_session && runState(sim.view().controls) == RunState::Running) {
        m_session.emplace(*m_drill, sim, DrillSession::Mode::Window, m_seedSource());
        m_session->begin();
        m_notesShown = 0;
        updateStatus();
    }
    updateActions();
}

void DrillController::ticked(bool completed)
{
    if (m_session && !m_session->ended()) {
        m_session->afterTick(completed);
        if (m_session->notes().size() != m_notesShown)
            updateStatus();
        if (m_session->ended())
            showDebrief();
    }
    // After the drill's events: a "supply" line among them shows at once.
    m_faults.refresh();
}

void DrillController::diveReset()
{
    if (m_session && !m_session->ended()) {
        m_session->endByReset();
        showDebrief();
    } else if (m_drill && !m_session) {
        // Before its dive a reset would clear the drill's sliders and open
        // its valves: the drill starts from its own set-up again.
        const QString failure = applyDrill();
        if (!failure.isEmpty())
            m_form.reportError(failure);
    }
    m_faults.refresh();
    updateActions();
}

void DrillController::perform(const std::string &words)
{
    ScenarioCommand action;
    try {
        // The window writes its actions in words the language takes; a
        // setting's number that did not read back is refused, not thrown.
        action = parseCommandLine(words);
    } catch (const LineRejection &e) {
        m_form.reportError(
                fromUtf8(currentLanguage() == Language::english ? e.english : e.russian));
        return;
    }
    try {
        applyCommand(action, m_form.simulation());
    } catch (const LoopwrightError &e) {
        m_form.reportError(fromUtf8(e.what()));
    }
    traineeAction(action);
    m_form.applyView();
}

void DrillController::traineeAction(const ScenarioCommand &action)
{
    if (m_session)
        m_session->traineeAction(action);
}

void DrillController::showDebrief()
{
    m_debrief->showDebrief(m_session->debrief());
    m_debrief->open();
}

void DrillController::showBriefing()
{
    // The briefing's lines as the instructor broke them.
    QString text = QStringLiteral("<p><b>%1</b></p><p style=\"white-space:pre\">")
                           .arg(fromUtf8(m_drill->title).toHtmlEscaped());
    for (const std::string &line : m_drill->brief)
        text += fromUtf8(line).toHtmlEscaped() + QStringLiteral("<br>");
    text += QStringLiteral("</p><p><i>")
            + tr("События и цели тренировки начнутся, когда вы нажмёте «ПОГРУЖЕНИЕ».")
            + QStringLiteral("</i></p>");
    if (m_briefing)
        m_briefing->close();
    m_briefing = new QMessageBox(
            QMessageBox::Information, tr("Тренировка"), QString(), QMessageBox::Ok, &m_form);
    m_briefing->setObjectName(QStringLiteral("Briefing"));
    m_briefing->setAttribute(Qt::WA_DeleteOnClose);
    m_briefing->setTextFormat(Qt::RichText);
    m_briefing->setText(text);
    m_briefing->open();
}

void DrillController::updateStatus()
{
    if (!m_drill) {
        m_diveComputer.setDrillStatus({});
        return;
    }
    QString text = tr("Тренировка: %1").arg(fromUtf8(m_drill->title));
    if (!m_session)
        text += QLatin1Char('\n') + tr("Начало — «ПОГРУЖЕНИЕ»");
    else if (!m_session->notes().empty())
        text += QLatin1Char('\n') + fromUtf8(m_session->notes().back().text);
    m_notesShown = m_session ? m_session->notes().size() : 0;
    m_diveComputer.setDrillStatus(text);
}

void DrillController::updateActions()
{
    const bool idle = runState(m_form.simulation().view().controls) == RunState::Idle;
    m_open->setEnabled(!m_session && idle);
    m_close->setEnabled(m_drill && !m_session);
}
