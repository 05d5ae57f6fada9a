// Drills in the window, offscreen: a shipped drill opened, its failure
// hidden and locked, flown with the trainee's actions done on the window's
// own controls, debriefed and saved, and the user's own set-up back; a
// malformed drill refused.

#include "app/tbailoutsettings.h"
#include "app/tdebrief.h"
#include "app/tdivecomputersettings.h"
#include "appwindow.h"
#include "controls/tgradienttrackbar.h"
#include "controls/tplotchart.h"
#include "profile/settingsfile.h"
#include "shippeddrills.h"
#include "tempfolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace {

const std::string kSource = std::string(LOOPWRIGHT_SOURCE_DIR) + "/";

struct DrillWindow : AppWindow
{
    DrillController &drills = program.drills;
    FaultsMenu &faults = drills.faults();
    TempFolder folder;

    void SetUp() override
    {
        AppWindow::SetUp();
        drills.setSeedSource([] { return 1; }); // as the responses are written for
    }
    SetupSnapshot setup() { return takeSetup(form, form.params(), form.simulation().state()); }
    // The user's own: eCCR on its high setpoint, texts and positions that no
    // drill sets, a loop detail, a closed oxygen cylinder, a stuck solenoid
    // and a slow cell.
    void ownSetup()
    {
        FormControls &controls = form;
        controls.setTypeChecked(RebreatherType::eCCR, true);
        controls.setChecked(Check::setpoint2Active, true);
        controls.setChecked(Check::dilSolenoidStuck, true);
        controls.setText(Edit::setpoint2, "1,35");
        controls.setText(Edit::presetName, "Моя настройка");
        controls.setDetailText(0, "5,5");
        form.slider(Slider::simSpeed)->setPosition(40);
        form.slider(Slider::maxDepth)->setPosition(12);
        faults.o2Closed()->trigger();
        faults.cellItem(2, FaultsMenu::CellItem::Slow30)->trigger();
        form.simulation().state().gradientFactors = {30, 70};
        form.simulation().state().bailout.rmvLpm = 15.0;
    }
    double minutes() const
    {
        return double(form.simulation().state().simClockMs - kSimClockStartMs) / 60000.0;
    }
    std::filesystem::path drill(const char *name, const std::string &text = {})
    {
        if (text.empty())
            return kSource + "drills/" + name;
        writeBytes(folder.path() / name, text);
        return folder.path() / name;
    }
    QString status() const { return shown("status"); }

    // Takes the slider's thumb with the mouse and lets it go at \a target.
    static void dragTo(TGradientTrackBar *slider, int target)
    {
        const QPoint thumb(slider->width() / 2, slider->thumbOffset() + 5);
        QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
        slider->setPosition(target);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb);
    }

    // What the trainee does, on the window's own controls.
    void act(const ScenarioCommand &c)
    {
        using Kind = ScenarioCommand::Kind;
        const auto bypass = [&] { return c.bypass == Bypass::O2 ? "BitBtn1" : "BitBtn2"; };
        switch (c.kind) {
        case Kind::Supply:
            faults.valveAction(c.cylinder == Cylinder::O2, c.count != 0)->trigger();
            break;
        case Kind::Press:
            QTest::mousePress(form.findChild<QPushButton *>(bypass()), Qt::LeftButton);
            break;
        case Kind::Release:
            QTest::mouseRelease(form.findChild<QPushButton *>(bypass()), Qt::LeftButton);
            break;
        case Kind::Check:
            if (form.check(c.check)->isChecked() != (c.count != 0))
                QTest::mouseClick(form.check(c.check), Qt::LeftButton, {}, QPoint(7, 8));
            break;
        case Kind::Slider:
            dragTo(form.slider(c.slider), int(c.count));
            break;
        case Kind::Bailout:
            (c.breathing == Breathing::Loop ? program.bailout.loopAction()
                                            : program.bailout.gasAction(int(gasIndex(c.breathing))))
                    ->trigger();
            break;
        default:
            ADD_FAILURE() << "no window action for " << commandWords(c);
        }
    }

    // Flies the drill open now, doing the response's actions at their times
    // on the window's controls, until the debrief shows.
    void fly(const std::vector<DrillEvent> &response)
    {
        std::size_t next = 0;
        form.buttonstartClick();
        while (!drills.debriefWindow().isVisible() && minutes() < 120) {
            for (; next < response.size() && response[next].minutes <= minutes() + 1e-9; ++next)
                act(response[next].command);
            form.TimerPPO2Timer();
        }
    }
};

TEST_F(DrillWindow, AShippedDrillHidesItsFailureAndLocksIt)
{
    ownSetup();
    ASSERT_TRUE(drills.open(drill("o2-solenoid-stuck.drill")));
    // The drill's set-up over the design one; the drill waits for the dive.
    EXPECT_EQ(form.edit(Edit::tickMs)->text(), "1000");
    EXPECT_EQ(form.edit(Edit::setpoint2)->text(), "1,5");
    EXPECT_FALSE(form.check(Check::setpoint2Active)->isChecked());
    EXPECT_EQ(form.slider(Slider::simSpeed)->position(), 0);
    EXPECT_EQ(form.simulation().state().gradientFactors, GradientFactors {}) << "the design's";
    EXPECT_EQ(form.simulation().state().bailout, BailoutSettings {});
    ASSERT_NE(drills.briefing(), nullptr);
    EXPECT_TRUE(drills.briefing()->text().contains("лампа соленоида горит, не гаснет"));
    EXPECT_EQ(drills.session(), nullptr);
    EXPECT_TRUE(drills.closeAction()->isEnabled());
    form.buttonstartClick();
    EXPECT_FALSE(drills.closeAction()->isEnabled()) << "the dive ends at the debrief";
    EXPECT_FALSE(drills.openAction()->isEnabled());
    while (minutes() < 9)
        form.TimerPPO2Timer();
    // Stuck since 8:33: only the instruments tell.
    QCheckBox *stuck = form.check(Check::o2SolenoidStuck);
    EXPECT_FALSE(stuck->isChecked());
    EXPECT_FALSE(stuck->isEnabled());
    EXPECT_FALSE(form.check(Check::dilSolenoidStuck)->isEnabled());
    EXPECT_FALSE(faults.menu()->menuAction()->isEnabled());
    EXPECT_TRUE(faults.valvesMenu()->menuAction()->isEnabled());
    for (const bool open : {true, false})
        EXPECT_FALSE(faults.valveAction(true, open)->isCheckable());
    // Nothing the trainee does undoes it: a preset that would enable the box.
    form.findChild<QRadioButton *>("RadioButton2")->click();
    EXPECT_FALSE(stuck->isEnabled());
    EXPECT_TRUE(form.simulation().failed(Check::o2SolenoidStuck));
    form.check(Check::setpoint1Active)->click();
    TDiveComputerSettings &gf = program.diveComputer.settings();
    program.diveComputer.openSettings();
    gf.lowField()->setText("30");
    QTest::mouseClick(gf.okButton(), Qt::LeftButton);
    program.diveComputer.openSettings();
    QTest::mouseClick(gf.okButton(), Qt::LeftButton); // the same pair: no action
    // The bailout settings: only what changed, in the commands' words.
    program.bailout.settingsAction()->trigger();
    TBailoutSettings &bailout = program.bailout.settings();
    bailout.litresField(1)->setText("900");
    bailout.rmvField()->setText("15,5");
    bailout.okButton()->click();
    // The diluent solenoid's switch; a slider let go where it was taken, and
    // one moved.
    QCheckBox *dilOff = form.check(Check::dilSolenoidDisabled);
    ASSERT_TRUE(dilOff->isEnabled());
    const std::string dilWords =
            dilOff->isChecked() ? "check DilSolenoidDisabled 0" : "check DilSolenoidDisabled 1";
    QTest::mouseClick(dilOff, Qt::LeftButton, {}, QPoint(7, 8));
    dragTo(form.slider(Slider::maxDepth), form.slider(Slider::maxDepth)->position());
    dragTo(form.slider(Slider::o2Consumption), 12);
    const auto log = drills.session()->log();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[6].what, dilWords);
    EXPECT_EQ(log[7].what, "slider O2Consumption 12");
    EXPECT_EQ(log[1], (LogEntry {513000, Actor::Drill, "check O2SolenoidStuck 1"}));
    EXPECT_EQ(log[2], (LogEntry {540000, Actor::Trainee, "check Setpoint1Active 0"}));
    EXPECT_EQ(log[3].what, "gf 30 80");
    EXPECT_EQ(log[4].what, "bailout-gas 2 50 0 900");
    EXPECT_EQ(log[5].what, "rmv 15,5");
    EXPECT_EQ(form.simulation().state().bailout.rmvLpm, 15.5);
}

TEST_F(DrillWindow, TheDebriefListsWhatHappenedAndTheDrillsDiveEndsWithIt)
{
    ownSetup();
    const SetupSnapshot own = setup();
    ASSERT_TRUE(drills.open(drill("dil-valve-closed.drill")));
    EXPECT_TRUE(status().startsWith("Тренировка: Закрытый баллон"));
    fly(std::get<std::vector<DrillEvent>>(
            parseResponse(readBytes(kSource + "tests/drills/responses/dil-valve-closed.wrong"))));
    TDebrief &debrief = drills.debriefWindow();
    ASSERT_TRUE(debrief.isVisible());
    EXPECT_EQ(runState(form.simulation().view().controls), RunState::Paused);
    EXPECT_TRUE(status().endsWith("\nСпуск до 30 м, 15 минут на дне."));
    EXPECT_EQ(debrief.findChild<QLabel *>("objective0")->text(), "✘ не выполнена");
    // The chart's minutes on round steps: 1, 2 or 5 times a power of ten.
    const auto &ticks = debrief.findChild<TPlotChart *>("depthChart")->layout().xTicks();
    ASSERT_GE(ticks.size(), 2u);
    const double step = ticks[1].value - ticks[0].value;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    EXPECT_TRUE(mantissa == 1.0 || mantissa == 2.0 || mantissa == 5.0) << step;
    EXPECT_EQ(debrief.findChild<QLabel *>("objective1")->text(), "✔ выполнена");
    EXPECT_EQ(debrief.findChild<QLabel *>("value2")->text(), "время реакции: 62 с");
    QTreeWidget *log = debrief.findChild<QTreeWidget *>("log");
    ASSERT_EQ(log->topLevelItemCount(), 4);
    const QStringList second {log->topLevelItem(1)->text(0), log->topLevelItem(1)->text(1),
            log->topLevelItem(1)->text(2)};
    EXPECT_EQ(second, QStringList({"0:13", "тренировка", "supply Dil closed"}));
    EXPECT_EQ(log->topLevelItem(2)->text(2), "supply Dil open");
    EXPECT_EQ(log->topLevelItem(2)->text(1), "обучаемый");

    const auto saved = folder.path() / "разбор.txt";
    ASSERT_TRUE(debrief.saveText(saved));
    const std::string text = readBytes(saved);
    for (const char *line :
            {"  НЕ выполнена  PPO2 от 0,4 до 1,6; вне пределов: 0,4 мин\n", "Время реакции: 62 с\n",
                    "Случайное время событий: строка 27: 0:12 (из 0–1,5 мин)\n",
                    "  1:15  обучаемый  supply Dil open\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    form.menu().english->trigger();
    ASSERT_TRUE(debrief.saveText(saved));
    EXPECT_NE(
            readBytes(saved).find("  NOT met  PPO2 from 0,4 to 1,6; outside the limits: 0,4 min\n"),
            std::string::npos);
    form.menu().russian->trigger();
    QStringList saveErrors;
    debrief.setErrorSink([&](const QString &m) { saveErrors << m; });
    EXPECT_FALSE(debrief.saveText(folder.path() / "нет" / "разбор.txt"));
    EXPECT_EQ(saveErrors,
            QStringList("Разбор не сохранён в файл «"
                    + QString::fromStdString((folder.path() / "нет" / "разбор.txt").string())
                    + "»: такой папки нет."));

    // Closed, the drill's dive is over: nothing to continue, nothing to plan.
    debrief.reject();
    EXPECT_FALSE(drills.hasDrill());
    EXPECT_EQ(runState(form.simulation().view().controls), RunState::Idle);
    EXPECT_FALSE(form.findChild<QPushButton *>("Button1")->isEnabled());
    EXPECT_EQ(shown("tts"), "—");
    EXPECT_TRUE(program.diveExport.log().holdsDive()) << "the dive's log for export stays";
    EXPECT_TRUE(form.check(Check::dilSolenoidStuck)->isEnabled());
    EXPECT_TRUE(faults.menu()->menuAction()->isEnabled());
    EXPECT_TRUE(setup() == own);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// At the surface a litre a tick (60 l/min): gas 1's 150 l last ticks 2 to
// 151 of the 179 on it, ticks 152 to 180 are out of gas; gas 2 untouched. The
// bailout figures and objective in the window and its text, both languages.
// Times as a clock shows them, whole seconds passed: 12,9 s is 0:12 and
// 65,999 s is 1:05; a reaction is shown to the nearest tenth.
TEST_F(DrillWindow, TheDebriefWritesTimesAsAClockDoes)
{
    Debrief d;
    d.title = "T";
    d.endedBy = DrillEnd::Reset;
    d.reactionS = 27.46;
    d.drawn = {{3, 0.0, 1.0, 0.215}};
    d.events = {{65999, Actor::Trainee, "supply O2 closed"}};
    TDebrief &debrief = drills.debriefWindow();
    debrief.showDebrief(d);
    ASSERT_TRUE(debrief.saveText(folder.path() / "t.txt"));
    const std::string text = readBytes(folder.path() / "t.txt");
    for (const char *line : {"Время реакции: 27,5 с\n", "строка 3: 0:12 (из 0–1 мин)",
                 "  1:05  обучаемый  supply O2 closed\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

TEST_F(DrillWindow, TheDebriefShowsTheBailoutFigures)
{
    ASSERT_TRUE(drills.open(drill("oc.drill",
            "field TickMs 1000\nrmv 60\nbailout-gas 1 21 0 150\nat 0 bailout 1\n"
            "at 3 bailout loop\nend-after 6\nobjective bailout-reserve-above 1\n")));
    fly({});
    TDebrief &debrief = drills.debriefWindow();
    EXPECT_EQ(debrief.findChild<QLabel *>("value0")->text(), "меньший остаток: 0 %");
    const auto has = [&](const char *line) {
        return debrief.debriefText().toStdString().find(line) != std::string::npos;
    };
    EXPECT_TRUE(has("  НЕ выполнена  Остаток газа байлаута не меньше 1 %; меньший остаток: 0 %\n"));
    EXPECT_TRUE(has(
            "  На байлауте: 3 мин\n  Израсходовано газа байлаута: 150 л\n  Без газа: 0,5 мин\n"));
    form.menu().english->trigger();
    EXPECT_TRUE(has("  NOT met  Bailout gas left at least 1 %; smaller reserve: 0 %\n"));
    EXPECT_TRUE(has("  On bailout: 3 min\n  Bailout gas used: 150 l\n  Out of gas: 0,5 min\n"));
    form.menu().russian->trigger();
    debrief.reject();
}

// The window starts a drill from the design set-up, as the headless runner
// does: what the user had set must not change how a drill goes. The
// trainee's actions are done on the window's controls and logged as the
// trainee's, in the response's words.
class ShippedDrillInTheWindow
    : public DrillWindow,
      public testing::WithParamInterface<std::tuple<ShippedDrillCase, bool>>
{ };

TEST_P(ShippedDrillInTheWindow, PassesAsHeadlessAndLogsTheResponse)
{
    ownSetup();
    const auto &[shipped, correct] = GetParam();
    const std::string name = shipped.name;
    const std::string response = readBytes(
            kSource + "tests/drills/responses/" + name + (correct ? ".correct" : ".wrong"));
    const auto actions = std::get<std::vector<DrillEvent>>(parseResponse(response));
    ASSERT_TRUE(drills.open(drill((name + ".drill").c_str())));
    fly(actions);
    const Debrief debrief = drills.debriefWindow().debrief();
    EXPECT_EQ(debrief.endedBy, DrillEnd::Surface);
    std::string passes;
    for (const ObjectiveResult &o : debrief.objectives)
        passes += o.passed ? '+' : '-';
    EXPECT_EQ(passes,
            correct ? std::string(std::strlen(shipped.wrongPasses), '+') : shipped.wrongPasses);
    std::vector<std::string> done, scripted;
    for (const LogEntry &e : debrief.events) {
        if (e.by == Actor::Trainee)
            done.push_back(e.what);
    }
    for (const DrillEvent &e : actions)
        scripted.push_back(commandWords(e.command));
    EXPECT_EQ(done, scripted);
}

INSTANTIATE_TEST_SUITE_P(Drills, ShippedDrillInTheWindow,
        testing::Combine(testing::ValuesIn(kShippedDrills), testing::Bool()), [](const auto &info) {
            return testName(std::get<0>(info.param).name)
                    + (std::get<1>(info.param) ? "_correct" : "_wrong");
        });

TEST_F(DrillWindow, AMalformedDrillChangesNothingAndClosingMidDrillSavesTheUsersSetUp)
{
    ownSetup();
    const SetupSnapshot own = setup();
    EXPECT_FALSE(drills.open(drill("bad.drill", "title Плохая\nfield Setpoint2 1,1\n\nfoo 1\n")));
    EXPECT_EQ(messages,
            QStringList("Тренировка «bad.drill» не открыта: строка 4: неизвестная команда «foo»"));
    // A briefing line over 64 KiB and a pipe are refused the same way, and
    // in English in English.
    messages.clear();
    EXPECT_FALSE(
            drills.open(drill("long.drill", "title Длинная\nbrief " + std::string(70000, 'x'))));
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.drill").c_str(), 0644), 0);
    EXPECT_FALSE(drills.open(folder.path() / "pipe.drill"));
    form.menu().english->trigger();
    EXPECT_FALSE(drills.open(folder.path() / "bad.drill"));
    form.menu().russian->trigger();
    EXPECT_EQ(messages,
            QStringList({"Тренировка «long.drill» не открыта: строка 2: строка длиннее 64 КиБ",
                    "Тренировка «pipe.drill» не открыта: файл тренировки — не обычный файл",
                    "Drill \"bad.drill\" was not opened: line 4: unknown command 'foo'"}));
    EXPECT_TRUE(setup() == own);
    EXPECT_FALSE(drills.hasDrill());
    EXPECT_EQ(drills.briefing(), nullptr);

    // An untitled drill is named by its file.
    ASSERT_TRUE(drills.open(drill("без названия.drill", "field TickMs 1000\n")));
    EXPECT_TRUE(status().startsWith("Тренировка: без названия\n"));
    form.setSettingsFile(folder.path() / "config.ini");
    ASSERT_TRUE(drills.open(drill("setpoint-switch.drill")));
    EXPECT_EQ(form.edit(Edit::setpoint2)->text(), "1,3");
    form.close();
    EXPECT_EQ(SettingsFile(folder.path() / "config.ini").ReadString("TEdit", "Edit8", ""), "1,35");
}

// "Открыть тренировку…" starts in the shipped drills of the interface's
// language.
TEST_F(DrillWindow, TheOpenDialogStartsInTheDrillsOfTheLanguage)
{
    const QString shipped = QDir(QString::fromStdString(kSource + "drills")).canonicalPath();
    EXPECT_EQ(QDir(drills.drillsFolder()).canonicalPath(), shipped);
    form.menu().english->trigger();
    EXPECT_EQ(QDir(drills.drillsFolder()).canonicalPath(), shipped + "/en");
    form.menu().russian->trigger();
}

// A reset before the dive gives the drill its own set-up again; a reset
// during it ends the drill, and the valves open as every reset opens them.
TEST_F(DrillWindow, TheValvesFollowTheDrillAndTheResetThatEndsIt)
{
    ASSERT_TRUE(drills.open(drill("valves.drill",
            "title Клапаны\nfield TickMs 1000\n"
            "slider MaxDepth 20\nsupply Dil closed\n"
            "at 0,05 supply O2 closed\n")));
    form.Button2Click();
    EXPECT_EQ(form.slider(Slider::maxDepth)->position(), 20);
    EXPECT_FALSE(form.simulation().state().dilValveOpen);
    form.buttonstartClick();
    for (int i = 0; i < 3; ++i)
        form.TimerPPO2Timer();
    EXPECT_FALSE(form.simulation().state().o2ValveOpen);

    form.Button4Click();
    form.Button2Click();
    EXPECT_TRUE(form.simulation().state().dilValveOpen);
    ASSERT_TRUE(drills.debriefWindow().isVisible());
    EXPECT_EQ(drills.debriefWindow().debrief().endedBy, DrillEnd::Reset);
    EXPECT_FALSE(drills.openAction()->isEnabled());
    drills.debriefWindow().reject();
    EXPECT_TRUE(drills.openAction()->isEnabled());
    EXPECT_FALSE(faults.dilClosed()->isChecked());
}

// The cells' menu fails a cell for the next tick; the dive computer strikes
// the cell voted out through in red and words its warnings in either
// language; a number the user types is checked; a reset mends every cell.
TEST_F(DrillWindow, CellFailuresFromTheMenuShowOnTheDiveComputer)
{
    using Item = FaultsMenu::CellItem;
    QString answer;
    faults.setAsker([&](const QString &, const QString &, const QString &) {
        return std::optional(answer);
    });
    EXPECT_FALSE(faults.cellItem(1, Item::Frozen)->isEnabled()) << "no reading before a dive";
    form.params().setChecked(Check::setpoint1Active, false);
    form.buttonstartClick();
    faults.cellItem(3, Item::Dead)->trigger();
    EXPECT_EQ(shown("cell3"), "0,3") << "the reading waits for the tick";
    form.TimerPPO2Timer();
    EXPECT_EQ(shown("cell3"), "0");
    EXPECT_TRUE(readout("cell3")->font().strikeOut());
    EXPECT_EQ(readout("cell3")->palette().color(QPalette::WindowText), QColor(230, 0, 0));
    EXPECT_FALSE(readout("cell2")->font().strikeOut());
    EXPECT_EQ(shown("votedPpo2"), "0,3");
    EXPECT_EQ(shown("diluentPpo2"), "0,21");
    EXPECT_TRUE(faults.cellItem(3, Item::Dead)->isChecked());
    EXPECT_FALSE(faults.cellItem(3, Item::Ok)->isChecked());

    for (const char *typed : {"abc", "-1", "2"}) {
        answer = typed;
        faults.cellItem(1, Item::Sensitivity)->trigger();
    }
    EXPECT_EQ(messages,
            QStringList({"«abc» не подходит: нужно число не меньше нуля.",
                    "«-1» не подходит: нужно число не меньше нуля."}));
    form.TimerPPO2Timer(); // 0,6, 0,3 and 0: cell 1 out, the other two apart
    EXPECT_EQ(shown("warnings"), "ДАТЧИК 1 ИСКЛЮЧЁН   ДАТЧИКИ НЕ СОГЛАСНЫ");
    form.menu().english->trigger();
    EXPECT_EQ(shown("warnings"), "CELL 1 VOTED OUT   CELLS DISAGREE");
    form.menu().russian->trigger();

    EXPECT_TRUE(faults.cellItem(2, Item::Frozen)->isEnabled());
    form.Button4Click();
    form.Button2Click();
    for (int cell = 1; cell <= 3; ++cell)
        EXPECT_TRUE(faults.cellItem(cell, Item::Ok)->isChecked()) << cell;
}

// The bailout menu names the gases from the settings, which its dialog
// checks; F5 bails out from the next tick and the dive computer shows the
// gas, its cylinder, the bailout plan as its own, "НЕТ ГАЗА" once the
// cylinder is empty and a gas the plan lacks in red, in either language.
TEST_F(DrillWindow, BailingOutFromTheMenuShowsOnTheDiveComputer)
{
    BailoutMenu &menu = program.bailout;
    menu.refresh();
    EXPECT_EQ(menu.gasAction(0)->text(), "Газ &1 (21/0)");
    EXPECT_EQ(menu.gasAction(1)->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_TRUE(menu.loopAction()->isChecked());

    TBailoutSettings &dialog = menu.settings();
    menu.settingsAction()->trigger();
    for (const auto &[field, typed, refusal] : {
                 std::tuple {dialog.heField(0), "80",
                         "Не принято: Газ 1 — кислорода и гелия вместе не больше 100 %."},
                 {dialog.litresField(1), "-1",
                         "Не принято: Газ 2 — литры не могут быть отрицательными (0 — баллона "
                         "нет)."},
                 {dialog.rmvField(), "0",
                         "Не принято: расход на открытой схеме должен быть больше нуля."},
                 {dialog.o2Field(0), "x", "Не принято: все семь значений должны быть числами."}}) {
        const QString before = field->text();
        field->setText(typed);
        dialog.okButton()->click();
        EXPECT_EQ(dialog.message(), refusal);
        EXPECT_TRUE(dialog.isVisible());
        field->setText(before);
    }
    dialog.o2Field(0)->setText("10");
    dialog.heField(0)->setText("50,5");
    dialog.litresField(1)->setText("1");
    dialog.okButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    SimulationState &state = form.simulation().state();
    EXPECT_EQ(state.bailout.gases[0], (BailoutGas {10.0, 50.5, 2200.0}));
    EXPECT_EQ(menu.gasAction(0)->text(), "Газ &1 (10/50,5)");

    form.params().setText(Edit::tickMs, "1000");
    form.slider(Slider::startDepth)->setPosition(40);
    form.slider(Slider::maxDepth)->setPosition(40);
    form.buttonstartClick();
    form.TimerPPO2Timer();
    EXPECT_EQ(shown("breathing"), "Контур");
    EXPECT_EQ(shown("bailout2Left"), "1 л");
    menu.gasAction(0)->trigger();
    EXPECT_EQ(state.breathing, Breathing::Gas1);
    EXPECT_EQ(shown("breathing"), "Газ 1 (10/50,5)");
    EXPECT_EQ(shown("bailout1Left"), "2200 л") << "from the next tick";
    form.TimerPPO2Timer();
    EXPECT_EQ(shown("bailout1Left"), "2198 л") << "100 l a minute at 40 m, 1,67 a tick";
    program.diveComputer.refreshNow();
    EXPECT_EQ(shown("tts"), shown("bailoutTts")) << "the bailout plan is the computer's";
    EXPECT_TRUE(red("bailout2Need"))
            << "1 l of the 50 % is not enough: " << shown("bailout2Need").toStdString();
    EXPECT_FALSE(red("bailout1Need"));

    menu.gasAction(1)->trigger();
    form.TimerPPO2Timer();
    form.TimerPPO2Timer();
    EXPECT_EQ(shown("bailout2Left"), "0 л");
    EXPECT_TRUE(red("breathing"));
    EXPECT_TRUE(shown("warnings").startsWith("НЕТ ГАЗА ")) << shown("warnings").toStdString();
    form.menu().english->trigger();
    EXPECT_TRUE(shown("warnings").startsWith("OUT OF GAS "));
    EXPECT_EQ(menu.loopAction()->text(), "Back on the &loop");
    EXPECT_EQ(shown("breathing"), "Gas 2 (50/0)");
    form.menu().russian->trigger();

    menu.loopAction()->trigger();
    form.TimerPPO2Timer();
    EXPECT_FALSE(red("breathing"));
    EXPECT_FALSE(shown("warnings").contains("НЕТ ГАЗА"));
    // A gas set to no litres is no longer carried, from the next plan.
    menu.settingsAction()->trigger();
    dialog.litresField(1)->setText("0");
    dialog.okButton()->click();
    program.diveComputer.refreshNow();
    EXPECT_EQ(shown("bailout2Need"), "не взят");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    drills.perform("bailout 3"); // words the language refuses are reported, not thrown
    EXPECT_EQ(messages, QStringList("ожидается 1, 2 или loop, а не «3»"));
}

} // namespace
