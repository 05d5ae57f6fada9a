// Typing into the main window while a dive runs: the engine goes on with the
// text a field held until the edit is finished, and a tick's failure waits
// for the user, who would otherwise lose his keys or his click to the box.

#include "app/loopwrightapp.h"
#include "controls/tgradienttrackbar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct DiveInput : testing::Test
{
    LoopwrightApp program {std::nullopt};
    TForm1 &form = program.form;
    QStringList messages;

    void SetUp() override
    {
        form.setErrorSink([this](const QString &m) { messages << m; });
        program.startUp();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QPushButton *button(const char *name) const
    {
        return form.findChild<QPushButton *>(QLatin1String(name));
    }
    /// One tick; the simulated milliseconds it took, i.e. the TickMs it used.
    std::int64_t tick()
    {
        const std::int64_t before = program.state.simClockMs;
        form.TimerPPO2Timer();
        return program.state.simClockMs - before;
    }
    /// Focuses \a field, selects its text unless \a append, and types \a keys
    /// with a tick after each key.
    void retype(QLineEdit *field, const QString &keys, bool append = false)
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

TEST_F(DiveInput, EachNewRunReportsItsFailureOnce)
{
    form.buttonstartClick();
    form.edit(Edit::Edit20)->setText("abc");
    tick();
    tick();
    EXPECT_EQ(messages.size(), 1);
    form.Button4Click();
    form.Button1Click();
    tick();
    EXPECT_EQ(messages.size(), 2) << "continue";
    form.Button4Click();
    form.Button2Click();
    form.buttonstartClick();
    tick();
    tick();
    EXPECT_EQ(messages.size(), 3) << "reset and start";
}

} // namespace
