#pragma once

#include "deco/plan.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

/// An open-circuit gas carried to bail out onto: its oxygen and helium in
/// percent of the mix (nitrogen is the rest) and what its cylinder holds when
/// full, in litres at 1 kg/cm²; 0 litres means the gas is not carried.
struct BailoutGas
{
    static constexpr double kMinimumO2 = 5.0;

    double o2Percent = 21.0;
    double hePercent = 0.0;
    double litres = 0.0;

    double fractionO2() const { return o2Percent / 100.0; }
    double fractionHe() const { return hePercent / 100.0; }
    /// 1 − fO2 − fHe, in this order.
    double fractionN2() const { return 1.0 - fractionO2() - fractionHe(); }
    bool carried() const { return litres > 0.0; }

    /// Oxygen from 5 to 100 %, helium from 0, the two together at most 100 %.
    static bool validMix(double o2, double he)
    {
        return kMinimumO2 <= o2 && o2 <= 100.0 && he >= 0.0 && o2 + he <= 100.0;
    }
    /// A content of 0 litres or more (and a number).
    static bool validLitres(double litres) { return litres >= 0.0 && std::isfinite(litres); }

    friend bool operator==(const BailoutGas &, const BailoutGas &) = default;
};

using BailoutGases = std::array<BailoutGas, 2>;

/// The gas an open-circuit ascent breathes at \a depthM (0 for the first,
/// 1 for the second): of the carried gases whose PPO2 there, P × fO2 with P =
/// 0.1 × depth + 1.0, lies within 0.16..1.6, the richer in oxygen (the first
/// on a tie); when neither does, the first if it is carried, else the
/// second. None when no gas is carried.
std::optional<int> bailoutGasAt(const BailoutGases &gases, double depthM);

/// What one gas of the bailout plan comes to.
struct BailoutGasNeed
{
    bool carried = false;
    double needL = 0.0; ///< litres at 1 kg/cm² the ascent breathes from it
    double contentL = 0.0; ///< what its cylinder holds now
    bool enough = false; ///< need ≤ content
};

/// "If I bail out here": the ascent on the bailout gases and what it takes
/// of each.
struct BailoutPlan
{
    DecoPlan ascent;
    std::array<BailoutGasNeed, 2> gases {};
};

/// How the bailout ascent climbs and breathes.
struct BailoutAscent
{
    AscentLimits limits;
    double conservatismPercent = 0.0; ///< as the dive computer counts it (not below 0)
    double rmvLpm = 20.0; ///< open-circuit breathing, litres a minute at 1 kg/cm²
    BailoutGases gases;
};

/// The ascent from \a depthM on a copy of \a tissues, planned as planAscent()
/// plans it, each second at depth x on the gas of bailoutGasAt(x): the
/// tissues load one second (1000 ms) from that gas's P × fN2 and P × fHe with
/// the conservatism, and RMV × P / 60 litres go to that gas's need. \a
/// contents are what the two cylinders hold now. None when no gas is carried.
std::optional<BailoutPlan> planBailout(const TissueState &tissues, double depthM,
        const BailoutAscent &ascent, const std::array<double, 2> &contents);

/// What the plan says when no gas is carried.
inline constexpr const char *kNoBailoutGasText = "Нет газа для байлаута";

/// The plan in one line: planSummary(), " | ", then for each carried gas
/// "J:NEED/LEFT" (NEED rounded up, LEFT, not below 0, rounded down, in whole
/// litres) separated by blanks: "38 21/1 18/1 6/5 3/9 | 1:1210/2200 2:640/1100";
/// "Вечн" alone for an ascent that never ends, kNoBailoutGasText for none.
std::string bailoutPlanSummary(const std::optional<BailoutPlan> &plan);

/// A gas's need in whole litres, rounded up, and its content, not below 0,
/// rounded down: as the plan's text and the dive computer show them.
long long wholeNeedLitres(double needL);
long long wholeContentLitres(double contentL);
