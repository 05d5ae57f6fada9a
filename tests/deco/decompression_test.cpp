#include "deco/ceilings.h"
#include "deco/decodisplay.h"
#include "deco/forecast.h"
#include "deco/tissues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TissueState uniform(double n2, double he)
{
    TissueState t;
    startTissues(t, n2, he);
    return t;
}

TEST(TissueLoading, OneSecondStepOfTheFastestCompartment)
{
    LoadFractions f;
    f.update(1000.0 / 60000.0);
    EXPECT_NEAR(f.n2()[0], 0.0028839466654108, 1e-17);

    TissueState t = uniform(0.79, 0.0);
    tissueLoadingStep(t, f, 1000.0, 3.16, 0.0, 0.0);
    EXPECT_NEAR(t.n2[0], 0.7968349535970236, 1e-15);

    TissueState c = uniform(0.79, 0.0);
    tissueLoadingStep(c, f, 1000.0, 3.16, 0.0, 10.0);
    EXPECT_NEAR(c.n2[0], 0.7977462807432935, 1e-15);
}

// A stay long enough to saturate every compartment (a month) ends at the
// loop's pressures raised by the conservatism, helium as well as nitrogen; a
// negative conservatism lowers them, nothing limits it.
TEST(TissueLoading, ConservatismRaisesBothGasesAlike)
{
    for (double conservatism : {0.0, 10.0, -10.0}) {
        LoadFractions f;
        TissueState t = uniform(0.79, 0.0);
        tissueLoadingStep(t, f, 3e9, 2.0, 1.5, conservatism);
        const double raised = 1.0 + conservatism / 100.0;
        EXPECT_NEAR(t.n2[15], 2.0 * raised, 1e-12) << conservatism;
        EXPECT_NEAR(t.he[15], 1.5 * raised, 1e-12) << conservatism;
    }
}

// After one half-time a compartment has gone half way to the loop's
// pressure; helium runs on its own, shorter half-times. One set of load
// fractions serves every step length in turn, as when TickMs is retyped.
TEST(TissueLoading, OneHalfTimeGoesHalfWay)
{
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Compartment &k = kCompartmentTable[i];
        LoadFractions f;
        TissueState t = uniform(0.79, 0.0);
        tissueLoadingStep(t, f, k.n2HalfTimeMin * 60000.0, 3.95, 0.0, 0.0);
        EXPECT_NEAR(t.n2[i], (0.79 + 3.95) / 2.0, 1e-12) << "compartment " << i + 1;
        t = uniform(0.79, 0.0);
        tissueLoadingStep(t, f, k.heHalfTimeMin * 60000.0, 0.79, 2.0, 0.0);
        EXPECT_NEAR(t.he[i], 1.0, 1e-12) << "compartment " << i + 1;
    }
}

TEST(TissueLoading, EquilibriumAndHeliumFreeLoopsStayPut)
{
    LoadFractions f;
    TissueState t = uniform(1.5, 0.0);
    for (int i = 0; i < 100; ++i)
        tissueLoadingStep(t, f, 100.0, 1.5, 0.0, 0.0);
    for (int i = 0; i < kCompartmentCount; ++i) {
        EXPECT_EQ(t.n2[i], 1.5);
        EXPECT_EQ(t.he[i], 0.0);
    }
}

TEST(Ceilings, GoverningCompartmentAndSafeDepthOfUniformTissues)
{
    const std::tuple<double, double, int, double, double> cases[] = {
            {0.79, 0.0, 16, 0.53796169, -4.6203831}, {3.16, 0.0, 16, 2.82572269, 18.2572269},
            {0.79, 0.5, 16, 0.90195031, -0.9804969}};
    for (const auto &[n2, he, governing, maxCeiling, safeDepth] : cases) {
        Ceilings out;
        computeCeilings(uniform(n2, he), out);
        EXPECT_EQ(out.governing, governing) << n2 << " " << he;
        EXPECT_NEAR(out.maxCeiling, maxCeiling, 1e-8);
        EXPECT_NEAR(out.safeAscentDepth, safeDepth, 1e-7);
    }
}

TEST(Ceilings, MixedGasCoefficientsAreWeightedByPressure)
{
    TissueState t = uniform(0.79, 0.0);
    t.n2[0] = 1.0;
    t.he[0] = 1.0;
    std::array<double, kCompartmentCount> c {};
    compartmentCeilings(t, c);
    EXPECT_NEAR(c[0], 0.2318405375, 1e-12);
    const TissueState at30 = uniform(3.16, 0.0);
    compartmentCeilings(at30, c);
    EXPECT_NEAR(c[0], 0.9596, 1e-4);
}

// At g = 1 the factor's ceiling is the tick's own (S - a) * b to the bit:
// compartment 1 at 1.0 + 1.0 gives 0.2318405375 that way and
// 0.23184053749999997 through (S - a g) / (g / b - g + 1); the surface
// tissues' safe depth differs in the last bit too. At g = 0.5, worked in
// exact fractions: compartment 1 mixed (a 1.50115, b 0.46475) tolerates
// (2 - 0.750575) / (0.5 / 0.46475 + 0.5) = 0.79285921658986; compartment
// 16 at 3.16 nitrogen (3.16 - 0.11635) / (0.5 / 0.9653 + 0.5) = 2.98991028850557.
TEST(Ceilings, AtAGradientFactor)
{
    TissueState t = uniform(3.16, 0.0);
    t.n2[0] = 1.0;
    t.he[0] = 1.0;
    std::array<double, kCompartmentCount> raw {}, atOne {}, atHalf {};
    compartmentCeilings(t, raw);
    compartmentCeilings(t, 1.0, atOne);
    compartmentCeilings(t, 0.5, atHalf);
    EXPECT_EQ(atOne[0], 0.2318405375);
    EXPECT_EQ(atOne, raw);
    EXPECT_NEAR(atHalf[0], 0.79285921658986, 1e-12);
    EXPECT_NEAR(atHalf[15], 2.98991028850557, 1e-12);
    EXPECT_NEAR(safeAscentDepthAt(t, 0.5), 19.8991028850557, 1e-10);
    Ceilings c;
    computeCeilings(uniform(0.79, 0.0), c);
    EXPECT_EQ(safeAscentDepthAt(uniform(0.79, 0.0), 1.0), c.safeAscentDepth);
}

// The leading compartment's share of the way from the ambient pressure to its
// limit there: 100 on the limit, 0 at or below the ambient pressure.
TEST(Ceilings, LeadingGradientFactor)
{
    TissueState t = uniform(0.79, 0.0);
    t.n2[15] = 4.0 / 0.9653 + 0.2327; // compartment 16 on its limit at 30 m
    EXPECT_NEAR(leadingGradientFactor(t, 4.0), 100.0, 1e-9);
    // At the surface: 100 (4.37648949549363 - 1) / (1 / 0.9653 + 0.2327 - 1).
    EXPECT_NEAR(leadingGradientFactor(t, 1.0), 1256.84813024999, 1e-9);
    EXPECT_EQ(leadingGradientFactor(uniform(0.79, 0.0), 1.0), 0.0);
    TissueState mixed {}; // compartment 1 at 1.0 + 1.0, the others empty
    mixed.n2[0] = 1.0;
    mixed.he[0] = 1.0;
    EXPECT_NEAR(leadingGradientFactor(mixed, 1.0), 37.6953875475670, 1e-9);
}

TEST(Ceilings, EqualHighestCeilingsGoToTheLowerCompartment)
{
    std::array<double, kCompartmentCount> c {};
    c.fill(-1.0);
    c[4] = 2.0;
    c[9] = 2.0;
    EXPECT_EQ(governingCompartment(c), 5);
}

// Before the first dive every pressure is 0; the weighting would divide 0 by
// 0. Such a compartment takes the nitrogen coefficients, so every ceiling and
// the safe depth stay numbers.
TEST(Ceilings, RegressionEmptyCompartmentsGiveNumbersNotNaN)
{
    Ceilings out;
    computeCeilings(uniform(0.0, 0.0), out);
    for (double ceiling : out.ceiling)
        EXPECT_TRUE(std::isfinite(ceiling));
    EXPECT_TRUE(std::isfinite(out.safeAscentDepth));
    // Compartment 1's nitrogen a and b, not its helium a (1.7424), at both factors.
    EXPECT_DOUBLE_EQ(out.ceiling[0], -1.2599 * 0.505);
    std::array<double, kCompartmentCount> atHalf {};
    compartmentCeilings(uniform(0.0, 0.0), 0.5, atHalf);
    EXPECT_DOUBLE_EQ(atHalf[0], -1.2599 * 0.5 / (0.5 / 0.505 + 0.5));
    TissueState cancelling = uniform(1.0, -1.0); // negative start values are allowed
    computeCeilings(cancelling, out);
    EXPECT_TRUE(std::isfinite(out.safeAscentDepth));
}

TEST(DecoDisplay, SurfaceDefaultsShowTheDesignTableInHundredths)
{
    const TissueState t = uniform(0.79, 0.0);
    Ceilings c;
    computeCeilings(t, c);
    DecoView v;
    showDecoState(v, t, c, 0.0, "");
    const char *ceilings[] = {"-0,24", "-0,14", "-0,05", "0,03", "0,1", "0,19", "0,26", "0,3",
            "0,34", "0,38", "0,41", "0,44", "0,48", "0,49", "0,52", "0,54"};
    for (int i = 0; i < kCompartmentCount; ++i) {
        EXPECT_EQ(v.ceilingCells[i].display(), ceilings[i]) << "compartment " << i + 1;
        EXPECT_EQ(v.n2Cells[i].display(), "0,79");
        EXPECT_EQ(v.heCells[i].display(), "0");
    }
    EXPECT_EQ(v.safeAscentDepth.display(), "-4,6");
    EXPECT_EQ(v.ceilingBar, 100);
    EXPECT_FALSE(v.warningVisible);
    EXPECT_EQ(v.noDecoTime, "");
    showDecoState(v, uniform(1.234, 0.456), c, 0.0, ""); // a trimix diver's tissues
    EXPECT_EQ(v.heCells[15].display(), "0,46");
    EXPECT_EQ(v.n2Cells[0].display(), "1,23");
}

TEST(DecoDisplay, BarAndWarningFollowTheSafeDepth)
{
    const std::tuple<double, double, bool, int, const char *> cases[] = {
            {12.5, 10.0, true, 88, "12,5"}, {13.5, 20.0, false, 86, "13,5"},
            {10.0, 10.0, false, 90, "10"}, {140.0, 150.0, false, 0, "140"},
            {-4.62, 0.0, false, 100, "-4,6"}};
    for (const auto &[safeDepth, depth, warning, bar, text] : cases) {
        Ceilings c;
        c.safeAscentDepth = safeDepth;
        DecoView v;
        showDecoState(v, TissueState {}, c, depth, "12");
        EXPECT_EQ(v.warningVisible, warning) << safeDepth << " at " << depth;
        EXPECT_EQ(v.safeAscentBackground, warning ? kWarningRed : kWindowColour);
        EXPECT_EQ(v.ceilingBar, bar);
        EXPECT_EQ(v.safeAscentDepth.display(), text);
        EXPECT_EQ(v.noDecoTime, "12");
    }
}

TEST(DecoDisplay, ResetShowsTheStartFieldsAsTyped)
{
    DecoView v;
    v.warningVisible = true;
    v.safeAscentBackground = kWarningRed;
    v.noDecoTime = "15,5";
    resetDecoDisplay(v, "0,8x", "0");
    EXPECT_EQ(v.n2Cells[15].display(), "0,8x");
    EXPECT_EQ(v.heCells[0].display(), "0");
    EXPECT_EQ(v.ceilingCells[7].display(), "0");
    EXPECT_EQ(v.safeAscentDepth.display(), "0");
    EXPECT_FALSE(v.warningVisible);
    EXPECT_EQ(v.safeAscentBackground, kWindowColour);
    EXPECT_EQ(v.noDecoTime, "15,5");
}

TEST(Forecast, FromSurfaceSaturation)
{
    const std::tuple<double, double, int, std::int64_t, const char *> cases[] = {
            {3.16, 0.0, 10, 93, "15,5"}, {3.16, 10.0, 10, 73, "12,2"}, {3.95, 0.0, 10, 52, "8,7"},
            {1.185, 0.0, 10, 12001, "Вечн"}, {1.185, 0.0, 60, 2001, "Вечн"},
            {1.185, 0.0, 1, 120001, "Вечн"}};
    for (const auto &[ppN2, conservatism, step, steps, text] : cases) {
        const ForecastResult r = noDecoForecast(uniform(0.79, 0.0), ppN2, 0.0, conservatism, step);
        EXPECT_EQ(r.steps, steps) << ppN2 << " " << conservatism << " " << step;
        EXPECT_EQ(r.text, text);
    }
}

TEST(Forecast, ElapsedTimeTexts)
{
    // 33 and 39 s are 5,5 and 6,5 tenths: halves to even.
    for (const auto &[seconds, text] : {std::pair {2710, "45,2"}, {720, "12"}, {120000, "2000"},
                 {120001, "Вечн"}, {9, "0"}, {33, "0,6"}, {39, "0,6"}})
        EXPECT_EQ(forecastText(seconds), text) << seconds;
}

TEST(Forecast, BeyondTheLimitAlreadyGivesOneStep)
{
    const TissueState saturated = uniform(3.16, 0.0); // safe depth 18 m
    EXPECT_EQ(noDecoForecast(saturated, 3.16, 0.0, 0.0, 10).text, "0");
    EXPECT_EQ(noDecoForecast(saturated, 3.16, 0.0, 0.0, 18).text, "0");
    EXPECT_EQ(noDecoForecast(saturated, 3.16, 0.0, 0.0, 19).text, "0,3");
    EXPECT_EQ(noDecoForecast(saturated, 3.16, 0.0, 0.0, 30).text, "0,5");
    // Below one second the forecast would never reach its bound: taken as 1.
    EXPECT_EQ(noDecoForecast(saturated, 3.16, 0.0, 0.0, -5).elapsedSeconds, 1);
}

TEST(Forecast, EmptyTissuesAndAnEmptyLoopNeverNeedAStop)
{
    EXPECT_EQ(noDecoForecast(TissueState {}, 0.0, 0.0, 0.0, 10).text, "Вечн");
}

// The shortcut may only claim what the forecast itself finds.
TEST(Forecast, NeverEndsOnlyWhereTheForecastSaysForever)
{
    const struct
    {
        double tissueN2, ppN2, ppHe, conservatism, g;
        bool neverEnds;
    } cases[] = {{0.79, 1.185, 0, 0, 1, true}, {0.79, 1.3, 0, 0, 1, true}, // a stop after 2565 min
            {0.79, 1.35, 0, 0, 1, false}, {0.79, 3.16, 0, 0, 1, false}, // after 1767 min; 16 min
            {3.16, 0.79, 0, 0, 1, false}, {0.79, 1.185, 0, 50, 1, false},
            {0.79, 0.5, 1, 0, 1, false},
            // At g 0.8 no compartment's limit at the surface is below 1.2149
            // (compartment 16's); from 1.3 compartment 15 reaches its 1.2350
            // after 1480 min. At 0.5 it reaches its 1.1469 from 1.185 after
            // 1680 min.
            {0.79, 1.185, 0, 0, 0.8, true}, {0.79, 1.3, 0, 0, 0.8, false},
            {0.79, 1.185, 0, 0, 0.5, false}};
    for (const auto &c : cases) {
        const TissueState t = uniform(c.tissueN2, 0.0);
        EXPECT_EQ(forecastNeverEnds(t, c.ppN2, c.ppHe, c.conservatism, c.g), c.neverEnds)
                << c.ppN2 << " g " << c.g;
        EXPECT_EQ(noDecoForecast(t, c.ppN2, c.ppHe, c.conservatism, 10, c.g).text == "Вечн",
                c.neverEnds)
                << c.ppN2 << " g " << c.g;
    }
}

// At constant inspired pressure Pi a compartment from P0 reaches the pressure
// M0 = a + 1/b whose ceiling is the surface after t = -T½ log2((Pi - M0) /
// (Pi - P0)); the forecast's answer is the first whole step at or after the
// earliest such time over the 16 compartments.
// At a gradient factor g the surface is within reach up to M0 = g / b - g + 1
// + a g, which is a + 1/b at g = 1.
TEST(Forecast, AgreesWithTheClosedFormNoStopTime)
{
    for (double g : {1.0, 0.8, 0.55}) {
        for (double depth : {18.0, 21.0, 25.0, 30.0, 35.0, 40.0, 50.0}) {
            const double pi = (1.0 + depth / 10.0) * 0.79;
            double earliest = 1e300;
            for (const Compartment &k : kCompartmentTable) {
                const double m0 = g / k.n2CoefB - g + 1.0 + k.n2CoefA * g;
                if (pi > m0)
                    earliest = std::min(
                            earliest, -k.n2HalfTimeMin * std::log2((pi - m0) / (pi - 0.79)));
            }
            for (int step : {1, 10, 60}) {
                const ForecastResult r = noDecoForecast(uniform(0.79, 0.0), pi, 0.0, 0.0, step, g);
                const double minutes = r.elapsedSeconds / 60.0;
                const double h = step / 60.0;
                EXPECT_GE(minutes, earliest - 1e-9) << depth << " m, step " << step << " g " << g;
                EXPECT_LT(minutes, earliest + h + 1e-9) << depth << " m, step " << step;
            }
        }
    }
}

} // namespace
