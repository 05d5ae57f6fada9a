// Typing into the main window while a dive runs: the engine keeps the text a
// field held until the edit is finished, and a tick's failure waits for it.

#include "appwindow.h"
#include "controls/tgradienttrackbar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct DiveInput : AppWindow
{
    void SetUp() override
    {
        AppWindow::SetUp();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QPushButton *button(const char *name) const
    {
        return form.findChild<QPushButton *>(QLatin1String(name));
    }
    /// One tick; returns the simulated milliseconds it took: the TickMs used.
    std::int64_t tick()
    {
        const std::int64_t before = program.state.simClockMs;
        form.TimerPPO2Timer();
        return program.state.simClockMs - before;
    }
    /// Types \a keys into \a field, replacing its text unless \a append, with
    /// a tick after each key.
    void type(QLineEdit *field, const QString &keys, bool append = false)
    {
        field->setFocus();
        if (!append)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (QChar key : keys) {
            QTest::keyClicks(field, key);
            tick();
        }
    }
};

TEST_F(DiveInput, ARetypeAtFullSpeedKeepsEveryKeyAndActsWhenFinished)
{
    QLineEdit *tickMs = form.edit(Edit::tickMs);
    tickMs->setText("10");
    form.slider(Slider::simSpeed)->setPosition(99);
    std::vector<std::string> done; // as a drill's log has the diver's actions
    QObject::connect(&form, &TForm1::traineeAction,
            [&](const ScenarioCommand &c) { done.push_back(commandWords(c)); });
    form.buttonstartClick();
    EXPECT_EQ(tick(), 10);
    EXPECT_EQ(form.timer().interval(), 1);
    type(tickMs, QString());
    QTest::keyClick(tickMs, Qt::Key_Backspace);
    EXPECT_EQ(tick(), 10) << "an emptied field is not read yet";
    type(tickMs, "100", true);
    EXPECT_EQ(tick(), 10);
    QTest::keyClick(tickMs, Qt::Key_Return);
    EXPECT_EQ(tick(), 100);
    EXPECT_EQ(tickMs->text(), "100") << "no half-typed \"1\" was made \"10\"";
    EXPECT_EQ(done, std::vector<std::string> {"field TickMs 100"}) << "the finished edit only";
    type(form.edit(Edit::presetName), "Mine");
    QTest::keyClick(form.edit(Edit::presetName), Qt::Key_Return);
    EXPECT_EQ(done.size(), 1u) << "a name for the settings is no diver's action";
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

TEST_F(DiveInput, AWriteBackDuringAnEditFeedsTheEngineAndTheTypedTextWins)
{
    QLineEdit *tickMs = form.edit(Edit::tickMs);
    tickMs->setText("2000");
    form.buttonstartClick();
    type(tickMs, "50");
    EXPECT_EQ(tickMs->text(), "50");
    EXPECT_EQ(form.params().text(Edit::tickMs), "1000");
    EXPECT_EQ(tick(), 1000) << "the engine reads what it normalised";
    QTest::keyClick(tickMs, Qt::Key_Tab);
    EXPECT_EQ(tick(), 50);
    EXPECT_EQ(tickMs->text(), "50");
}

TEST_F(DiveInput, AnotherFieldsFailureWaitsUntilTheEditIsFinished)
{
    form.slider(Slider::maxDepth)->setPosition(30); // the descent reads Edit3
    form.buttonstartClick();
    QLineEdit *dilO2 = form.edit(Edit::dilO2Percent);
    type(dilO2, "2");
    form.edit(Edit::descentRate)->setText("1e999");
    type(dilO2, "1", true);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    EXPECT_EQ(form.params().dilO2Percent(), 20.9);
    QTest::keyClick(dilO2, Qt::Key_Enter);
    tick();
    EXPECT_EQ(messages, QStringList("'1e999' is not a valid floating point value"));
    EXPECT_EQ(dilO2->text(), "21");
    EXPECT_EQ(form.params().dilO2Percent(), 21.0);
}

TEST_F(DiveInput, AButtonPressFinishesTheEditAndNoBoxTakesItsRelease)
{
    QLineEdit *loop = form.edit(Edit::startLoopVolume);
    loop->setFocus();
    QTest::keyClick(loop, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(loop, "9");
    QTest::mouseClick(button("buttonstart"), Qt::LeftButton);
    EXPECT_EQ(program.state.loopGas, 9.0) << "the dive starts with the volume typed";

    type(form.edit(Edit::tickMs), "x", true);
    QTest::mousePress(button("Button4"), Qt::LeftButton);
    tick();
    EXPECT_TRUE(messages.isEmpty()) << "a box now would swallow the release";
    QTest::mouseRelease(button("Button4"), Qt::LeftButton);
    EXPECT_FALSE(form.timer().isActive());
    form.Button1Click();
    tick();
    EXPECT_EQ(messages, QStringList("'100x' is not a valid integer value"));
}

TEST_F(DiveInput, EachNewRunReportsItsFailureOnce)
{
    form.buttonstartClick();
    form.edit(Edit::tickMs)->setText("abc");
    tick();
    form.Button4Click();
    form.Button1Click();
    tick();
    EXPECT_EQ(messages.size(), 2) << "continue";
    form.Button4Click();
    form.Button2Click();
    form.buttonstartClick();
    tick();
    EXPECT_EQ(messages.size(), 3) << "reset and start";
}

} // namespace
