#include "engine/loopdetails.h"

#include "util/numtext.h"

namespace {
long double parsed(const std::string &text)
{
    return numtext::parseDecimal(text);
}

void setSum(ParameterSource &params, Edit field, long double sum)
{
    params.setText(field, numtext::formatGeneral(double(sum)));
}
} // namespace

void deriveLoopDetails(const LoopDetailTexts &texts, ParameterSource &params)
{
    // Sums in extended precision, written with 15 significant digits.
    const long double minLoop = parsed(texts.exhale) + parsed(texts.deadSpace);
    setSum(params, Edit::Edit4, minLoop);
    const long double maxLoop =
            (parsed(texts.inhale) + parsed(texts.deadSpace)) + parsed(texts.counterlung);
    setSum(params, Edit::Edit1, maxLoop);
    const long double startLoop = parsed(texts.inhale) + parsed(texts.deadSpace);
    setSum(params, Edit::Edit2, startLoop);
    LoopDetails details;
    details.lungVolumeInhale = numtext::parseDecimal(texts.inhale);
    details.lungVolumeExhale = numtext::parseDecimal(texts.exhale);
    details.counterlungVolume = numtext::parseDecimal(texts.counterlung);
    details.deadSpaceVolume = numtext::parseDecimal(texts.deadSpace);
    params.setLoopDetails(details);
}
