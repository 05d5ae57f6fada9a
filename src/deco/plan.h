#pragma once

#include "deco/tissues.h"

#include <string>
#include <vector>

/// A decompression stop: its depth and the whole minutes spent there.
struct DecoStop
{
    double depthM = 0.0;
    int minutes = 0;

    friend bool operator==(const DecoStop &, const DecoStop &) = default;
};

/// What an ideal ascent from the current state takes.
struct DecoPlan
{
    bool endless = false; ///< the ascent would take more than a day
    long long seconds = 0; ///< the whole ascent, stops included
    int ttsMinutes = 0; ///< time to surface: seconds / 60 rounded up
    std::vector<DecoStop> stops; ///< deepest first; empty for a plain ascent
};

/// What the ascent breathes and how it climbs.
struct AscentGas
{
    double setpoint = 0.0; ///< PPO2 held, kg/cm²; the ambient pressure where lower
    double fractionN2 = 0.0; ///< of the inert part; helium takes the rest
    double fractionHe = 0.0;
    double ascentRateMpm = 0.0;
    double conservatismPercent = 0.0;
};

/// The inert split of a loop: fN2 = ppN2 / (ppN2 + ppHe), fHe = 1 - fN2;
/// both 0 when the loop holds no inert gas.
AscentGas inertSplit(double loopPPN2, double loopPPHe);

/// Plans the ascent from \a depthM on a copy of \a tissues: one-second steps,
/// stops every 3 m as long as the safe ascent depth lies deeper than the next
/// stop, whole minutes at a stop. Past 86 400 s the plan is "endless".
DecoPlan planAscent(TissueState tissues, double depthM, const AscentGas &gas);

/// The plan in one line: the time to surface in whole minutes, then each stop
/// as DEPTH/MINUTES with the depth as the depth readout shows it
/// ("14 9/1 6/2 3/5"); "Вечн" when the ascent never ends.
std::string planSummary(const DecoPlan &plan);
/// A stop depth as the depth readout shows depths: to 0.1 m, "13,9".
std::string stopDepthText(double depthM);
