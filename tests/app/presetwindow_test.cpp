// "Дефолт" and the type radio buttons on the real window: which widgets they
// reach, and what the check boxes' reactions make of their order.

#include "appwindow.h"
#include "controls/tgradienttrackbar.h"

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

struct Window : AppWindow
{
    void TearDown() override
    {
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
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

struct Caption
{
    Edit field;
    const char *label;
    QColor own;
};
const Caption kCaptions[] = {{Edit::setpoint1, "Label9", kBlueB},
        {Edit::setpoint2, "Label10", kBlueA}, {Edit::o2SolenoidFlow, "Label14", kBlueA},
        {Edit::dilSolenoidFlow, "Label15", kBlueB}, {Edit::dilO2Percent, "Label23", kBlueB},
        {Edit::dilHePercent, "Label73", kBlueA}, {Edit::dilSupplyVolume, "Label13", kBlueA},
        {Edit::dilBypassFlow, "Label21", kBlueB}, {Edit::dilConstantFlow, "Label79", kBlueB},
        {Edit::regenerationRatio, "Label78", kBlueA}};
const Check kTypeBoxes[] = {Check::setpoint1Active, Check::setpoint2Active, Check::o2SolenoidStuck,
        Check::dilSolenoidStuck, Check::dilSolenoidDisabled, Check::advOnOxygen};

// What a type leaves. The strings follow kTypeBoxes (state, enabled) and
// kCaptions (field enabled; its caption then takes its own colour, silver
// when disabled, but Label15 as given), '1' for checked or enabled.
struct TypeResult
{
    const char *name;
    Type type;
    const char *boxes;
    const char *boxesEnabled;
    const char *fields;
    bool dilBypass;
    QColor label15;
};

class TypeResults : public Window, public testing::WithParamInterface<TypeResult>
{ };

// Every step shows, whatever the window held before: each box, field and
// caption starts the other way round, the constant flows at "5".
TEST_P(TypeResults, AllStepsTakeEffect)
{
    const TypeResult &r = GetParam();
    for (int i = 0; i < 6; ++i) {
        form.check(kTypeBoxes[i])->setChecked(r.boxes[i] == '0');
        form.check(kTypeBoxes[i])->setEnabled(r.boxesEnabled[i] == '0');
    }
    for (int i = 0; i < 10; ++i) {
        form.edit(kCaptions[i].field)->setEnabled(r.fields[i] == '0');
        QLabel *caption = form.findChild<QLabel *>(kCaptions[i].label);
        QPalette p = caption->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        caption->setPalette(p);
    }
    form.edit(Edit::dilConstantFlow)->setText("5");
    form.edit(Edit::regenerationRatio)->setText("5");
    program.state.dilBypassAvailable = !r.dilBypass;
    click(r.type);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(checked(kTypeBoxes[i]), r.boxes[i] == '1') << i;
        EXPECT_EQ(form.check(kTypeBoxes[i])->isEnabled(), r.boxesEnabled[i] == '1') << i;
    }
    for (int i = 0; i < 10; ++i) {
        const Caption &c = kCaptions[i];
        const bool enabled = r.fields[i] == '1';
        EXPECT_EQ(form.edit(c.field)->isEnabled(), enabled) << c.label;
        const QColor own = c.field == Edit::dilSolenoidFlow ? r.label15 : enabled ? c.own : kSilver;
        EXPECT_EQ(colour(c.label), own) << c.label;
    }
    const char *flows = r.type == Manual ? "5" : "0";
    EXPECT_EQ(form.edit(Edit::dilConstantFlow)->text(), flows);
    EXPECT_EQ(form.edit(Edit::regenerationRatio)->text(), flows);
    EXPECT_EQ(program.state.dilBypassAvailable, r.dilBypass);
}

INSTANTIATE_TEST_SUITE_P(Types, TypeResults,
        testing::Values(TypeResult {"eCCR", eCCR, "100010", "111110", "1111111100", true, kBlueB},
                TypeResult {"mCCR", mCCR, "000010", "000000", "0000111100", true, kSilver},
                TypeResult {"O2CCR", O2CCR, "000011", "000000", "0000000000", false, kSilver},
                TypeResult {"Manual", Manual, "000010", "111111", "1111111111", true, kSilver}),
        [](const auto &info) { return std::string(info.param.name); });

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
    form.check(Check::dilSolenoidDisabled)->setChecked(r.checkBox4);
    form.check(Check::setpoint2Active)->setChecked(true); // unchecks CheckBox6
    form.check(Check::o2SolenoidStuck)->setChecked(true);
    form.slider(Slider::simSpeed)->setPosition(40);
    click(r.clicked);
    EXPECT_EQ(colour("Label15"), r.label15);
    EXPECT_EQ(checked(Check::setpoint1Active), r.setpoint1);
    EXPECT_FALSE(checked(Check::setpoint2Active));
    EXPECT_FALSE(checked(Check::o2SolenoidStuck));
    EXPECT_EQ(form.slider(Slider::simSpeed)->position(), r.clicked == Defaults ? 0 : 40);
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
    form.edit(Edit::dilConstantFlow)->setText("5");
    click(O2CCR);
    EXPECT_TRUE(radio(O2CCR)->isChecked()) << "a click never unchecks a type";
    EXPECT_EQ(form.edit(Edit::dilConstantFlow)->text(), "5");
}

} // namespace
