// The real main window, offscreen: run control, readouts, lamps, the table,
// the warning and the bar against the engine, and how errors are shown.

#include "app/tdivecomputersettings.h"
#include "appwindow.h"
#include "controls/tgradienttrackbar.h"
#include "modaldriver.h"
#include "util/numtext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Window : AppWindow
{
    SimulationState &state = program.state;
    TAboutForm &about = program.about;
    TDiveGraph &graph = program.graph;
    TLoopdetales &details = program.details;
    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *w = form.findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            form.TimerPPO2Timer();
    }
    static double number(const QString &shown)
    {
        return numtext::parseDecimal(shown.toStdString());
    }
};

TEST_F(Window, StartsIdleWithTheDesignLook)
{
    // The designed area keeps its size below the menu bar, and the window's
    // caption stays as designed.
    EXPECT_EQ(form.client()->size(), QSize(774, 588));
    EXPECT_EQ(form.client()->geometry().bottom(), form.height() - 1);
    EXPECT_EQ(form.client()->y(), form.menu().bar->height());
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(form.windowTitle(), "Loopwright (Бэта - для тестов и вдумчивого использования)");
    for (const char *name : {"Button4", "Button1", "Button10", "BitBtn1", "BitBtn2"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("buttonstart")->isEnabled());
    EXPECT_FALSE(form.timer().isActive());
    EXPECT_EQ(text("Label3"), "0.00.00");
    EXPECT_EQ(form.edit(Edit::minLoopVolume)->text() + "|" + form.edit(Edit::maxLoopVolume)->text()
                    + "|" + form.edit(Edit::startLoopVolume)->text(),
            "3|14|8");
    EXPECT_EQ(
            child<QLabel>("Label15")->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    EXPECT_FALSE(child<QLabel>("Label66")->isVisible());
}

TEST_F(Window, TheDiveButtonStartsTheTimerAndTheBypasses)
{
    form.slider(Slider::maxDepth)->setPosition(30);
    EXPECT_EQ(text("labelsetmaxdepth"), "30");
    form.slider(Slider::o2Consumption)->setPosition(15);
    EXPECT_EQ(text("LabelO2burncurrent"), "1,5");
    QTest::mouseClick(button("buttonstart"), Qt::LeftButton);
    EXPECT_TRUE(form.timer().isActive());
    EXPECT_FALSE(button("buttonstart")->isEnabled());
    for (const char *name : {"Button4", "BitBtn1", "BitBtn2"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
}

// After two and a half minutes at one-second ticks down to 30 m.
struct At30m : Window
{
    void SetUp() override
    {
        Window::SetUp();
        form.edit(Edit::tickMs)->setText("1000");
        form.slider(Slider::maxDepth)->setPosition(30);
        form.slider(Slider::o2Consumption)->setPosition(15);
        form.buttonstartClick();
        ticks(150);
    }
};

TEST_F(At30m, TheConsoleShowsWhatADiverCanCheck)
{
    EXPECT_EQ(state.currentDepthM, 30.0);
    for (const auto &[label, shown] : {std::pair {"labeldepth", "30"}, {"Label80", "8"},
                 {"Label42", "0,79"}, {"Label3", "0:02:30"}, {"labelsetstartdepth", "30"}})
        EXPECT_EQ(text(label), shown) << label;
    // At 30 m oxygen and nitrogen make up the ambient 4 kg/cm², the cylinder
    // lost what was used, the loop holds its start volume, the fastest tissue
    // has loaded and the slowest hardly.
    EXPECT_NEAR(number(text("labelppo2")) + number(text("labelppn2")), 4.0, 0.011);
    EXPECT_DOUBLE_EQ(
            number(text("Label16")) + number(form.edit(Edit::o2SupplyVolume)->text()), 9999.9);
    EXPECT_GT(number(text("Label27")), 0.8);
    EXPECT_LT(number(text("Label62")), 0) << "no ceiling yet";
    EXPECT_EQ(child<QLabel>("imgmain")->y(), 197); // nearest(30 * 4.81) + 53
    // The loop's 8 l of 14 fill 8/14 of the 90 pixels, centred: 5 + 19,29 + 100.
    EXPECT_EQ(child<QCheckBox>("Cradiobutton1")->y(), 124);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 100);
    EXPECT_EQ(form.timer().interval(), 1000);
}

// A diver far shallower than his ceiling sees the warning; the bar shows
// 100 less the safe ascent depth.
TEST_F(At30m, AboveTheCeilingTheWarningShows)
{
    state.tissues.n2.fill(6.0); // a ceiling near 46 m
    form.slider(Slider::maxDepth)->setPosition(0);
    ticks(1);
    EXPECT_TRUE(child<QLabel>("Label66")->isVisible());
    EXPECT_EQ(child<QLabel>("Label62")->palette().color(QPalette::Window), QColor(255, 0, 0));
    const int safeAscentDepth = int(numtext::nearest(number(text("Label62"))));
    EXPECT_GT(safeAscentDepth, 40);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 100 - safeAscentDepth);
}

TEST_F(At30m, PauseContinueAndResetBringTheIdleLookBack)
{
    const std::int64_t clock = state.simClockMs;
    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    EXPECT_FALSE(form.timer().isActive());
    EXPECT_TRUE(button("Button10")->isEnabled());
    EXPECT_TRUE(button("Button1")->isEnabled());
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    EXPECT_TRUE(form.timer().isActive());
    EXPECT_EQ(state.simClockMs, clock);
    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    EXPECT_TRUE(button("buttonstart")->isEnabled());
    for (const auto &[label, shown] : {std::pair {"labelppo2", "N/A"}, {"Label3", ""},
                 {"Label16", "0"}, {"Label27", "0,79"}, {"labelsetmaxdepth", "0"}})
        EXPECT_EQ(text(label), shown) << label;
    EXPECT_FALSE(child<QLabel>("Label66")->isVisible());
    EXPECT_EQ(child<QLabel>("imgmain")->y(), 73);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

TEST_F(Window, AFieldThatStaysInvalidIsReportedOnceWhileTicksGoOn)
{
    form.slider(Slider::maxDepth)->setPosition(20);
    form.buttonstartClick();
    ticks(5);
    form.edit(Edit::o2ConstantFlow)->setText("0,8x");
    const double depth = state.currentDepthM;
    ticks(20);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'0,8x' is not a valid floating point value");
    EXPECT_GT(state.currentDepthM, depth) << "ticks go on up to the failing step";
    EXPECT_TRUE(form.timer().isActive());
    form.edit(Edit::o2ConstantFlow)->setText("abc"); // a new message is news
    ticks(3);
    EXPECT_EQ(messages.size(), 2);
    form.edit(Edit::o2ConstantFlow)->setText("0,8");
    const std::int64_t clock = state.simClockMs;
    ticks(3);
    EXPECT_EQ(state.simClockMs, clock + 300);
    EXPECT_EQ(messages.size(), 2);
    form.edit(Edit::o2ConstantFlow)->setText("abc"); // after a success the same text is news again
    ticks(2);
    EXPECT_EQ(messages.size(), 3);
}

TEST_F(Window, CheckBoxReactionsAndLamps)
{
    QCheckBox *sp1 = form.check(Check::setpoint1Active);
    QCheckBox *sp2 = form.check(Check::setpoint2Active);
    QTest::mouseClick(sp2, Qt::LeftButton);
    EXPECT_TRUE(sp2->isChecked());
    EXPECT_FALSE(sp1->isChecked());
    QTest::mouseClick(sp1, Qt::LeftButton);
    EXPECT_TRUE(sp1->isChecked());
    EXPECT_FALSE(sp2->isChecked());
    QTest::mouseClick(form.check(Check::dilSolenoidDisabled), Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_FALSE(form.check(Check::dilSolenoidDisabled)->isChecked());
    EXPECT_EQ(
            child<QLabel>("Label15")->palette().color(QPalette::WindowText), QColor(108, 108, 255));
    QCheckBox *lamp = form.check(Check::o2SolenoidLamp);
    QTest::mouseClick(lamp, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(lamp->isChecked()) << "a lamp does not follow clicks";
}

TEST_F(Window, BypassButtonsHoldWhilePressed)
{
    form.buttonstartClick();
    QTest::mousePress(button("BitBtn1"), Qt::LeftButton);
    EXPECT_TRUE(state.o2BypassHeld);
    QTest::mouseRelease(button("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(state.o2BypassHeld);
}

TEST_F(Window, TheStartDepthSliderIsLockedOnceTheDiverMoved)
{
    TGradientTrackBar *start = form.slider(Slider::startDepth);
    auto drag = [start](int y) {
        const QPoint thumb(start->width() / 2, start->thumbOffset() + 5);
        QTest::mousePress(start, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, QPointF(thumb.x(), y),
                start->mapToGlobal(QPointF(thumb.x(), y)), Qt::NoButton, Qt::LeftButton,
                Qt::NoModifier);
        QApplication::sendEvent(start, &move);
        QTest::mouseRelease(start, Qt::LeftButton, {}, QPoint(thumb.x(), y));
    };
    drag(240);
    EXPECT_EQ(start->position(), 50);
    EXPECT_EQ(text("labelsetstartdepth"), "50");
    form.slider(Slider::maxDepth)->setPosition(60);
    form.buttonstartClick();
    ticks(1);
    drag(30);
    EXPECT_EQ(start->position(), 50);
    form.Button4Click();
    form.Button2Click();
    drag(30);
    EXPECT_NE(start->position(), 0) << "unlocked by reset";
}

TEST_F(Window, LoopDetailsDoneWithAnEmptyFieldReportsAndCloses)
{
    details.field(2)->setText("");
    details.field(1)->setText("2");
    details.show();
    details.Button1Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'' is not a valid floating point value");
    EXPECT_FALSE(details.isVisible());
    EXPECT_EQ(form.edit(Edit::minLoopVolume)->text(), "4");
    EXPECT_EQ(form.edit(Edit::maxLoopVolume)->text(), "14");
    EXPECT_EQ(form.params().loopDetails().lungVolumeExhale, 1.0);
}

TEST_F(Window, DialogsOpenWhereTheyBelong)
{
    form.move(40, 30);
    // Centred by the outer sizes from the first opening on; the frame is
    // known once the dialog shows. Escape ends the About dialog as "Угу" does.
    for (QDialog *dialog : {static_cast<QDialog *>(&about), static_cast<QDialog *>(&details)}) {
        QRect shown;
        whenModal<QDialog>([&](QDialog *open) {
            shown = open->frameGeometry();
            QTest::keyClick(open, Qt::Key_Escape);
        });
        dialog == &about ? form.Button9Click() : form.Button11Click();
        const QRect main = form.frameGeometry();
        EXPECT_EQ(shown.x(), int(main.left() + main.width() / 2.0 - shown.width() / 2.0));
        EXPECT_EQ(shown.y(), int(main.top() + main.height() / 2.0 - shown.height() / 2.0));
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_EQ(about.result(), QDialog::Accepted);

    form.buttonstartClick();
    form.Button4Click();
    QPoint graphPos;
    whenModal<TDiveGraph>([&](TDiveGraph *open) {
        graphPos = open->frameGeometry().topLeft();
        open->done(1);
    });
    form.Button10Click();
    EXPECT_EQ(graphPos, form.frameGeometry().topLeft());
}

// A start that fails shows its error; a long typed value neither widens the
// box past the main window nor is taken for markup; what was done stays.
TEST(ErrorBox, FitsALongValue)
{
    LoopwrightApp program {std::nullopt};
    program.startUp();
    program.form.show();
    program.form.edit(Edit::o2SupplyVolume)->setText("<b>" + QString(300, '9'));
    program.form.buttonstartClick();
    auto *box = program.form.findChild<QMessageBox *>();
    ASSERT_NE(box, nullptr);
    EXPECT_LT(box->width(), program.form.width() * 3 / 4);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_TRUE(program.form.findChild<QPushButton *>("Button4")->isEnabled());
    box->close();
}

// The main window with its dive computer beside it.
struct Computer : Window
{
    TDiveComputer &computer = program.diveComputer;
    void SetUp() override
    {
        Window::SetUp();
        form.showDiveComputer(true);
    }
};

// The dive computer follows the dive without a button, says "—" where there
// is nothing to show, and reports a field it cannot read in its own status
// line, never in a message box.
TEST_F(Computer, FollowsTheDiveAndKeepsItsErrorsToItself)
{
    EXPECT_EQ(shown("cns") + shown("tts"), "——");
    QAction *graphItem = form.menu().graph;
    form.params().setText(Edit::tickMs, "1000");
    form.slider(Slider::maxDepth)->setPosition(30);
    form.buttonstartClick();
    ticks(300);
    EXPECT_FALSE(graphItem->isEnabled()) << "the graph item follows its button";
    form.Button4Click(); // a pause brings the outlook up to date at once
    EXPECT_TRUE(graphItem->isEnabled());
    // Five minutes at 30 m need no stop: 30 m at the default 15 m/min, a
    // quarter of a metre a second, is 120 seconds.
    EXPECT_EQ(shown("tts") + "|" + shown("firstStop") + "|" + shown("stops"), "2 мин|нет|—");
    state.oxygen = {79.6, 12.5};
    computer.refreshNow();
    EXPECT_EQ(shown("cns") + "|" + shown("otu"), "80|12") << "to the nearest, halves to even";
    EXPECT_EQ(readout("cns")->palette().color(QPalette::Window), QColor(235, 235, 235))
            << "79,6 is not yet 80";
    form.params().setText(Edit::ascentRate, "x");
    computer.refreshNow();
    EXPECT_NE(shown("noDecoTime"), "—");
    EXPECT_EQ(shown("tts"), "—");
    EXPECT_EQ(shown("status"), "'x' is not a valid floating point value");
    EXPECT_TRUE(messages.isEmpty());
    form.Button2Click();
    EXPECT_EQ(shown("cns"), "—") << "no dive after a reset";
}

// Paused at 45 m with every compartment at 4,5 kg/cm²: a long decompression,
// every stop in the list from the first down to 3 m, 3 m apart; the no-stop
// field says so. The bailout plan on air and 50 % likewise, from the fast
// compartments at 5 and the slow ones below (from 4,5 in all it would take
// more than a day). An ascent that cannot end reads "> 24 ч", the bailout
// plan's too.
TEST_F(Computer, ShowsEveryStop)
{
    const auto everyStop = [&](const char *list) {
        QApplication::processEvents(); // the list lays itself out
        const QStringList stops = shown(list).split('\n');
        ASSERT_GE(stops.size(), 8) << list << ": " << shown(list).toStdString();
        for (qsizetype i = 0; i < stops.size(); ++i) {
            const int depth = 3 * int(stops.size() - i);
            EXPECT_TRUE(stops[i].startsWith(QStringLiteral("%1 м, ").arg(depth)))
                    << list << ": " << stops[i].toStdString();
        }
        auto *area = computer.findChild<QScrollArea *>(QString(list) + "Area");
        EXPECT_GT(area->verticalScrollBar()->maximum(), 0) << list << " scrolls to its last stop";
    };
    form.slider(Slider::startDepth)->setPosition(45);
    form.buttonstartClick();
    form.Button4Click();
    state.tissues.n2.fill(4.5);
    computer.refreshNow();
    EXPECT_EQ(shown("noDecoTime"), "ДЕКО");
    everyStop("stops");
    EXPECT_EQ(shown("firstStop"), shown("stops").split('\n').front());
    for (std::size_t k = 0; k < state.tissues.n2.size(); ++k)
        state.tissues.n2[k] = 5.0 - 0.25 * double(k); // deep and short
    computer.refreshNow();
    everyStop("bailoutStops");
    form.menu().english->trigger();
    EXPECT_EQ(shown("noDecoTime"), "DECO");
    form.params().setText(Edit::ascentRate, "0");
    computer.refreshNow();
    EXPECT_EQ(
            shown("tts") + "|" + shown("firstStop") + "|" + shown("bailoutTts"), "> 24 h|—|> 24 h");
    form.menu().russian->trigger();
    EXPECT_EQ(shown("tts"), "> 24 ч");
}

// The status line wraps a long drill title and note within the window; what
// does not fit ends in "…", and the tooltip holds all of it.
TEST_F(Computer, StatusWrapsWithinTheWindow)
{
    QLabel *status = readout("status");
    const QString longText = "Тренировка: " + QString("очень длинное название ").repeated(4) + "\n"
            + QString("заметка ").repeated(40);
    computer.setDrillStatus(longText);
    EXPECT_EQ(status->toolTip(), longText);
    EXPECT_TRUE(status->text().endsWith("…"));
    EXPECT_TRUE(status->text().startsWith("Тренировка: очень длинное"));
    EXPECT_LE(status->heightForWidth(status->width()), status->height());
    computer.setDrillStatus("Тренировка: A");
    EXPECT_EQ(status->text(), "Тренировка: A");
}

// The gradient factors on the dive computer: its pair on the button that
// opens the settings (so does the View menu), the surface GF amber from GF
// high and red from 100. A pair the settings refuse changes nothing; one they
// take is planned with at once.
TEST_F(Computer, GradientFactorsAndTheirSettings)
{
    auto *pair = computer.findChild<QPushButton *>("gradientFactors");
    EXPECT_EQ(pair->text() + shown("surfaceGf"), "GF 50/80—");
    form.slider(Slider::startDepth)->setPosition(9);
    form.buttonstartClick();
    form.Button4Click();
    state.surfaceGf = 112.4; // past 100: red
    computer.refreshNow();
    EXPECT_EQ(shown("surfaceGf"), "112");
    EXPECT_TRUE(red("surfaceGf"));
    form.params().setText(Edit::conservatism, "-5");
    computer.refreshNow();
    EXPECT_TRUE(shown("status").startsWith("Отрицательный"));
    form.params().setText(Edit::conservatism, "0");

    TDiveComputerSettings &settings = computer.settings();
    form.menu().diveComputerSettings->trigger();
    EXPECT_TRUE(settings.isVisible());
    settings.close();
    QTest::mouseClick(pair, Qt::LeftButton);
    ASSERT_TRUE(settings.isVisible());
    const auto take = [&](const char *low, const char *high) {
        settings.lowField()->setText(low);
        settings.highField()->setText(high);
        QTest::mouseClick(settings.okButton(), Qt::LeftButton);
        return settings.isVisible() && settings.message().startsWith("Не принято");
    };
    EXPECT_TRUE(take("80", "70"));
    EXPECT_TRUE(take("5", "70"));
    EXPECT_EQ(state.gradientFactors, GradientFactors {});
    // Every compartment at 1,735 at 9 m. At 50/80 compartment 16 tolerates
    // (1,735 - 0,2327 x 0,5) / (0,5 / 0,9653 + 0,5) = 1,590 (5,90 m), above
    // the stop at 6 m: the first stop is 6 m. At 30/70 the first stop is
    // found here, and the factor of the next, 0,7 - 0,4 x 6 / 9 = 0,433,
    // tolerates only 1,609 (6,09 m): the diver stays at 9 m.
    state.tissues.n2.fill(1.735);
    computer.refreshNow();
    EXPECT_TRUE(shown("firstStop").startsWith("6 м"));
    EXPECT_FALSE(take("30", "70"));
    EXPECT_FALSE(settings.isVisible());
    EXPECT_EQ(state.gradientFactors, (GradientFactors {30, 70}));
    EXPECT_EQ(pair->text(), "GF 30/70");
    EXPECT_TRUE(shown("firstStop").startsWith("9 м"));
}

} // namespace
