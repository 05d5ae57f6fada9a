#include "deco/forecast.h"

#include "deco/ceilings.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>

ForecastResult noDecoForecast(const TissueState &tissues, double ppN2, double ppHe,
        double conservatismPercent, int stepSeconds, double g)
{
    const int step = std::max(stepSeconds, 1);
    TissueState work = tissues;
    LoadFractions fractions;
    fractions.update(step / 60.0);
    std::array<double, kCompartmentCount> ceiling {};
    ForecastResult result;
    for (;;) {
        loadTissues(work, fractions, ppN2, ppHe, conservatismPercent);
        compartmentCeilings(work, g, ceiling);
        const double safeDepth = depthOfPressure(ceiling[governingCompartment(ceiling) - 1]);
        ++result.steps;
        result.elapsedSeconds += step;
        if (safeDepth >= 0.0 || result.elapsedSeconds > kForecastLimitSeconds)
            break;
    }
    result.text = forecastText(result.elapsedSeconds);
    return result;
}

namespace {

// A tissue pressure's far end over the forecast's run: it moves from \a now
// towards \a inspired, and gets no further than it would in \a minutes.
double farEnd(double now, double inspired, double halfTimeMin, double minutes)
{
    return now + std::max(0.0, inspired - now) * (1.0 - std::exp2(-minutes / halfTimeMin));
}

} // namespace

bool forecastNeverEnds(
        const TissueState &tissues, double ppN2, double ppHe, double conservatismPercent, double g)
{
    // The last step ends by 2001 minutes at most (a step of up to 60 s past
    // the bound); one minute more, and a margin on the result, cover the
    // rounding of thousands of steps.
    constexpr double kRunMinutes = 2002.0;
    const double inspiredN2 = conservatismPercent * (ppN2 / 100.0) + ppN2;
    const double inspiredHe = conservatismPercent * (ppHe / 100.0) + ppHe;
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Compartment &c = kCompartmentTable[i];
        const double sum = farEnd(tissues.n2[i], inspiredN2, c.n2HalfTimeMin, kRunMinutes)
                + farEnd(tissues.he[i], inspiredHe, c.heHalfTimeMin, kRunMinutes);
        // The ceiling weighs a and b between the two gases; it falls as a
        // grows, and grows with b wherever it is above 0.
        const double a = std::min(c.n2CoefA, c.heCoefA);
        const double b = std::max(c.n2CoefB, c.heCoefB);
        const double bound = g == 1.0 ? (sum - a) * b : (sum - a * g) / (g / b - g + 1.0);
        if (!(bound < 1.0 - 1e-9)) // a NaN proves nothing either
            return false;
    }
    return true;
}

std::optional<double> forecastMinutes(std::int64_t elapsedSeconds)
{
    if (elapsedSeconds > kForecastLimitSeconds)
        return std::nullopt;
    if (elapsedSeconds <= 18)
        return 0.0;
    // Minutes to the nearest 0.1 are seconds / 6 tenths, halves to even.
    return numtext::nearest(double(elapsedSeconds) / 6.0) / 10.0;
}

std::string forecastText(std::int64_t elapsedSeconds)
{
    const std::optional<double> minutes = forecastMinutes(elapsedSeconds);
    return minutes ? numtext::formatGeneral(*minutes) : "Вечн";
}
