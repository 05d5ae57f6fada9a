#include "deco/forecast.h"

#include "deco/ceilings.h"
#include "util/numtext.h"

#include <algorithm>

ForecastResult noDecoForecast(const TissueState &tissues, double ppN2, double ppHe,
        double conservatismPercent, int stepSeconds)
{
    const int step = std::max(stepSeconds, 1);
    TissueState work = tissues;
    LoadFractions fractions;
    fractions.update(step / 60.0);
    std::array<double, kCompartmentCount> ceiling {};
    ForecastResult result;
    for (;;) {
        loadTissues(work, fractions, ppN2, ppHe, conservatismPercent);
        compartmentCeilings(work, ceiling);
        const double safeDepth = depthOfPressure(ceiling[governingCompartment(ceiling) - 1]);
        ++result.steps;
        result.elapsedSeconds += step;
        if (safeDepth >= 0.0 || result.elapsedSeconds > kForecastLimitSeconds)
            break;
    }
    result.text = forecastText(result.elapsedSeconds);
    return result;
}

std::string forecastText(std::int64_t elapsedSeconds)
{
    if (elapsedSeconds > kForecastLimitSeconds)
        return "Вечн";
    if (elapsedSeconds <= 18)
        return "0";
    // Minutes to the nearest 0.1 are seconds / 6 tenths, halves to even.
    const double tenths = numtext::nearest(double(elapsedSeconds) / 6.0);
    return numtext::formatGeneral(tenths / 10.0);
}
