#pragma once

#include "deco/tissues.h"

#include <cstdint>
#include <optional>
#include <string>

/// What the no-decompression forecast found.
struct ForecastResult
{
    std::int64_t steps = 0; ///< forecast steps taken
    std::int64_t elapsedSeconds = 0; ///< steps * step length, exact
    std::string text; ///< "0", minutes to 0.1 ("15,5", "12") or "Вечн"
};

/// Longest forecast time: 2000 minutes.
inline constexpr std::int64_t kForecastLimitSeconds = 120000;

/// Runs the loading and ceilings forward on a copy of \a tissues, holding
/// the loop's partial pressures, until the safe ascent depth at the factor
/// \a g (1: the raw limits; see safeAscentDepthAt) reaches 0 m or more, or
/// the time passes 2000 minutes. \a stepSeconds below 1 is taken as 1. The
/// elapsed time is counted in whole seconds so the 2000-minute bound and the
/// 18-second "0" rule hold exactly.
ForecastResult noDecoForecast(const TissueState &tissues, double ppN2, double ppHe,
        double conservatismPercent, int stepSeconds, double g = 1.0);

/// True when noDecoForecast() with these inputs and a step of 1 to 60 s is
/// sure to say "Вечн": each compartment's pressures only move from where
/// they are towards the inspired ones, and over the way they can go in 2000
/// minutes no ceiling at \a g reaches the surface. A cheap, sufficient test:
/// false says nothing.
bool forecastNeverEnds(const TissueState &tissues, double ppN2, double ppHe,
        double conservatismPercent, double g = 1.0);

/// The minutes an elapsed forecast time shows: 0 up to and including 18
/// seconds, else rounded to 0.1; none beyond the bound ("forever").
std::optional<double> forecastMinutes(std::int64_t elapsedSeconds);

/// The text for an elapsed forecast time: "Вечн" beyond the bound, else its
/// minutes in the general format ("0", "15,5").
std::string forecastText(std::int64_t elapsedSeconds);
