#include "engine/memoryform.h"

#include "util/numtext.h"

#include <algorithm>

// The loop details dialog's design volumes: inhale 6, exhale 1, counterlung 6
// and dead space 2 litres.
MemoryForm::MemoryForm() : ParameterSource({6.0, 1.0, 6.0, 2.0})
{
    for (const FieldInfo &f : kFields)
        m_fields[editIndex(f.edit)].assign(f.defaultText);
    for (const CheckInfo &c : kChecks)
        m_checks[int(c.check)] = c.defaultChecked;
    m_sliderLabels = {"0", "0", "0", ""};
}

std::string_view MemoryForm::text(Edit field) const
{
    return m_fields[editIndex(field)].text();
}

void MemoryForm::setText(Edit field, std::string_view text)
{
    m_fields[editIndex(field)].assign(text);
}

double MemoryForm::decimal(Edit field) const
{
    return m_fields[editIndex(field)].decimal();
}

int MemoryForm::whole(Edit field) const
{
    return m_fields[editIndex(field)].whole();
}

void MemoryForm::setNumber(Edit field, double value)
{
    FieldText &f = m_fields[editIndex(field)];
    // The cylinder fields are rewritten every tick, mostly with the value they
    // already show; skip formatting the same text again.
    if (f.showsNumber(value))
        return;
    f.assign(numtext::formatGeneral(value));
    f.rememberNumber(value);
}

int MemoryForm::position(Slider slider) const
{
    return m_positions[int(slider)];
}

void MemoryForm::setPosition(Slider slider, int position)
{
    const int index = int(slider);
    const int clamped = std::clamp(position, 0, kSliders[index].max);
    m_positions[index] = clamped;
    switch (slider) {
    case Slider::o2Consumption:
        m_sliderLabels[index] = numtext::formatGeneral(clamped / 10.0);
        break;
    case Slider::maxDepth:
    case Slider::startDepth:
        m_sliderLabels[index] = std::to_string(clamped);
        break;
    case Slider::simSpeed:
        break;
    }
}

const std::string &MemoryForm::sliderLabel(Slider slider) const
{
    return m_sliderLabels[int(slider)];
}

bool MemoryForm::isChecked(Check box) const
{
    return m_checks[int(box)];
}

void MemoryForm::setChecked(Check box, bool checked)
{
    bool &state = m_checks[int(box)];
    if (state == checked)
        return;
    state = checked;
    if (isSetpointBox(box))
        m_checks[int(otherSetpointBox(box))] = false;
    else if (box == Check::dilSolenoidDisabled)
        m_label15Colour = checked ? kCaptionSilver : kCaptionBlue;
}
