#include "engine/parameters.h"

#include <string>

std::string_view editName(Edit e)
{
    return kFields[editIndex(e)].control;
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
