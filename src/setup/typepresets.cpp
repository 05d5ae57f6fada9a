#include "typepresets.h"

namespace {

constexpr Rgb kBlueA {99, 135, 241}; // #6387F1
constexpr Rgb kBlueB {108, 108, 255}; // #6C6CFF

// The order of every step below is part of the behaviour: a check box's
// change runs its reaction at once, so a later step may undo what an
// earlier reaction did (CheckBox4 greys Label15, which Edit13's own colour
// then repaints in eCCR and the manual type).

void field(FormControls &form, Edit e, bool enabled)
{
    form.setFieldEnabled(e, enabled);
    form.setCaptionColour(e, enabled ? captionOwnColour(e) : kCaptionDisabled);
}

// A constant-flow field that a type without it sets to "0" before greying.
void zeroed(FormControls &form, Edit e)
{
    form.setText(e, "0");
    field(form, e, false);
}

void box(FormControls &form, Check b, bool checked, bool enabled)
{
    form.setChecked(b, checked);
    form.setCheckEnabled(b, enabled);
}

void eccr(FormControls &f)
{
    box(f, Check::CheckBox6, true, true);
    box(f, Check::CheckBox8, false, true);
    field(f, Edit::Edit6, true);
    f.setCaptionColour(Edit::Edit8, captionOwnColour(Edit::Edit8));
    field(f, Edit::Edit8, true);
    box(f, Check::CheckBox2, false, true);
    box(f, Check::CheckBox1, false, true);
    box(f, Check::CheckBox4, true, true);
    field(f, Edit::Edit14, true);
    field(f, Edit::Edit16, true);
    field(f, Edit::Edit10, true);
    field(f, Edit::Edit13, true);
    f.setDilBypassAvailable(true);
    field(f, Edit::Edit23, true);
    field(f, Edit::Edit11, true);
    box(f, Check::CheckBox3, false, false);
    zeroed(f, Edit::Edit19);
    zeroed(f, Edit::Edit18);
}

void mccr(FormControls &f)
{
    box(f, Check::CheckBox2, false, false);
    box(f, Check::CheckBox1, false, false);
    box(f, Check::CheckBox4, true, false);
    field(f, Edit::Edit14, true);
    field(f, Edit::Edit16, true);
    field(f, Edit::Edit10, true);
    f.setDilBypassAvailable(true);
    field(f, Edit::Edit23, true);
    box(f, Check::CheckBox3, false, false);
    box(f, Check::CheckBox6, false, false);
    box(f, Check::CheckBox8, false, false);
    field(f, Edit::Edit6, false);
    field(f, Edit::Edit8, false);
    zeroed(f, Edit::Edit19);
    zeroed(f, Edit::Edit18);
    field(f, Edit::Edit13, false);
    field(f, Edit::Edit11, false);
}

void o2ccr(FormControls &f)
{
    box(f, Check::CheckBox3, true, false);
    box(f, Check::CheckBox6, false, false);
    box(f, Check::CheckBox8, false, false);
    box(f, Check::CheckBox2, false, false);
    box(f, Check::CheckBox1, false, false);
    box(f, Check::CheckBox4, true, false);
    field(f, Edit::Edit6, false);
    field(f, Edit::Edit8, false);
    zeroed(f, Edit::Edit19);
    zeroed(f, Edit::Edit18);
    field(f, Edit::Edit14, false);
    field(f, Edit::Edit16, false);
    field(f, Edit::Edit10, false);
    field(f, Edit::Edit13, false);
    f.setDilBypassAvailable(false);
    field(f, Edit::Edit23, false);
    field(f, Edit::Edit11, false);
}

void manual(FormControls &f)
{
    field(f, Edit::Edit19, true);
    field(f, Edit::Edit18, true);
    box(f, Check::CheckBox3, false, true);
    box(f, Check::CheckBox6, false, true);
    box(f, Check::CheckBox8, false, true);
    field(f, Edit::Edit6, true);
    field(f, Edit::Edit8, true);
    box(f, Check::CheckBox2, false, true);
    field(f, Edit::Edit14, true);
    field(f, Edit::Edit16, true);
    field(f, Edit::Edit10, true);
    field(f, Edit::Edit13, true);
    f.setDilBypassAvailable(true);
    field(f, Edit::Edit23, true);
    field(f, Edit::Edit11, true);
    box(f, Check::CheckBox2, false, true);
    box(f, Check::CheckBox1, false, true);
    box(f, Check::CheckBox4, true, true);
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
    switch (type) {
    case RebreatherType::eCCR:
        eccr(form);
        break;
    case RebreatherType::mCCR:
        mccr(form);
        break;
    case RebreatherType::O2CCR:
        o2ccr(form);
        break;
    case RebreatherType::Manual:
        manual(form);
        break;
    }
}
