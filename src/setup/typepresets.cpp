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

constexpr Step kEccr[] = {box(C::CheckBox6, true, true), box(C::CheckBox8, false, true),
        on(E::Edit6), ownCaption(E::Edit8), on(E::Edit8), box(C::CheckBox2, false, true),
        box(C::CheckBox1, false, true), box(C::CheckBox4, true, true), on(E::Edit14), on(E::Edit16),
        on(E::Edit10), on(E::Edit13), dilBypass(true), on(E::Edit23), on(E::Edit11),
        box(C::CheckBox3, false, false), zeroed(E::Edit19), zeroed(E::Edit18)};

constexpr Step kMccr[] = {box(C::CheckBox2, false, false), box(C::CheckBox1, false, false),
        box(C::CheckBox4, true, false), on(E::Edit14), on(E::Edit16), on(E::Edit10),
        dilBypass(true), on(E::Edit23), box(C::CheckBox3, false, false),
        box(C::CheckBox6, false, false), box(C::CheckBox8, false, false), off(E::Edit6),
        off(E::Edit8), zeroed(E::Edit19), zeroed(E::Edit18), off(E::Edit13), off(E::Edit11)};

constexpr Step kO2ccr[] = {box(C::CheckBox3, true, false), box(C::CheckBox6, false, false),
        box(C::CheckBox8, false, false), box(C::CheckBox2, false, false),
        box(C::CheckBox1, false, false), box(C::CheckBox4, true, false), off(E::Edit6),
        off(E::Edit8), zeroed(E::Edit19), zeroed(E::Edit18), off(E::Edit14), off(E::Edit16),
        off(E::Edit10), off(E::Edit13), dilBypass(false), off(E::Edit23), off(E::Edit11)};

constexpr Step kManual[] = {on(E::Edit19), on(E::Edit18), box(C::CheckBox3, false, true),
        box(C::CheckBox6, false, true), box(C::CheckBox8, false, true), on(E::Edit6), on(E::Edit8),
        box(C::CheckBox2, false, true), on(E::Edit14), on(E::Edit16), on(E::Edit10), on(E::Edit13),
        dilBypass(true), on(E::Edit23), on(E::Edit11), box(C::CheckBox2, false, true),
        box(C::CheckBox1, false, true), box(C::CheckBox4, true, true)};

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
    case Edit::Edit6:
    case Edit::Edit13:
    case Edit::Edit23:
    case Edit::Edit19:
    case Edit::Edit14:
        return kBlueB;
    default:
        return kBlueA;
    }
}

void applyDefaults(FormControls &f)
{
    for (Edit e : {Edit::Edit4, Edit::Edit1, Edit::Edit2, Edit::Edit3, Edit::Edit9, Edit::Edit6,
                 Edit::Edit8, Edit::Edit5, Edit::Edit11, Edit::Edit13, Edit::Edit12, Edit::Edit19,
                 Edit::Edit18, Edit::Edit14, Edit::Edit16, Edit::Edit7, Edit::Edit10, Edit::Edit20})
        defaultText(f, e);
    f.setPosition(Slider::trackbarspeed, 0);
    for (Edit e : {Edit::Edit21, Edit::Edit15, Edit::Edit17})
        defaultText(f, e);
    f.setChecked(Check::CheckBox6, true);
    f.setChecked(Check::CheckBox8, false);
    f.setTypeChecked(RebreatherType::Manual, true);
    f.setChecked(Check::CheckBox4, true);
    for (Edit e : {Edit::Edit22, Edit::Edit23, Edit::Edit24})
        defaultText(f, e);
    for (Check b : {Check::CheckBox1, Check::CheckBox2, Check::CheckBox3})
        f.setChecked(b, false);
}

void applyTypePreset(RebreatherType type, FormControls &form)
{
    static constexpr std::span<const Step> kPresets[kTypeCount] = {kEccr, kMccr, kO2ccr, kManual};
    for (const Step &step : kPresets[int(type)])
        apply(form, step);
}
