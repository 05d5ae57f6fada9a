#include "engine/console.h"
#include "engine/loopdetails.h"
#include "rig.h"

#include <gtest/gtest.h>

namespace {

// Against a setpoint of one: red outside 0,95..1,05, blue back only at the
// setpoint itself, and kept in between.
TEST(Ppo2Colour, LeavesTheBandRedAndComesBackBlueAtTheSetpoint)
{
    const std::tuple<Rgb, double, Rgb> cases[] = {{kPpo2Blue, 1.10, kPpo2Red},
            {kPpo2Blue, 0.90, kPpo2Red}, {kPpo2Red, 1.00, kPpo2Blue}, {kPpo2Red, 0.95, kPpo2Red},
            {kPpo2Blue, 0.95, kPpo2Blue}, {kPpo2Red, 1.05, kPpo2Red}, {kPpo2Blue, 1.05, kPpo2Blue}};
    for (const auto &[before, ppo2, after] : cases)
        EXPECT_EQ(judgePpo2Colour(before, 1.0, ppo2), after) << ppo2;
}

TEST(Ppo2Colour, TheTickColoursTheReadout)
{
    Rig r;
    r.sim.start();
    r.tick(); // 0.3 at the surface against 1.0
    EXPECT_EQ(r.sim.view().console.ppo2Colour, kPpo2Red);
}

TEST(Counterlung, EllipseAndOverPressureLamp)
{
    const std::tuple<double, double, CounterlungShape> cases[] = {{5.6, 14.0, {32, 68, 132}},
            {7.0, 14.0, {28, 72, 128}}, {14.0, 14.0, {5, 95, 105}}, {0.0, 14.0, {50, 50, 150}},
            {21.0, 14.0, {-18, 118, 82}}};
    for (const auto &[volume, maximum, shape] : cases) {
        const CounterlungShape s = counterlungShape(volume, maximum);
        EXPECT_EQ(s.top, shape.top) << volume;
        EXPECT_EQ(s.bottom, shape.bottom) << volume;
        EXPECT_EQ(s.opvLampTop, shape.opvLampTop) << volume;
    }
    EXPECT_THROW(counterlungShape(5.0, 0.0), LoopwrightError);
}

TEST(Diver, SinksWithTheStartDepthSlider)
{
    const std::tuple<int, int, int> cases[] = {{10, 0, 101}, {3, 500, 73}, {0, 500, 73},
            {4, 500, 500}, {5, 0, 77}, {95, 0, 510}, {96, 500, 500}, {100, 400, 400}};
    for (const auto &[position, before, after] : cases)
        EXPECT_EQ(diverTopFor(position, before), after) << position;
}

// Air in a loop where no valve acts, 6.2 m down: the partial pressures of
// 21 % and 79 % at 1.62 kg/cm², and 7 surface litres squeezed to 4.3.
TEST(Readouts, TheTickWritesWhatTheStateHolds)
{
    Rig r;
    r.quietLoop();
    r.set(Edit::startPPO2, "0,21");
    r.set(Edit::dilO2Percent, "21");
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    r.ticks(124);
    const ConsoleView &v = r.sim.view().console;
    EXPECT_EQ(v.depth.display(), "6,2"); // 124 ticks of 0.05 m
    EXPECT_EQ(v.ppo2.display(), "0,34");
    EXPECT_EQ(v.ppn2.display(), "1,28");
    EXPECT_EQ(v.loopVolume.display(), "4,3");
    EXPECT_EQ(r.form.position(Slider::startDepth), 6);
    EXPECT_EQ(r.form.sliderLabel(Slider::startDepth), "6");
    EXPECT_EQ(v.diverTop, 82); // nearest(6 * 4.81) + 53
    EXPECT_EQ(v.counterlung, CounterlungLook::Ellipse);
}

TEST(MemoryForm, SetpointBoxesExcludeEachOther)
{
    MemoryForm f;
    f.setChecked(Check::setpoint2Active, true);
    EXPECT_FALSE(f.isChecked(Check::setpoint1Active));
    f.setChecked(Check::setpoint1Active, true);
    EXPECT_TRUE(f.isChecked(Check::setpoint1Active));
    EXPECT_FALSE(f.isChecked(Check::setpoint2Active));
    f.setChecked(Check::setpoint1Active, false);
    EXPECT_FALSE(f.isChecked(Check::setpoint1Active));
    EXPECT_FALSE(f.isChecked(Check::setpoint2Active));
}

TEST(MemoryForm, DiluentSolenoidSwitchGreysItsCaption)
{
    MemoryForm f;
    EXPECT_EQ(f.label15Colour(), kCaptionSilver);
    f.setChecked(Check::dilSolenoidDisabled, false);
    EXPECT_EQ(f.label15Colour(), kCaptionBlue);
    f.setChecked(Check::dilSolenoidDisabled, true);
    EXPECT_EQ(f.label15Colour(), kCaptionSilver);
}

TEST(MemoryForm, SlidersClampAndLabelTheirValues)
{
    MemoryForm f;
    f.setPosition(Slider::o2Consumption, 15);
    EXPECT_EQ(f.sliderLabel(Slider::o2Consumption), "1,5");
    EXPECT_EQ(f.o2Consumption(), 1.5);
    f.setPosition(Slider::o2Consumption, 60);
    EXPECT_EQ(f.position(Slider::o2Consumption), 50);
    f.setPosition(Slider::simSpeed, 120);
    EXPECT_EQ(f.simSpeed(), 99);
    f.setPosition(Slider::maxDepth, -3);
    EXPECT_EQ(f.sliderLabel(Slider::maxDepth), "0");
}

TEST(MemoryForm, AnEditedTextIsParsedAnew)
{
    MemoryForm f;
    EXPECT_EQ(f.descentRate(), 30.0);
    f.setText(Edit::descentRate, "12,5");
    EXPECT_EQ(f.descentRate(), 12.5);
    f.setText(Edit::descentRate, "x");
    EXPECT_THROW(f.descentRate(), LoopwrightError);
    EXPECT_THROW(f.descentRate(), LoopwrightError);
    f.setNumber(Edit::descentRate, 7.5);
    EXPECT_EQ(f.text(Edit::descentRate), "7,5");
    f.setText(Edit::descentRate, "8");
    f.setNumber(Edit::descentRate, 7.5);
    EXPECT_EQ(f.text(Edit::descentRate), "7,5");
}

TEST(LoopDetailsDerivation, FillsTheLoopVolumeFields)
{
    const std::tuple<LoopDetailTexts, const char *, const char *, const char *> cases[] = {
            {{"6", "1", "6", "2"}, "3", "14", "8"},
            {{"6,5", "1,2", "6", "2,3"}, "3,5", "14,8", "8,8"},
            {{"0,1", "0,2", "0,3", "0,4"}, "0,6", "0,8", "0,5"}};
    for (const auto &[texts, minLoop, maxLoop, startLoop] : cases) {
        MemoryForm f;
        deriveLoopDetails(texts, f);
        EXPECT_EQ(f.text(Edit::minLoopVolume), minLoop);
        EXPECT_EQ(f.text(Edit::maxLoopVolume), maxLoop);
        EXPECT_EQ(f.text(Edit::startLoopVolume), startLoop);
    }
}

TEST(LoopDetailsDerivation, ABadTextStopsAtTheFirstStepThatReadsIt)
{
    Rig r;
    deriveLoopDetails({}, r.form);
    const LoopDetails before = r.form.loopDetails();
    LoopDetailTexts texts {"7", "2", "", "3"};
    const auto derive = [&] { deriveLoopDetails(texts, r.form); };
    EXPECT_EQ(r.attempt(derive), "'' is not a valid floating point value");
    EXPECT_EQ(
            r.text(Edit::minLoopVolume), "5"); // written before the empty counterlung text was read
    EXPECT_EQ(r.text(Edit::maxLoopVolume), "14");
    EXPECT_EQ(r.text(Edit::startLoopVolume), "8");
    EXPECT_EQ(r.form.loopDetails().lungVolumeInhale, before.lungVolumeInhale);
    EXPECT_EQ(before.advThreshold(), 8.0);
    EXPECT_EQ(before.opvThreshold(), 9.0);
    // Of two bad texts in one sum, the message names the one read first.
    texts = {"6", "a", "6", "b"};
    EXPECT_EQ(r.attempt(derive), "'a' is not a valid floating point value");
    texts = {"c", "1", "d", "2"};
    EXPECT_EQ(r.attempt(derive), "'c' is not a valid floating point value");
}

// A volume must come back from the texts it is written into: up to 1E15 l
// either way, and the first volume beyond stops the derivation like a text
// that is not a number.
TEST(LoopDetailsDerivation, VolumesBeyond1E15AreRefused)
{
    Rig r;
    LoopDetailTexts texts {"1e15", "-1E15", "1000000000000000", "0"};
    const auto derive = [&] { deriveLoopDetails(texts, r.form); };
    EXPECT_EQ(r.attempt(derive), "");
    EXPECT_EQ(r.text(Edit::maxLoopVolume), "2E15");
    texts = {"6", "1,0000000000000002e15", "6", "1,797e308"};
    EXPECT_EQ(r.attempt(derive), "'1,0000000000000002e15' is too large a volume: at most 1E15 l");
    texts = {"6", "1", "6", "-1,797e308"};
    EXPECT_EQ(r.attempt(derive), "'-1,797e308' is too large a volume: at most 1E15 l");
    EXPECT_EQ(r.text(Edit::minLoopVolume), "-1E15") << "unchanged since the first derivation";
}

} // namespace
