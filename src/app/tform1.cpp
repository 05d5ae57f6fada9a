#include "tform1.h"

#include "controls/qtext.h"
#include "controls/tgradienttrackbar.h"
#include "counterlungview.h"
#include "errorbox.h"
#include "formparametersource.h"
#include "graph/tdivegraph.h"
#include "language.h"
#include "profile/settingsfile.h"
#include "setup/formsettings.h"
#include "setup/namedpresets.h"
#include "setup/options.h"
#include "setup/typepresets.h"
#include "taboutform.h"
#include "tdivecomputer.h"
#include "tform1layout.h"
#include "tloopdetales.h"
#include "util/error.h"
#include "util/numtext.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

template<typename W>
W *child(const QWidget *window, std::string_view name)
{
    return window->findChild<W *>(fromUtf8(name), Qt::FindDirectChildrenOnly);
}

void setPaletteColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    if (p.color(role) == colour)
        return;
    p.setColor(role, colour);
    w->setPalette(p);
}

void setTextColour(QLabel *label, Rgb colour)
{
    setPaletteColour(label, QPalette::WindowText, toQColor(colour));
}

void setBackground(QLabel *label, Rgb colour)
{
    setPaletteColour(label, QPalette::Window, toQColor(colour));
}

// Applies \a now when it differs from what is \a shown, and remembers it.
template<typename T, typename Apply>
void onChange(const T &now, T &shown, Apply &&apply)
{
    if (now == shown)
        return;
    apply(now);
    shown = now;
}

void showReadout(QLabel *label, const Readout &now, Readout &shown)
{
    onChange(now, shown, [label](const Readout &r) { label->setText(fromUtf8(r.display())); });
}

// Keeps a user's mouse from changing a lamp or a locked slider; the program
// still sets them.
class MouseBlocker : public QObject
{
public:
    using QObject::QObject;
    bool blocking = true;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!blocking)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }
};

// The outer top-left corner that centres \a dialog over \a main by the outer
// sizes of both. A window gets its frame only when first shown: until then
// the dialog is taken to have the main window's.
QPoint centredOver(const QWidget *main, const QWidget *dialog)
{
    const QRect outer = main->frameGeometry();
    QSize size = dialog->frameGeometry().size();
    if (size == dialog->size())
        size += outer.size() - main->size();
    return QPoint(int(outer.left() + outer.width() / 2.0 - size.width() / 2.0),
            int(outer.top() + outer.height() / 2.0 - size.height() / 2.0));
}

bool askCloseWithoutSaving(QWidget *parent, const QString &message)
{
    QMessageBox box(
            QMessageBox::Critical, parent->windowTitle(), QString(), QMessageBox::NoButton, parent);
    setErrorText(box, message);
    box.setInformativeText(TForm1::tr("Настройки не сохранены. Закрыть программу без "
                                      "сохранения настроек?"));
    QPushButton *discard =
            box.addButton(TForm1::tr("Закрыть без сохранения"), QMessageBox::DestructiveRole);
    QPushButton *stay = box.addButton(TForm1::tr("Не закрывать"), QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == discard;
}

// The set-up layer refuses a preset's name in Russian words; the window
// shows them in the interface's language, the name itself as it was typed.
constexpr const char *kRefusals[] = {
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может начинаться с пробела"),
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может начинаться с символа табуляции"),
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может содержать символ «%1»"),
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может содержать перевод строки"),
        QT_TRANSLATE_NOOP(
                "TForm1", "Имя настройки содержит недопустимую последовательность байтов"),
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может заканчиваться пробелом"),
        QT_TRANSLATE_NOOP("TForm1", "Имя настройки не может заканчиваться символом табуляции"),
        QT_TRANSLATE_NOOP("TForm1", "Имя «%1» нельзя сохранить в файле настроек")};

QString translatedRefusal(const QString &message)
{
    for (const char *refusal : kRefusals) {
        QString pattern = QRegularExpression::escape(QString::fromUtf8(refusal));
        pattern.replace(QStringLiteral("\\%1"), QStringLiteral("(.*)"));
        const QRegularExpressionMatch m =
                QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'),
                        QRegularExpression::DotMatchesEverythingOption)
                        .match(message);
        if (m.hasMatch()) {
            const QString text = TForm1::tr(refusal);
            return m.lastCapturedIndex() > 0 ? text.arg(m.captured(1)) : text;
        }
    }
    return message;
}

} // namespace

TForm1::TForm1(SimulationState &state, DiveHistory &history, QWidget *parent) : QWidget(parent)
{
    // The menu bar sits above the designed area, which keeps its size and
    // every control its place.
    m_menu = buildMainMenu(*this);
    m_client = new QWidget(this);
    layOutWindow(*this, *m_client);
    const int menuHeight = m_menu.bar->sizeHint().height();
    m_menu.bar->setGeometry(0, 0, m_client->width(), menuHeight);
    m_client->move(0, menuHeight);
    setFixedSize(m_client->width(), menuHeight + m_client->height());
    findControls();
    connectButtons();

    m_params = std::make_unique<FormParameterSource>(m_edits, m_sliders, m_checks);
    m_simulation = std::make_unique<Simulation>(*m_params, state, history);
    m_checkEnabled.fill(true);
    connectReactions();
    connectTraineeActions();
    connectMenu();

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(m_simulation->view().controls.timerIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TForm1::TimerPPO2Timer);
    m_errorSink = [this](const QString &message) {
        auto *box = new QMessageBox(
                QMessageBox::Critical, windowTitle(), QString(), QMessageBox::Ok, this);
        setErrorText(*box, message);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->open(); // returns at once: the handler ends and the timer goes on
    };
    m_closeQuestion = [this](const QString &message) {
        return askCloseWithoutSaving(this, message);
    };

    // FormCreate: the window opens at the screen's top-left corner; the
    // simulation starts as the state was constructed, the bypass and graph
    // buttons disabled, the history cleared.
    move(0, 0);
    history.clear();
    state.dilBypassAvailable = true;
    m_shown = m_simulation->view();
    applyControls(m_shown.controls);
}

TForm1::~TForm1() = default;

ParameterSource &TForm1::params()
{
    return *m_params;
}

void TForm1::setDialogs(TAboutForm *about, TDiveGraph *graph, TLoopdetales *details)
{
    m_about = about;
    m_graph = graph;
    m_details = details;
}

void TForm1::setDiveComputer(TDiveComputer *diveComputer)
{
    m_diveComputer = diveComputer;
    connect(diveComputer, &TDiveComputer::closedByUser, this,
            [this] { m_menu.diveComputer->setChecked(false); });
    connect(m_menu.diveComputerSettings, &QAction::triggered, diveComputer,
            &TDiveComputer::openSettings);
}

void TForm1::showDiveComputer(bool show)
{
    m_menu.diveComputer->setChecked(show);
    if (!m_diveComputer || show == m_diveComputer->isVisible())
        return;
    if (show) {
        m_diveComputer->placeBesideMainWindow();
        m_diveComputer->show();
    } else {
        m_diveComputer->hide();
    }
}

void TForm1::connectMenu()
{
    connect(m_menu.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menu.diveComputer, &QAction::triggered, this, &TForm1::showDiveComputer);
    connect(m_menu.graph, &QAction::triggered, this, &TForm1::Button10Click);
    connect(m_menu.about, &QAction::triggered, this, &TForm1::Button9Click);
    for (QAction *choice : {m_menu.russian, m_menu.english}) {
        connect(choice, &QAction::triggered, this, [this, choice] {
            const Language language =
                    choice == m_menu.english ? Language::english : Language::russian;
            m_keptLanguage = languageCode(language);
            applyLanguage(language);
        });
    }
}

void TForm1::setErrorSink(std::function<void(const QString &)> sink)
{
    m_errorSink = std::move(sink);
}

void TForm1::setSettingsFile(std::optional<std::filesystem::path> path)
{
    m_settingsPath = std::move(path);
}

void TForm1::setCloseQuestion(std::function<bool(const QString &)> question)
{
    m_closeQuestion = std::move(question);
}

void TForm1::reportError(const QString &message)
{
    if (m_errorSink)
        m_errorSink(translatedRefusal(message));
}

void TForm1::findControls()
{
    for (int i = 0; i < kEditCount; ++i)
        m_edits[i] = child<QLineEdit>(m_client, kFields[i].control);
    for (int i = 0; i < kSliderCount; ++i)
        m_sliders[i] = child<TGradientTrackBar>(m_client, kSliders[i].control);
    for (int i = 0; i < kCheckCount; ++i)
        m_checks[i] = child<QCheckBox>(m_client, kChecks[i].control);
    for (int i = 0; i < kTypeCount; ++i)
        m_types[i] = m_client->findChild<QRadioButton *>(
                QStringLiteral("RadioButton%1").arg(i + 2), Qt::FindDirectChildrenOnly);
    const ControlRow *previous = nullptr;
    for (const ControlRow &row : windowLayout()) {
        if (row.kind == ControlKind::caption)
            m_captions[editIndex(findEdit(previous->name).value())] =
                    child<QLabel>(m_client, row.name);
        previous = &row;
    }
    m_presets = child<QListWidget>(m_client, "ListBox1");
    m_buttonstart = child<QPushButton>(m_client, "buttonstart");
    m_button4 = child<QPushButton>(m_client, "Button4");
    m_button1 = child<QPushButton>(m_client, "Button1");
    m_button2 = child<QPushButton>(m_client, "Button2");
    m_bitBtn1 = child<QPushButton>(m_client, "BitBtn1");
    m_bitBtn2 = child<QPushButton>(m_client, "BitBtn2");
    m_button10 = child<QPushButton>(m_client, "Button10");
    m_labelO2burncurrent = child<QLabel>(m_client, "LabelO2burncurrent");
    m_labelsetmaxdepth = child<QLabel>(m_client, "labelsetmaxdepth");
    m_labelsetstartdepth = child<QLabel>(m_client, "labelsetstartdepth");
    m_labelppo2 = child<QLabel>(m_client, "labelppo2");
    m_labeldepth = child<QLabel>(m_client, "labeldepth");
    m_label3 = child<QLabel>(m_client, "Label3");
    m_labelppn2 = child<QLabel>(m_client, "labelppn2");
    m_labelpphe = child<QLabel>(m_client, "Labelpphe");
    m_label80 = child<QLabel>(m_client, "Label80");
    m_label16 = child<QLabel>(m_client, "Label16");
    m_label17 = child<QLabel>(m_client, "Label17");
    m_label18 = child<QLabel>(m_client, "Label18");
    m_imgmain = child<QLabel>(m_client, "imgmain");
    m_imgcounterlung = child<CounterlungView>(m_client, "imgcounterlung");
    m_label62 = child<QLabel>(m_client, "Label62");
    m_label63 = child<QLabel>(m_client, "Label63");
    m_label66 = child<QLabel>(m_client, "Label66");
    m_progressBar1 = child<QProgressBar>(m_client, "ProgressBar1");
    for (int i = 0; i < 16; ++i) {
        m_ceilingCells[i] = child<QLabel>(m_client, kCeilingCells[i]);
        m_heCells[i] = child<QLabel>(m_client, kHeCells[i]);
        m_n2Cells[i] = child<QLabel>(m_client, kN2Cells[i]);
    }
}

void TForm1::connectButtons()
{
    const std::pair<const char *, void (TForm1::*)()> clicks[] = {
            {"buttonstart", &TForm1::buttonstartClick}, {"Button4", &TForm1::Button4Click},
            {"Button1", &TForm1::Button1Click}, {"Button2", &TForm1::Button2Click},
            {"Button5", &TForm1::Button5Click}, {"Button9", &TForm1::Button9Click},
            {"Button10", &TForm1::Button10Click}, {"Button11", &TForm1::Button11Click},
            {"Button3", &TForm1::Button3Click}, {"Button6", &TForm1::Button6Click},
            {"Button7", &TForm1::Button7Click}, {"Button8", &TForm1::Button8Click}};
    for (const auto &[name, handler] : clicks)
        connect(child<QPushButton>(m_client, name), &QPushButton::clicked, this, handler);
    // A bypass feeds gas while it is held down.
    connect(m_bitBtn1, &QPushButton::pressed, this,
            [this] { m_simulation->bypassMouse(Bypass::O2, true); });
    connect(m_bitBtn1, &QPushButton::released, this,
            [this] { m_simulation->bypassMouse(Bypass::O2, false); });
    connect(m_bitBtn2, &QPushButton::pressed, this,
            [this] { m_simulation->bypassMouse(Bypass::Diluent, true); });
    connect(m_bitBtn2, &QPushButton::released, this,
            [this] { m_simulation->bypassMouse(Bypass::Diluent, false); });
    for (int i = 0; i < kTypeCount; ++i) {
        connect(m_types[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                typeChecked(i);
        });
    }
}

void TForm1::connectReactions()
{
    // The two setpoint boxes exclude each other; the box unchecked by the
    // rule does not apply it in turn.
    auto setpointRule = [this](Check other) {
        if (m_setpointRuleRunning)
            return;
        m_setpointRuleRunning = true;
        check(other)->setChecked(false);
        m_setpointRuleRunning = false;
    };
    connect(check(Check::setpoint1Active), &QCheckBox::toggled, this,
            [=] { setpointRule(Check::setpoint2Active); });
    connect(check(Check::setpoint2Active), &QCheckBox::toggled, this,
            [=] { setpointRule(Check::setpoint1Active); });
    auto greyCaption = [this](bool disabled) {
        setTextColour(m_captions[editIndex(Edit::dilSolenoidFlow)],
                disabled ? kCaptionDisabled : captionOwnColour(Edit::dilSolenoidFlow));
    };
    connect(check(Check::dilSolenoidDisabled), &QCheckBox::toggled, this, greyCaption);
    greyCaption(check(Check::dilSolenoidDisabled)->isChecked());

    connect(slider(Slider::o2Consumption), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) {
                m_simulation->state().o2ConsumptionLpm = s->position() / 10.0;
                m_labelO2burncurrent->setText(
                        fromUtf8(numtext::formatGeneral(s->position() / 10.0)));
            });
    connect(slider(Slider::maxDepth), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) { m_labelsetmaxdepth->setNum(s->position()); });
    connect(slider(Slider::startDepth), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) { m_labelsetstartdepth->setNum(s->position()); });

    // Lamps show state only: a click does not toggle them.
    for (Check lamp : {Check::opvLamp, Check::o2SolenoidLamp, Check::dilSolenoidLamp,
                 Check::o2AdvLamp, Check::dilAdvLamp})
        check(lamp)->installEventFilter(new MouseBlocker(check(lamp)));

    // Once the diver has moved, the start-depth slider no longer follows the
    // mouse; the engine keeps setting it.
    auto *lock = new MouseBlocker(slider(Slider::startDepth));
    lock->blocking = false;
    lock->setObjectName(QStringLiteral("startDepthLock"));
    slider(Slider::startDepth)->installEventFilter(lock);
}

void TForm1::connectTraineeActions()
{
    auto act = [this](const std::string &words) { emit traineeAction(parseCommandLine(words)); };
    for (const auto &[button, name] :
            {std::pair {m_bitBtn1, "O2Bypass"}, std::pair {m_bitBtn2, "DilBypass"}}) {
        connect(button, &QPushButton::pressed, this,
                [act, name] { act("press " + std::string(name)); });
        connect(button, &QPushButton::released, this,
                [act, name] { act("release " + std::string(name)); });
    }
    // Clicks only: a box the program sets (a setpoint's partner, a preset)
    // is no diver's doing.
    for (Check box : {Check::setpoint1Active, Check::setpoint2Active, Check::advOnOxygen,
                 Check::dilSolenoidDisabled}) {
        connect(check(box), &QCheckBox::clicked, this, [act, box](bool on) {
            act("check " + std::string(kChecks[int(box)].parameter) + (on ? " 1" : " 0"));
        });
    }
    // A slider's new target is where the mouse lets it go.
    for (Slider s : {Slider::maxDepth, Slider::o2Consumption}) {
        connect(slider(s), &TGradientTrackBar::mouseDown, this,
                [this, s](TGradientTrackBar *bar) { m_grabbedAt[int(s)] = bar->position(); });
        connect(slider(s), &TGradientTrackBar::mouseUp, this,
                [this, s, act](TGradientTrackBar *bar) {
                    if (bar->position() != m_grabbedAt[int(s)])
                        act("slider " + std::string(kSliders[int(s)].parameter) + " "
                                + std::to_string(bar->position()));
                });
    }
    connect(m_params.get(), &FormParameterSource::edited, this, [this](Edit field) {
        if (field == Edit::presetName)
            return; // a name for the settings, nothing the diver does
        ScenarioCommand c = parseCommandLine("field " + std::string(editName(field)));
        c.text = m_params->text(field);
        emit traineeAction(c);
    });
}

void TForm1::setFailuresLocked(bool locked)
{
    m_failuresLocked = locked;
    for (int i = 0; i < kCheckCount; ++i) {
        if (isFaultBox(Check(i)))
            setCheckEnabled(Check(i), m_checkEnabled[std::size_t(i)]);
    }
}

template<typename Handler>
void TForm1::runHandler(Handler &&handler)
{
    QString error;
    try {
        handler();
    } catch (const LoopwrightError &e) {
        error = QString::fromUtf8(e.what());
    }
    applyView();
    if (!error.isEmpty())
        reportError(error);
}

void TForm1::buttonstartClick()
{
    m_tickErrors.forget(); // a new run reports its failure anew
    runHandler([this] { m_simulation->start(); });
    emit diveStarted();
}

void TForm1::Button4Click()
{
    runHandler([this] { m_simulation->pause(); });
}

void TForm1::Button1Click()
{
    m_tickErrors.forget();
    runHandler([this] { m_simulation->resume(); });
}

void TForm1::Button2Click()
{
    m_tickErrors.forget();
    runHandler([this] { m_simulation->reset(); });
    emit diveReset();
}

void TForm1::Button5Click()
{
    runHandler([this] { m_simulation->updateNoDecoTime(); });
}

void TForm1::TimerPPO2Timer()
{
    std::string error;
    try {
        m_simulation->tick();
        m_tickErrors.forget();
    } catch (const LoopwrightError &e) {
        error = e.what();
    }
    // Before the view is applied: what listens may pause the dive.
    emit ticked(error.empty());
    applyView();
    // A field that stays invalid fails every tick: say so once, and again
    // only after a tick succeeded or the message changed. A box opened while
    // the user types or holds a mouse button would take the keys or swallow
    // the release: the failure is left to the first tick after that.
    const bool userBusy = m_params->isEditing() || QGuiApplication::mouseButtons() != Qt::NoButton;
    if (!error.empty() && !userBusy && m_tickErrors.shouldShow(error))
        reportError(fromUtf8(error));
}

void TForm1::Button9Click()
{
    if (!m_about)
        return;
    m_about->move(centredOver(this, m_about));
    m_about->exec();
}

void TForm1::Button10Click()
{
    if (!m_graph)
        return;
    m_graph->move(frameGeometry().topLeft());
    m_graph->exec();
}

void TForm1::Button11Click()
{
    if (!m_details)
        return;
    m_details->move(centredOver(this, m_details));
    m_details->exec();
}

void TForm1::applyControls(const RunControls &c)
{
    m_buttonstart->setEnabled(c.startEnabled);
    m_button4->setEnabled(c.pauseEnabled);
    m_button1->setEnabled(c.continueEnabled);
    m_button2->setEnabled(c.resetEnabled);
    m_bitBtn1->setEnabled(c.o2BypassEnabled);
    m_bitBtn2->setEnabled(c.dilBypassEnabled);
    m_button10->setEnabled(c.graphEnabled);
    m_menu.graph->setEnabled(c.graphEnabled);
    if (m_timer.interval() != c.timerIntervalMs)
        m_timer.setInterval(c.timerIntervalMs);
    if (c.timerOn && !m_timer.isActive())
        m_timer.start();
    else if (!c.timerOn && m_timer.isActive())
        m_timer.stop();
    if (auto *lock = slider(Slider::startDepth)
                             ->findChild<MouseBlocker *>(
                                     QStringLiteral("startDepthLock"), Qt::FindDirectChildrenOnly))
        lock->blocking = c.startDepthLocked;
}

void TForm1::applyView()
{
    const MainView &v = m_simulation->view();
    if (!(v.controls == m_shown.controls)) {
        applyControls(v.controls);
        m_shown.controls = v.controls;
    }
    applyConsole(v.console, m_shown.console);
    applyDeco(v.deco, m_shown.deco);
    if (m_diveComputer)
        m_diveComputer->simulationChanged();
}

void TForm1::applyConsole(const ConsoleView &c, ConsoleView &shown)
{
    showReadout(m_labelppo2, c.ppo2, shown.ppo2);
    showReadout(m_labeldepth, c.depth, shown.depth);
    showReadout(m_label3, c.diveTime, shown.diveTime);
    showReadout(m_labelppn2, c.ppn2, shown.ppn2);
    showReadout(m_labelpphe, c.pphe, shown.pphe);
    showReadout(m_label80, c.loopVolume, shown.loopVolume);
    showReadout(m_label16, c.o2Used, shown.o2Used);
    showReadout(m_label17, c.dilUsed, shown.dilUsed);
    showReadout(m_label18, c.co2, shown.co2);
    onChange(c.ppo2Colour, shown.ppo2Colour, [this](Rgb ink) { setTextColour(m_labelppo2, ink); });
    m_imgcounterlung->show(c.counterlung, c.ellipseTop, c.ellipseBottom);
    QCheckBox *opv = check(Check::opvLamp);
    onChange(c.opvLampTop, shown.opvLampTop, [opv](int top) { opv->move(opv->x(), top); });
    onChange(c.diverTop, shown.diverTop, [this](int top) { m_imgmain->move(m_imgmain->x(), top); });
}

void TForm1::applyDeco(const DecoView &d, DecoView &shown)
{
    showReadout(m_label62, d.safeAscentDepth, shown.safeAscentDepth);
    onChange(d.safeAscentBackground, shown.safeAscentBackground,
            [this](Rgb paper) { setBackground(m_label62, paper); });
    onChange(d.noDecoTime, shown.noDecoTime,
            [this](const std::string &time) { showNoDecoTime(time); });
    onChange(d.ceilingBar, shown.ceilingBar, [this](int bar) { m_progressBar1->setValue(bar); });
    onChange(d.warningVisible, shown.warningVisible,
            [this](bool visible) { m_label66->setVisible(visible); });
    for (int i = 0; i < 16; ++i) {
        showReadout(m_ceilingCells[i], d.ceilingCells[i], shown.ceilingCells[i]);
        showReadout(m_heCells[i], d.heCells[i], shown.heCells[i]);
        showReadout(m_n2Cells[i], d.n2Cells[i], shown.n2Cells[i]);
    }
}

void TForm1::Button3Click()
{
    runHandler([this] { applyDefaults(*this); });
}

void TForm1::typeChecked(int index)
{
    for (int i = 0; i < kTypeCount; ++i) {
        if (i != index)
            m_types[i]->setChecked(false);
    }
    constexpr void (TForm1::*clicks[kTypeCount])() = {&TForm1::RadioButton2Click,
            &TForm1::RadioButton3Click, &TForm1::RadioButton4Click, &TForm1::RadioButton5Click};
    (this->*clicks[index])();
}

void TForm1::RadioButton2Click()
{
    applyTypePreset(RebreatherType::eCCR, *this);
}

void TForm1::RadioButton3Click()
{
    applyTypePreset(RebreatherType::mCCR, *this);
}

void TForm1::RadioButton4Click()
{
    applyTypePreset(RebreatherType::O2CCR, *this);
}

void TForm1::RadioButton5Click()
{
    applyTypePreset(RebreatherType::Manual, *this);
}

template<typename Operation>
void TForm1::withSettingsFile(Operation &&operation)
{
    if (!m_settingsPath)
        return;
    runHandler([&] {
        SettingsFile file(*m_settingsPath);
        operation(file);
    });
}

void TForm1::Button6Click()
{
    withSettingsFile([this](SettingsFile &file) { savePresetAs(file, *this); });
}

void TForm1::Button7Click()
{
    withSettingsFile([this](SettingsFile &file) { deleteSelectedPreset(file, *this); });
}

void TForm1::Button8Click()
{
    withSettingsFile([this](SettingsFile &file) { loadSelectedPreset(file, *this); });
}

bool TForm1::FormClose()
{
    if (!m_settingsPath)
        return true;
    try {
        SettingsFile file(*m_settingsPath);
        SettingsBatch batch(file);
        saveState(file, currentStateSections(), *this);
        saveOptions(file,
                {m_menu.diveComputer->isChecked(), m_keptLanguage,
                        m_simulation->state().gradientFactors, m_exportFolder,
                        m_simulation->state().bailout});
        batch.Commit();
        return true;
    } catch (const LoopwrightError &e) {
        // A folder that stays read-only would otherwise keep the program
        // from ever closing: the user may give up the settings instead.
        return m_closeQuestion && m_closeQuestion(QString::fromUtf8(e.what()));
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

std::string TForm1::text(Edit field) const
{
    return edit(field)->text().toStdString();
}

void TForm1::setText(Edit field, std::string_view text)
{
    edit(field)->setText(fromUtf8(text));
}

std::string TForm1::detailText(int index) const
{
    return m_details ? m_details->field(index)->text().toStdString() : std::string();
}

void TForm1::setDetailText(int index, std::string_view text)
{
    if (m_details)
        m_details->field(index)->setText(fromUtf8(text));
}

bool TForm1::isTypeChecked(RebreatherType type) const
{
    return m_types[int(type)]->isChecked();
}

void TForm1::setTypeChecked(RebreatherType type, bool checked)
{
    m_types[int(type)]->setChecked(checked);
}

bool TForm1::isChecked(Check box) const
{
    return check(box)->isChecked();
}

void TForm1::setChecked(Check box, bool checked)
{
    check(box)->setChecked(checked);
}

void TForm1::setCheckEnabled(Check box, bool enabled)
{
    m_checkEnabled[std::size_t(box)] = enabled;
    check(box)->setEnabled(enabled && !(m_failuresLocked && isFaultBox(box)));
}

void TForm1::setFieldEnabled(Edit field, bool enabled)
{
    edit(field)->setEnabled(enabled);
}

void TForm1::setCaptionColour(Edit field, Rgb colour)
{
    if (QLabel *caption = m_captions[editIndex(field)])
        setTextColour(caption, colour);
}

void TForm1::setDilBypassAvailable(bool available)
{
    m_simulation->state().dilBypassAvailable = available;
}

void TForm1::setPosition(Slider s, int position)
{
    slider(s)->setPosition(position);
}

void TForm1::setPresetNames(const std::vector<std::string> &names)
{
    m_presets->clear();
    for (const std::string &name : names)
        m_presets->addItem(fromUtf8(name));
}

std::optional<std::string> TForm1::selectedPreset() const
{
    const QList<QListWidgetItem *> selected = m_presets->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->text().toStdString();
}

void TForm1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        translateWindow(*this, *m_client);
        showNoDecoTime(m_shown.deco.noDecoTime);
    }
    QWidget::changeEvent(event);
}

void TForm1::showNoDecoTime(const std::string &time)
{
    // The forecast's "Вечн" is a word; the window shows it in the
    // interface's language.
    m_label63->setText(time == "Вечн" ? tr("Вечн") : fromUtf8(time));
}
