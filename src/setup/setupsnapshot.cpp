#include "setupsnapshot.h"

#include "engine/loopdetails.h"
#include "engine/memoryform.h"
#include "formsettings.h"
#include "typepresets.h"

namespace {

constexpr RebreatherType kTypes[kTypeCount] = {
        RebreatherType::eCCR, RebreatherType::mCCR, RebreatherType::O2CCR, RebreatherType::Manual};

// Every input a type can disable enabled, in its own caption colour, and no
// type chosen. The manual type's preset is the one that enables them all;
// the boxes it forces are set again by the caller.
void noType(FormControls &form)
{
    applyTypePreset(RebreatherType::Manual, form);
    for (RebreatherType t : kTypes)
        form.setTypeChecked(t, false);
}

void setDetailTexts(FormControls &form, const std::array<std::string, 4> &texts)
{
    for (int i = 0; i < 4; ++i)
        form.setDetailText(i, texts[std::size_t(i)]);
}

} // namespace

SetupSnapshot takeSetup(
        const FormControls &form, const ParameterSource &params, const SimulationState &state)
{
    SetupSnapshot s;
    for (int i = 0; i < kEditCount; ++i)
        s.texts[std::size_t(i)] = form.text(kFields[std::size_t(i)].edit);
    for (int i = 0; i < 4; ++i)
        s.detailTexts[std::size_t(i)] = form.detailText(i);
    s.loopDetails = params.loopDetails();
    for (RebreatherType t : kTypes) {
        if (form.isTypeChecked(t))
            s.type = t;
    }
    for (Check c : kStoredChecks)
        s.checks[std::size_t(c)] = form.isChecked(c);
    for (const SliderInfo &info : kSliders)
        s.positions[std::size_t(info.slider)] = params.position(info.slider);
    s.dilBypassAvailable = state.dilBypassAvailable;
    s.o2ValveOpen = state.o2ValveOpen;
    s.dilValveOpen = state.dilValveOpen;
    s.cells = state.cells.settings();
    s.gradientFactors = state.gradientFactors;
    s.bailout = state.bailout;
    return s;
}

void restoreSetup(
        const SetupSnapshot &s, FormControls &form, ParameterSource &params, SimulationState &state)
{
    noType(form);
    if (s.type)
        form.setTypeChecked(*s.type, true);
    for (int i = 0; i < kEditCount; ++i)
        form.setText(kFields[std::size_t(i)].edit, s.texts[std::size_t(i)]);
    for (Check c : kStoredChecks)
        form.setChecked(c, s.checks[std::size_t(c)]);
    for (const SliderInfo &info : kSliders)
        params.setPosition(info.slider, s.positions[std::size_t(info.slider)]);
    setDetailTexts(form, s.detailTexts);
    params.setLoopDetails(s.loopDetails);
    state.dilBypassAvailable = s.dilBypassAvailable;
    state.o2ValveOpen = s.o2ValveOpen;
    state.dilValveOpen = s.dilValveOpen;
    state.cells.setSettings(s.cells);
    state.gradientFactors = s.gradientFactors;
    state.bailout = s.bailout;
}

void applyDesignSetup(FormControls &form, ParameterSource &params, SimulationState &state)
{
    const MemoryForm design;
    noType(form);
    for (const FieldInfo &f : kFields)
        form.setText(f.edit, design.text(f.edit));
    for (const CheckInfo &c : kChecks)
        form.setChecked(c.check, design.isChecked(c.check));
    // The box's reaction runs only on a change: the caption it greys is
    // coloured here as the design shows it.
    form.setCaptionColour(Edit::dilSolenoidFlow,
            form.isChecked(Check::dilSolenoidDisabled) ? kCaptionDisabled
                                                       : captionOwnColour(Edit::dilSolenoidFlow));
    for (const SliderInfo &info : kSliders)
        params.setPosition(info.slider, design.position(info.slider));
    const LoopDetailTexts texts;
    setDetailTexts(form, {texts.inhale, texts.exhale, texts.counterlung, texts.deadSpace});
    params.setLoopDetails(design.loopDetails());
    const SimulationState fresh;
    state.dilBypassAvailable = fresh.dilBypassAvailable;
    state.o2ValveOpen = fresh.o2ValveOpen;
    state.dilValveOpen = fresh.dilValveOpen;
    state.cells.makeOk();
    state.gradientFactors = fresh.gradientFactors;
    state.bailout = fresh.bailout;
}
