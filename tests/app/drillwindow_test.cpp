// Drills in the window, offscreen: a shipped drill opened, flown with the
// trainee's actions, debriefed and saved, and the user's own set-up back; a
// malformed drill refused; the valve menu following the dive.

#include "app/tdebrief.h"
#include "appwindow.h"
#include "controls/tgradienttrackbar.h"
#include "profile/settingsfile.h"
#include "tempfolder.h"

#include "app/tbailoutsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace {

struct DrillWindow : AppWindow
{
    DrillController &drills = program.drills;
    FaultsMenu &faults = drills.faults();
    TempFolder folder;

    SetupSnapshot setup() { return takeSetup(form, form.params(), form.simulation().state()); }
    // The user's own: eCCR on its high setpoint, texts and positions that no
    // drill sets, a loop detail, a closed oxygen cylinder and a slow cell.
    void ownSetup()
    {
        FormControls &controls = form;
        controls.setTypeChecked(RebreatherType::eCCR, true);
        controls.setChecked(Check::setpoint2Active, true);
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
            return std::filesystem::path(LOOPWRIGHT_SOURCE_DIR) / "drills" / name;
        writeBytes(folder.path() / name, text);
        return folder.path() / name;
    }
    QString status() const { return program.diveComputer.findChild<QLabel *>("status")->text(); }
};

TEST_F(DrillWindow, FliesAShippedDrillToItsDebriefAndGivesTheSetUpBack)
{
    ownSetup();
    const SetupSnapshot own = setup();
    ASSERT_TRUE(drills.open(drill("dil-valve-closed.drill")));
    // The drill's set-up over the design one; the drill waits for the dive.
    EXPECT_EQ(form.edit(Edit::tickMs)->text(), "1000");
    EXPECT_EQ(form.edit(Edit::setpoint2)->text(), "1,5");
    EXPECT_FALSE(form.check(Check::setpoint2Active)->isChecked());
    EXPECT_EQ(form.slider(Slider::simSpeed)->position(), 0);
    EXPECT_TRUE(faults.dilClosed()->isChecked());
    EXPECT_FALSE(faults.o2Closed()->isChecked());
    EXPECT_EQ(form.simulation().state().gradientFactors, GradientFactors {}) << "the design's";
    EXPECT_EQ(form.simulation().state().bailout, BailoutSettings {});
    ASSERT_NE(drills.briefing(), nullptr);
    EXPECT_TRUE(drills.briefing()->text().contains("Перед прыжком забыли открыть"));
    EXPECT_TRUE(status().startsWith("Тренировка: Закрытый баллон"));
    EXPECT_EQ(drills.session(), nullptr);

    // The wrong response: the valve opened at one minute, the ascent at 16.
    form.buttonstartClick();
    EXPECT_FALSE(drills.openAction()->isEnabled());
    while (!drills.debriefWindow().isVisible() && minutes() < 60) {
        if (minutes() >= 1)
            faults.dilClosed()->setChecked(false);
        if (minutes() >= 16)
            form.slider(Slider::maxDepth)->setPosition(0);
        form.TimerPPO2Timer();
    }
    TDebrief &debrief = drills.debriefWindow();
    ASSERT_TRUE(debrief.isVisible());
    EXPECT_EQ(runState(form.simulation().view().controls), RunState::Paused);
    EXPECT_TRUE(status().endsWith("\nСпуск до 30 м, 15 минут на дне."));
    EXPECT_EQ(debrief.findChild<QLabel *>("objective0")->text(), "✘ не выполнена");
    EXPECT_EQ(debrief.findChild<QLabel *>("objective1")->text(), "✔ выполнена");

    const auto saved = folder.path() / "разбор.txt";
    ASSERT_TRUE(debrief.saveText(saved));
    EXPECT_NE(readBytes(saved).find("НЕ выполнена  ppo2-between 0,4 1,6"), std::string::npos);
    QStringList saveErrors;
    debrief.setErrorSink([&](const QString &m) { saveErrors << m; });
    EXPECT_FALSE(debrief.saveText(folder.path() / "нет" / "разбор.txt"));
    EXPECT_EQ(saveErrors,
            QStringList("Разбор не сохранён в файл «"
                    + QString::fromStdString((folder.path() / "нет" / "разбор.txt").string())
                    + "»: такой папки нет."));

    debrief.reject();
    EXPECT_FALSE(drills.hasDrill());
    EXPECT_TRUE(setup() == own);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// The window starts a drill from the design set-up, as the headless runner
// does: what the user had set must not change how a drill goes.
TEST_F(DrillWindow, EveryShippedDrillPassesWithItsCorrectResponse)
{
    ownSetup();
    // The cell and bailout drills are flown with their wrong responses too,
    // which fail.
    for (const auto &[name, response] :
            {std::pair {"o2-solenoid-stuck", ".correct"}, {"dil-solenoid-stuck", ".correct"},
                    {"o2-cylinder-empty", ".correct"}, {"dil-valve-closed", ".correct"},
                    {"setpoint-switch", ".correct"}, {"deco-dive", ".correct"},
                    {"cells-current-limited", ".correct"}, {"cells-current-limited", ".wrong"},
                    {"cell-dead", ".correct"}, {"cell-dead", ".wrong"},
                    {"cells-slow-descent", ".correct"}, {"cells-slow-descent", ".wrong"},
                    {"loop-lost-40m", ".correct"}, {"loop-lost-40m", ".wrong"},
                    {"bailout-deco", ".correct"}, {"bailout-deco", ".wrong"}}) {
        const std::string source = std::string(LOOPWRIGHT_SOURCE_DIR) + "/";
        ASSERT_TRUE(drills.open(drill("flown.drill",
                readBytes(source + "drills/" + name + ".drill")
                        + readBytes(source + "tests/drills/responses/" + name + response))));
        form.buttonstartClick();
        while (!drills.debriefWindow().isVisible() && minutes() < 120)
            form.TimerPPO2Timer();
        const Debrief debrief = drills.debriefWindow().debrief();
        EXPECT_EQ(debrief.endedBy, DrillEnd::Surface) << name;
        const bool correct = std::string(response) == ".correct";
        EXPECT_EQ(std::all_of(debrief.objectives.begin(), debrief.objectives.end(),
                          [](const ObjectiveResult &o) { return o.passed; }),
                correct)
                << name << response;
        drills.debriefWindow().reject();
        form.Button2Click();
    }
}

TEST_F(DrillWindow, AMalformedDrillChangesNothingAndClosingMidDrillSavesTheUsersSetUp)
{
    ownSetup();
    const SetupSnapshot own = setup();
    EXPECT_FALSE(drills.open(drill("bad.drill", "title Плохая\nfield Setpoint2 1,1\n\nfoo 1\n")));
    EXPECT_EQ(messages,
            QStringList("Тренировка «bad.drill» не открыта: строка 4: неизвестная команда «foo»"));
    // A briefing line over 64 KiB and a pipe are refused the same way.
    messages.clear();
    EXPECT_FALSE(
            drills.open(drill("long.drill", "title Длинная\nbrief " + std::string(70000, 'x'))));
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.drill").c_str(), 0644), 0);
    EXPECT_FALSE(drills.open(folder.path() / "pipe.drill"));
    EXPECT_EQ(messages,
            QStringList({"Тренировка «long.drill» не открыта: строка 2: строка длиннее 64 КиБ",
                    "Тренировка «pipe.drill» не открыта: тренировка — не обычный файл"}));
    EXPECT_TRUE(setup() == own);
    EXPECT_FALSE(drills.hasDrill());
    EXPECT_EQ(drills.briefing(), nullptr);

    form.setSettingsFile(folder.path() / "config.ini");
    ASSERT_TRUE(drills.open(drill("setpoint-switch.drill")));
    EXPECT_EQ(form.edit(Edit::setpoint2)->text(), "1,3");
    form.close();
    EXPECT_EQ(SettingsFile(folder.path() / "config.ini").ReadString("TEdit", "Edit8", ""), "1,35");
}

TEST_F(DrillWindow, TheValveMenuFollowsTheDrillAndTheResetThatEndsIt)
{
    ASSERT_TRUE(drills.open(drill("valves.drill",
            "title Клапаны\nfield TickMs 1000\n"
            "slider MaxDepth 20\nsupply Dil closed\n"
            "at 0,05 supply O2 closed\n")));
    form.Button2Click(); // before the dive: the drill's set-up stays
    EXPECT_EQ(form.slider(Slider::maxDepth)->position(), 20);
    EXPECT_TRUE(faults.dilClosed()->isChecked());
    form.buttonstartClick();
    form.TimerPPO2Timer();
    form.TimerPPO2Timer();
    EXPECT_FALSE(faults.o2Closed()->isChecked());
    form.TimerPPO2Timer(); // 3 s: the line runs and the menu shows it at once
    EXPECT_TRUE(faults.o2Closed()->isChecked());
    faults.o2Closed()->trigger(); // the trainee opens it again
    EXPECT_TRUE(form.simulation().state().o2ValveOpen);

    form.Button4Click();
    form.Button2Click();
    EXPECT_FALSE(faults.o2Closed()->isChecked());
    EXPECT_FALSE(faults.dilClosed()->isChecked());
    ASSERT_TRUE(drills.debriefWindow().isVisible());
    EXPECT_EQ(drills.debriefWindow().debrief().endedBy, DrillEnd::Reset);
    EXPECT_FALSE(drills.openAction()->isEnabled());
    drills.debriefWindow().reject();
    EXPECT_TRUE(drills.openAction()->isEnabled());
}

// The cells' menu fails a cell for the next tick; the dive computer strikes
// the cell voted out through in red and words its warnings in either
// language; a number the user types is checked; a reset mends every cell.
TEST_F(DrillWindow, CellFailuresFromTheMenuShowOnTheDiveComputer)
{
    using Item = FaultsMenu::CellItem;
    const auto shown = [&](const char *name) {
        return program.diveComputer.findChild<QLabel *>(QLatin1String(name));
    };
    QString answer;
    faults.setAsker([&](const QString &, const QString &, const QString &) {
        return std::optional(answer);
    });
    EXPECT_FALSE(faults.cellItem(1, Item::Frozen)->isEnabled()) << "no reading before a dive";
    form.params().setChecked(Check::setpoint1Active, false);
    form.buttonstartClick();
    faults.cellItem(3, Item::Dead)->trigger();
    EXPECT_EQ(shown("cell3")->text(), "0,3") << "the reading waits for the tick";
    form.TimerPPO2Timer();
    EXPECT_EQ(shown("cell3")->text(), "0");
    EXPECT_TRUE(shown("cell3")->font().strikeOut());
    EXPECT_EQ(shown("cell3")->palette().color(QPalette::WindowText), QColor(230, 0, 0));
    EXPECT_FALSE(shown("cell2")->font().strikeOut());
    EXPECT_EQ(shown("votedPpo2")->text(), "0,3");
    EXPECT_EQ(shown("diluentPpo2")->text(), "0,21");
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
    EXPECT_EQ(shown("warnings")->text(), "ДАТЧИК 1 ИСКЛЮЧЁН\nДАТЧИКИ НЕ СОГЛАСНЫ");
    form.menu().english->trigger();
    EXPECT_EQ(shown("warnings")->text(), "CELL 1 VOTED OUT\nCELLS DISAGREE");
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
    const auto shown = [&](const char *name) {
        return program.diveComputer.findChild<QLabel *>(QLatin1String(name))->text();
    };
    const auto red = [&](const char *name) {
        return program.diveComputer.findChild<QLabel *>(QLatin1String(name))
                       ->palette()
                       .color(QPalette::Window)
                == QColor(230, 0, 0);
    };
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
    EXPECT_TRUE(shown("warnings").startsWith("НЕТ ГАЗА\n")) << shown("warnings").toStdString();
    form.menu().english->trigger();
    EXPECT_TRUE(shown("warnings").startsWith("OUT OF GAS\n"));
    EXPECT_EQ(menu.loopAction()->text(), "Back on the &loop");
    EXPECT_EQ(shown("breathing"), "Gas 2 (50/0)");
    form.menu().russian->trigger();

    menu.loopAction()->trigger();
    form.TimerPPO2Timer();
    EXPECT_FALSE(red("breathing"));
    EXPECT_FALSE(shown("warnings").contains("НЕТ ГАЗА"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

} // namespace
