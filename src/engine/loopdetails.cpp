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
    // Sums in extended precision, written with 15 significant digits. Each
    // text is parsed in a statement of its own, left operand first: the
    // operands of + are evaluated in no fixed order, and with two bad texts
    // the message must name the first one.
    const long double exhale = parsed(texts.exhale);
    setSum(params, Edit::minLoopVolume, exhale + parsed(texts.deadSpace));
    const long double inhale = parsed(texts.inhale);
    const long double inhaleAndDeadSpace = inhale + parsed(texts.deadSpace);
    setSum(params, Edit::maxLoopVolume, inhaleAndDeadSpace + parsed(texts.counterlung));
    setSum(params, Edit::startLoopVolume, inhaleAndDeadSpace);
    LoopDetails details;
    details.lungVolumeInhale = numtext::parseDecimal(texts.inhale);
    details.lungVolumeExhale = numtext::parseDecimal(texts.exhale);
    details.counterlungVolume = numtext::parseDecimal(texts.counterlung);
    details.deadSpaceVolume = numtext::parseDecimal(texts.deadSpace);
    params.setLoopDetails(details);
}
