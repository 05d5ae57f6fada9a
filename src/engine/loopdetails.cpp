#include "engine/loopdetails.h"

#include "util/numtext.h"

#include <cmath>

LoopVolumeTooLarge::LoopVolumeTooLarge(std::string_view text)
    : LoopwrightError("'" + errors::excerpt(text) + "' is too large a volume: at most 1E15 l"),
      m_text(errors::excerpt(text))
{ }

double loopVolume(std::string_view text)
{
    const double volume = numtext::parseDecimal(text);
    if (std::fabs(volume) > kMaxLoopVolume)
        throw LoopVolumeTooLarge(text);
    return volume;
}

namespace {
long double parsed(const std::string &text)
{
    return loopVolume(text);
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
    details.lungVolumeInhale = loopVolume(texts.inhale);
    details.lungVolumeExhale = loopVolume(texts.exhale);
    details.counterlungVolume = loopVolume(texts.counterlung);
    details.deadSpaceVolume = loopVolume(texts.deadSpace);
    params.setLoopDetails(details);
}
