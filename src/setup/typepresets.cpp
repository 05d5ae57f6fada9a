#include "typepresets.h"

#include <cstdint>
#include <span>

namespace {

constexpr Rgb kBlueA {99, 135, 241}; // #6387F1
constexpr Rgb kBlueB {108, 108, 255}; // #6C6CFF

// The order of every step below is part of the behaviour: a check box's
// change runs its reaction at once, so a later step may undo what an
// earlier reaction did (CheckBox4 greys Label15, which Edit13's own colour
// then repaints in eCCR and the manual type).

// One step of a type preset. A type differs from another only in which
// steps it takes and in their order.
struct Step
{
    enum class Kind : std::uint8_t {
        Field, ///< enable or disable a field and colour its caption to match
        Zeroed, ///< a constant flow the type lacks: "0", then disabled
        Box, ///< set a check box, then enable or disable it
        OwnCaption, ///< the field's caption in its own colour
        DilBypass, ///< whether the diluent bypass may be used
    };
    Kind kind;
    std::uint8_t control; ///< an Edit or a Check, by its enum value
    bool checked;
    bool enabled;
};

constexpr Step on(Edit e)
{
    return {Step::Kind::Field, std::uint8_t(e), false, true};
}
constexpr Step off(Edit e)
{
    return {Step::Kind::Field, std::uint8_t(e), false, false};
}
constexpr Step zeroed(Edit e)
{
    return {Step::Kind::Zeroed, std::uint8_t(e), false, false};
}
constexpr Step box(Check b, bool checked, bool enabled)
{
    return {Step::Kind::Box, std::uint8_t(b), checked, enabled};
}
constexpr Step ownCaption(Edit e)
{
    return {Step::Kind::OwnCaption, std::uint8_t(e), false, true};
}
constexpr Step dilBypass(bool available)
{
    return {Step::Kind::DilBypass, 0, false, available};
}

using E = Edit;
using C = Check;

constexpr Step kEccr[] = {box(C::setpoint1Active, true, true), box(C::setpoint2Active, false, true),
        on(E::setpoint1), ownCaption(E::setpoint2), on(E::setpoint2),
        box(C::dilSolenoidStuck, false, true), box(C::o2SolenoidStuck, false, true),
        box(C::dilSolenoidDisabled, true, true), on(E::dilO2Percent), on(E::dilHePercent),
        on(E::dilSupplyVolume), on(E::dilSolenoidFlow), dilBypass(true), on(E::dilBypassFlow),
        on(E::o2SolenoidFlow), box(C::advOnOxygen, false, false), zeroed(E::dilConstantFlow),
        zeroed(E::regenerationRatio)};

constexpr Step kMccr[] = {box(C::dilSolenoidStuck, false, false),
        box(C::o2SolenoidStuck, false, false), box(C::dilSolenoidDisabled, true, false),
        on(E::dilO2Percent), on(E::dilHePercent), on(E::dilSupplyVolume), dilBypass(true),
        on(E::dilBypassFlow), box(C::advOnOxygen, false, false),
        box(C::setpoint1Active, false, false), box(C::setpoint2Active, false, false),
        off(E::setpoint1), off(E::setpoint2), zeroed(E::dilConstantFlow),
        zeroed(E::regenerationRatio), off(E::dilSolenoidFlow), off(E::o2SolenoidFlow)};

constexpr Step kO2ccr[] = {box(C::advOnOxygen, true, false), box(C::setpoint1Active, false, false),
        box(C::setpoint2Active, false, false), box(C::dilSolenoidStuck, false, false),
        box(C::o2SolenoidStuck, false, false), box(C::dilSolenoidDisabled, true, false),
        off(E::setpoint1), off(E::setpoint2), zeroed(E::dilConstantFlow),
        zeroed(E::regenerationRatio), off(E::dilO2Percent), off(E::dilHePercent),
        off(E::dilSupplyVolume), off(E::dilSolenoidFlow), dilBypass(false), off(E::dilBypassFlow),
        off(E::o2SolenoidFlow)};

constexpr Step kManual[] = {on(E::dilConstantFlow), on(E::regenerationRatio),
        box(C::advOnOxygen, false, true), box(C::setpoint1Active, false, true),
        box(C::setpoint2Active, false, true), on(E::setpoint1), on(E::setpoint2),
        box(C::dilSolenoidStuck, false, true), on(E::dilO2Percent), on(E::dilHePercent),
        on(E::dilSupplyVolume), on(E::dilSolenoidFlow), dilBypass(true), on(E::dilBypassFlow),
        on(E::o2SolenoidFlow), box(C::dilSolenoidStuck, false, true),
        box(C::o2SolenoidStuck, false, true), box(C::dilSolenoidDisabled, true, true)};

void fieldEnabled(FormControls &form, Edit e, bool enabled)
{
    form.setFieldEnabled(e, enabled);
    form.setCaptionColour(e, enabled ? captionOwnColour(e) : kCaptionDisabled);
}

void apply(FormControls &form, const Step &step)
{
    switch (step.kind) {
    case Step::Kind::Field:
        fieldEnabled(form, Edit(step.control), step.enabled);
        break;
    case Step::Kind::Zeroed:
        form.setText(Edit(step.control), "0");
        fieldEnabled(form, Edit(step.control), false);
        break;
    case Step::Kind::Box:
        form.setChecked(Check(step.control), step.checked);
        form.setCheckEnabled(Check(step.control), step.enabled);
        break;
    case Step::Kind::OwnCaption:
        form.setCaptionColour(Edit(step.control), captionOwnColour(Edit(step.control)));
        break;
    case Step::Kind::DilBypass:
        form.setDilBypassAvailable(step.enabled);
        break;
    }
}

void defaultText(FormControls &f, Edit e)
{
    f.setText(e, kFields[editIndex(e)].defaultText);
}

} // namespace

std::string_view typeControlName(RebreatherType type)
{
    constexpr std::string_view names[kTypeCount] = {
            "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5"};
    return names[int(type)];
}

Rgb captionOwnColour(Edit field)
{
    switch (field) {
    case Edit::setpoint1:
    case Edit::dilSolenoidFlow:
    case Edit::dilBypassFlow:
    case Edit::dilConstantFlow:
    case Edit::dilO2Percent:
        return kBlueB;
    default:
        return kBlueA;
    }
}

void applyDefaults(FormControls &f)
{
    for (Edit e : {Edit::minLoopVolume, Edit::maxLoopVolume, Edit::startLoopVolume,
                 Edit::descentRate, Edit::ascentRate, Edit::setpoint1, Edit::setpoint2,
                 Edit::startPPO2, Edit::o2SolenoidFlow, Edit::dilSolenoidFlow, Edit::o2ConstantFlow,
                 Edit::dilConstantFlow, Edit::regenerationRatio, Edit::dilO2Percent,
                 Edit::dilHePercent, Edit::o2SupplyVolume, Edit::dilSupplyVolume, Edit::tickMs})
        defaultText(f, e);
    f.setPosition(Slider::simSpeed, 0);
    for (Edit e : {Edit::decoStepSeconds, Edit::startTissueN2, Edit::startTissueHe})
        defaultText(f, e);
    f.setChecked(Check::setpoint1Active, true);
    f.setChecked(Check::setpoint2Active, false);
    f.setTypeChecked(RebreatherType::Manual, true);
    f.setChecked(Check::dilSolenoidDisabled, true);
    for (Edit e : {Edit::conservatism, Edit::dilBypassFlow, Edit::o2BypassFlow})
        defaultText(f, e);
    for (Check b : {Check::o2SolenoidStuck, Check::dilSolenoidStuck, Check::advOnOxygen})
        f.setChecked(b, false);
}

void applyTypePreset(RebreatherType type, FormControls &form)
{
    static constexpr std::span<const Step> kPresets[kTypeCount] = {kEccr, kMccr, kO2ccr, kManual};
    for (const Step &step : kPresets[int(type)])
        apply(form, step);
}
