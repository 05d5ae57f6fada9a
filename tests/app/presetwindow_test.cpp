// "Дефолт" and the type radio buttons on the real window: which widgets they
// reach, and what the check boxes' reactions make of their order.

#include "app/loopwrightapp.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kBlueA(0x63, 0x87, 0xF1);
const QColor kBlueB(0x6C, 0x6C, 0xFF);

enum Type { None = -1, eCCR, mCCR, O2CCR, Manual, Defaults };

struct Window : testing::Test
{
    LoopwrightApp program {std::nullopt}; // the design state
    TForm1 &form = program.form;

    void SetUp() override
    {
        form.setErrorSink([](const QString &m) { ADD_FAILURE() << m.toStdString(); });
        program.startUp();
        form.show();
    }
    QRadioButton *radio(int type) const
    {
        return form.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(type + 2));
    }
    void click(int type) const
    {
        if (type == Defaults)
            QTest::mouseClick(form.findChild<QPushButton *>("Button3"), Qt::LeftButton);
        else
            QTest::mouseClick(radio(type), Qt::LeftButton, {}, {8, 8});
    }
    QColor colour(const char *label) const
    {
        return form.findChild<QLabel *>(label)->palette().color(QPalette::WindowText);
    }
    bool checked(Check b) const { return form.check(b)->isChecked(); }
};

TEST_F(Window, TypesDisableAndGreyTheirFields)
{
    struct Caption
    {
        Edit field;
        const char *label;
        QColor own;
    };
    const Caption captions[] = {{Edit::Edit6, "Label9", kBlueB}, {Edit::Edit8, "Label10", kBlueA},
            {Edit::Edit11, "Label14", kBlueA}, {Edit::Edit13, "Label15", kBlueB},
            {Edit::Edit14, "Label23", kBlueB}, {Edit::Edit16, "Label73", kBlueA},
            {Edit::Edit10, "Label13", kBlueA}, {Edit::Edit23, "Label21", kBlueB},
            {Edit::Edit19, "Label79", kBlueB}, {Edit::Edit18, "Label78", kBlueA}};
    click(O2CCR);
    for (const Caption &c : captions) {
        EXPECT_FALSE(form.edit(c.field)->isEnabled()) << c.label;
        EXPECT_EQ(colour(c.label), kSilver) << c.label;
    }
    EXPECT_TRUE(checked(Check::CheckBox3));
    form.buttonstartClick();
    form.TimerPPO2Timer();
    EXPECT_FALSE(form.findChild<QPushButton *>("BitBtn2")->isEnabled());
    form.Button4Click();

    form.edit(Edit::Edit19)->setText("5");
    click(Manual);
    EXPECT_FALSE(radio(O2CCR)->isChecked());
    for (const Caption &c : captions) {
        EXPECT_TRUE(form.edit(c.field)->isEnabled()) << c.label;
        EXPECT_EQ(colour(c.label), c.own) << c.label;
    }
    EXPECT_EQ(form.edit(Edit::Edit19)->text(), "5");
    EXPECT_FALSE(checked(Check::CheckBox3));
    EXPECT_TRUE(program.state.dilBypassAvailable);
}

struct Reaction
{
    const char *name;
    Type before;
    bool checkBox4;
    Type clicked;
    QColor label15;
    bool setpoint1; // CheckBox8 starts checked and always ends unchecked
};

class Reactions : public Window, public testing::WithParamInterface<Reaction>
{ };

TEST_P(Reactions, FollowTheOrderOfTheSteps)
{
    const Reaction &r = GetParam();
    if (r.before != None)
        radio(r.before)->setChecked(true);
    form.check(Check::CheckBox4)->setChecked(r.checkBox4);
    form.check(Check::CheckBox8)->setChecked(true); // unchecks CheckBox6
    click(r.clicked);
    EXPECT_EQ(colour("Label15"), r.label15);
    EXPECT_EQ(checked(Check::CheckBox6), r.setpoint1);
    EXPECT_FALSE(checked(Check::CheckBox8));
}

INSTANTIATE_TEST_SUITE_P(Cases, Reactions,
        testing::Values(Reaction {"eCCR", None, false, eCCR, kBlueB, true},
                Reaction {"mCCR", None, false, mCCR, kSilver, false},
                Reaction {"ManualBox4Unchecked", None, false, Manual, kSilver, false},
                Reaction {"ManualBox4Checked", None, true, Manual, kBlueB, false},
                Reaction {"DefaultsWithManual", Manual, false, Defaults, kSilver, true},
                Reaction {"DefaultsAfterO2CCR", O2CCR, true, Defaults, kBlueB, false},
                Reaction {"DefaultsWithNoType", None, false, Defaults, kSilver, false}),
        [](const auto &info) { return std::string(info.param.name); });

TEST_F(Window, ClickingTheSelectedTypeAgainAppliesNothing)
{
    click(O2CCR);
    form.edit(Edit::Edit19)->setText("5");
    click(O2CCR);
    EXPECT_TRUE(radio(O2CCR)->isChecked()) << "a click never unchecks a type";
    EXPECT_EQ(form.edit(Edit::Edit19)->text(), "5");
}

} // namespace
