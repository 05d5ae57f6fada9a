#pragma once

#include "deco/tissues.h"

#include <array>

/// Tolerated ambient pressures and the safe ascent depth of one tissue state.
struct Ceilings
{
    std::array<double, kCompartmentCount> ceiling {}; ///< kg/cm² absolute, index 0 = compartment 1
    int governing = 1; ///< compartment 1..16 with the highest ceiling
    double maxCeiling = 0.0; ///< kg/cm² absolute
    double safeAscentDepth = 0.0; ///< metres; negative when the surface is within reach
};

/// Bühlmann tolerated ambient pressure (S - a) * b of every compartment, with
/// a and b weighted by the nitrogen and helium pressures, S their sum. A
/// compartment holding no inert gas at all takes the nitrogen coefficients,
/// (0 - a) * b, so that every ceiling stays a number.
void compartmentCeilings(const TissueState &tissues, std::array<double, kCompartmentCount> &out);

/// The first compartment (1-based) whose ceiling no later one strictly exceeds.
int governingCompartment(const std::array<double, kCompartmentCount> &ceiling);

/// Depth in metres equivalent to an absolute pressure: (p - 1.0) / 0.1.
inline double depthOfPressure(double pressure)
{
    return (pressure - 1.0) / 0.1;
}

/// Ceilings, governing compartment and safe ascent depth, from scratch.
void computeCeilings(const TissueState &tissues, Ceilings &out);

/// The tolerated ambient pressure of every compartment when it may reach only
/// the share \a g of its limit: (S - a g) / (g / b - g + 1), a and b weighted
/// as compartmentCeilings() weighs them. At g = 1 it is compartmentCeilings()
/// itself, (S - a) * b, which the general form misses in the last bit.
void compartmentCeilings(
        const TissueState &tissues, double g, std::array<double, kCompartmentCount> &out);

/// The safe ascent depth at the factor \a g: (the greatest of the 16
/// tolerated pressures - 1.0) / 0.1.
double safeAscentDepthAt(const TissueState &tissues, double g);

/// How far the leading compartment has gone from the ambient pressure \a p
/// towards its limit there, in percent: 100 (S - p) / (p / b + a - p) for a
/// compartment holding more than \a p, else 0; the greatest of the 16. At
/// the diver's depth it is the dive computer's GF99, at 1.0 its surface GF.
double leadingGradientFactor(const TissueState &tissues, double p);

struct GradientFactorPair
{
    double atP = 0.0;
    double atQ = 0.0;
};
/// leadingGradientFactor() at two pressures at once.
GradientFactorPair leadingGradientFactors(const TissueState &tissues, double p, double q);
