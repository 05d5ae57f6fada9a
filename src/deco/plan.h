#pragma once

#include "deco/tissues.h"

#include <functional>
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

    friend bool operator==(const DecoPlan &, const DecoPlan &) = default;
};

/// How the ascent climbs and how near their limits it lets the compartments
/// come: \a gfLow at the first stop, \a gfHigh at the surface, as fractions
/// (1 is the raw limit).
struct AscentLimits
{
    double ascentRateMpm = 0.0;
    double gfLow = 1.0;
    double gfHigh = 1.0;
};

/// One second of the ascent spent at \a depthM: loads \a tissues with what is
/// breathed there (and counts whatever else the caller needs).
using BreatheSecond = std::function<void(TissueState &tissues, double depthM)>;

/// Plans the ascent from \a depthM on a copy of \a tissues, breathing each
/// second through \a breathe:
/// - when the safe ascent depth at gfHigh is 0 or above the surface, a plain
///   ascent at the rate, no stops;
/// - else stops every 3 m, whole minutes each, while the safe ascent depth at
///   the factor of the moment lies deeper than the next stop. That factor is
///   gfLow until the first stop is known (the first depth where the safe
///   ascent depth at gfLow lies deeper than the next stop), then the next
///   stop's place on the line from gfLow at the first stop to gfHigh at the
///   surface.
/// Past 86 400 s the plan is "endless".
DecoPlan planAscent(TissueState tissues, double depthM, const AscentLimits &limits,
        const BreatheSecond &breathe);

/// What the ascent breathes and how it climbs.
struct AscentGas
{
    double setpoint = 0.0; ///< PPO2 held, kg/cm²; the ambient pressure where lower
    double fractionN2 = 0.0; ///< of the inert part; helium takes the rest
    double fractionHe = 0.0;
    double ascentRateMpm = 0.0;
    double conservatismPercent = 0.0;
    double gfLow = 1.0; ///< fractions, as AscentLimits has them
    double gfHigh = 1.0;
};

/// The inert split of a loop: fN2 = ppN2 / (ppN2 + ppHe), fHe = 1 - fN2;
/// both 0 when the loop holds no inert gas.
AscentGas inertSplit(double loopPPN2, double loopPPHe);

/// planAscent() breathing the loop: each second at depth x the ambient
/// pressure 0.1 x + 1.0 less the setpoint (or all of it where it is lower)
/// is inert gas in the loop's split, raised by the conservatism.
DecoPlan planAscent(TissueState tissues, double depthM, const AscentGas &gas);

/// The plan in one line: the time to surface in whole minutes, then each stop
/// as DEPTH/MINUTES with the depth as the depth readout shows it
/// ("14 9/1 6/2 3/5"); "Вечн" when the ascent never ends.
std::string planSummary(const DecoPlan &plan);
/// A stop depth as the depth readout shows depths: to 0.1 m, "13,9".
std::string stopDepthText(double depthM);
