#include "engine/parameters.h"

#include <string>

namespace {
constexpr std::array<std::string_view, kEditCount> kEditNames = {"Edit1", "Edit2", "Edit3", "Edit4",
        "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13",
        "Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit22",
        "Edit23", "Edit24", "Edit25"};
} // namespace

std::string_view editName(Edit e)
{
    return kEditNames[editIndex(e)];
}

std::optional<Edit> findEdit(std::string_view name)
{
    for (const FieldInfo &f : kFields) {
        if ((!f.parameter.empty() && f.parameter == name) || editName(f.edit) == name)
            return f.edit;
    }
    return std::nullopt;
}

std::optional<Slider> findSlider(std::string_view name)
{
    for (const SliderInfo &s : kSliders) {
        if (s.parameter == name || s.control == name)
            return s.slider;
    }
    return std::nullopt;
}

std::optional<Check> findInputCheck(std::string_view name)
{
    for (const CheckInfo &c : kChecks) {
        if (!c.parameter.empty() && (c.parameter == name || c.control == name))
            return c.check;
    }
    return std::nullopt;
}
