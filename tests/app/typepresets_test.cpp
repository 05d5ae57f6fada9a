// The defaults and the four type presets step by step: the check boxes'
// reactions run at each change, so the order of the steps decides the result.

#include "setup/formcontrols.h"
#include "setup/typepresets.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Writes down every operation: "CheckBox6=1" (state), "CheckBox6+" /
// "Edit6-" (enabled), "Edit6:6C6CFF" (caption colour), "Edit19='0'" (text),
// "DilBypass=1", "trackbarspeed=0", "RadioButton5=1".
class Recorder : public FormControls
{
public:
    std::string ops;

    void setText(Edit f, std::string_view t) override
    {
        add(name(f) + "='" + std::string(t) + "'");
    }
    void setTypeChecked(RebreatherType t, bool on) override
    {
        add(std::string(typeControlName(t)) + (on ? "=1" : "=0"));
    }
    void setChecked(Check b, bool on) override { add(name(b) + (on ? "=1" : "=0")); }
    void setCheckEnabled(Check b, bool on) override { add(name(b) + (on ? "+" : "-")); }
    void setFieldEnabled(Edit f, bool on) override { add(name(f) + (on ? "+" : "-")); }
    void setCaptionColour(Edit f, Rgb c) override
    {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X%02X%02X", c.r, c.g, c.b);
        add(name(f) + ":" + hex);
    }
    void setDilBypassAvailable(bool on) override { add(on ? "DilBypass=1" : "DilBypass=0"); }
    void setPosition(Slider s, int p) override
    {
        add(std::string(kSliders[int(s)].control) + "=" + std::to_string(p));
    }
    // Neither the defaults nor a preset may read or touch these.
    std::string text(Edit) const override { return fail(); }
    std::string detailText(int) const override { return fail(); }
    void setDetailText(int, std::string_view) override { fail(); }
    bool isTypeChecked(RebreatherType) const override { return !fail().empty(); }
    bool isChecked(Check) const override { return !fail().empty(); }
    void setPresetNames(const std::vector<std::string> &) override { fail(); }
    std::optional<std::string> selectedPreset() const override { return fail(); }

private:
    static std::string name(Check b) { return std::string(kChecks[int(b)].control); }
    static std::string name(Edit f) { return std::string(editName(f)); }
    static std::string fail()
    {
        ADD_FAILURE() << "unexpected operation";
        return {};
    }
    void add(const std::string &op) { ops += ops.empty() ? op : " " + op; }
};

struct Sequence
{
    const char *name;
    std::optional<RebreatherType> type; // none: the defaults
    const char *ops;
};

class PresetOrder : public testing::TestWithParam<Sequence>
{ };

TEST_P(PresetOrder, RunsItsStepsInOrder)
{
    Recorder r;
    if (GetParam().type)
        applyTypePreset(*GetParam().type, r);
    else
        applyDefaults(r);
    EXPECT_EQ(r.ops, GetParam().ops);
}

INSTANTIATE_TEST_SUITE_P(All, PresetOrder,
        testing::Values(
                Sequence {"Defaults", std::nullopt,
                        "Edit4='5,5' Edit1='11' Edit2='7' Edit3='30' Edit9='15' Edit6='1,0' "
                        "Edit8='1,5' Edit5='0,3' Edit11='40' Edit13='180' Edit12='0,8' "
                        "Edit19='0' Edit18='0' Edit14='20,9' Edit16='0' Edit7='9999,9' "
                        "Edit10='9999,9' Edit20='100' trackbarspeed=0 Edit21='10' "
                        "Edit15='0,79' Edit17='0' CheckBox6=1 CheckBox8=0 RadioButton5=1 "
                        "CheckBox4=1 Edit22='0' Edit23='180' Edit24='40' CheckBox1=0 "
                        "CheckBox2=0 CheckBox3=0"},
                Sequence {"eCCR", RebreatherType::eCCR,
                        "CheckBox6=1 CheckBox6+ CheckBox8=0 CheckBox8+ Edit6+ Edit6:6C6CFF "
                        "Edit8:6387F1 Edit8+ Edit8:6387F1 CheckBox2=0 CheckBox2+ CheckBox1=0 "
                        "CheckBox1+ CheckBox4=1 CheckBox4+ Edit14+ Edit14:6C6CFF Edit16+ "
                        "Edit16:6387F1 Edit10+ Edit10:6387F1 Edit13+ Edit13:6C6CFF "
                        "DilBypass=1 Edit23+ Edit23:6C6CFF Edit11+ Edit11:6387F1 CheckBox3=0 "
                        "CheckBox3- Edit19='0' Edit19- Edit19:C0C0C0 Edit18='0' Edit18- "
                        "Edit18:C0C0C0"},
                Sequence {"mCCR", RebreatherType::mCCR,
                        "CheckBox2=0 CheckBox2- CheckBox1=0 CheckBox1- CheckBox4=1 CheckBox4- "
                        "Edit14+ Edit14:6C6CFF Edit16+ Edit16:6387F1 Edit10+ Edit10:6387F1 "
                        "DilBypass=1 Edit23+ Edit23:6C6CFF CheckBox3=0 CheckBox3- CheckBox6=0 "
                        "CheckBox6- CheckBox8=0 CheckBox8- Edit6- Edit6:C0C0C0 Edit8- "
                        "Edit8:C0C0C0 Edit19='0' Edit19- Edit19:C0C0C0 Edit18='0' Edit18- "
                        "Edit18:C0C0C0 Edit13- Edit13:C0C0C0 Edit11- Edit11:C0C0C0"},
                Sequence {"O2CCR", RebreatherType::O2CCR,
                        "CheckBox3=1 CheckBox3- CheckBox6=0 CheckBox6- CheckBox8=0 CheckBox8- "
                        "CheckBox2=0 CheckBox2- CheckBox1=0 CheckBox1- CheckBox4=1 CheckBox4- "
                        "Edit6- Edit6:C0C0C0 Edit8- Edit8:C0C0C0 Edit19='0' Edit19- "
                        "Edit19:C0C0C0 Edit18='0' Edit18- Edit18:C0C0C0 Edit14- Edit14:C0C0C0 "
                        "Edit16- Edit16:C0C0C0 Edit10- Edit10:C0C0C0 Edit13- Edit13:C0C0C0 "
                        "DilBypass=0 Edit23- Edit23:C0C0C0 Edit11- Edit11:C0C0C0"},
                Sequence {"Manual", RebreatherType::Manual,
                        "Edit19+ Edit19:6C6CFF Edit18+ Edit18:6387F1 CheckBox3=0 CheckBox3+ "
                        "CheckBox6=0 CheckBox6+ CheckBox8=0 CheckBox8+ Edit6+ Edit6:6C6CFF "
                        "Edit8+ Edit8:6387F1 CheckBox2=0 CheckBox2+ Edit14+ Edit14:6C6CFF "
                        "Edit16+ Edit16:6387F1 Edit10+ Edit10:6387F1 Edit13+ Edit13:6C6CFF "
                        "DilBypass=1 Edit23+ Edit23:6C6CFF Edit11+ Edit11:6387F1 CheckBox2=0 "
                        "CheckBox2+ CheckBox1=0 CheckBox1+ CheckBox4=1 CheckBox4+"}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
