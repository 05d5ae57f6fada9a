#include "drills/debrief.h"

#include "util/numtext.h"

#include <cmath>

namespace {

std::string jsonNumber(double v)
{
    if (!std::isfinite(v))
        return "null";
    if (v == 0.0)
        return "0"; // not "-0"
    return numtext::formatShortest(v);
}

std::string jsonNumber(const std::optional<double> &v)
{
    return v ? jsonNumber(*v) : "null";
}

std::string jsonString(std::string_view s)
{
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\u%04x", c);
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// A figure as the window shows numbers: rounded, comma, its unit.
std::string shown(double v, int decimals, std::string_view unit)
{
    const double rounded = decimals == 1 ? numtext::nearest1(v) : numtext::nearest2(v);
    // A failed objective must not read as zero: a few seconds outside the
    // band show as less than the last digit.
    std::string text = rounded == 0.0 && v > 0.0
            ? "< " + numtext::formatGeneral(decimals == 1 ? 0.1 : 0.01)
            : numtext::formatGeneral(rounded);
    if (!unit.empty())
        text += " " + std::string(unit);
    return text;
}

std::string shown(const std::optional<double> &v, int decimals, std::string_view unit)
{
    return v ? shown(*v, decimals, unit) : "—";
}

} // namespace

std::string_view drillEndName(DrillEnd end)
{
    switch (end) {
    case DrillEnd::Surface:
        return "surface";
    case DrillEnd::EndAfter:
        return "end-after";
    case DrillEnd::Reset:
        return "reset";
    case DrillEnd::Limit:
        return "limit";
    case DrillEnd::Error:
        return "error";
    case DrillEnd::None:
        break;
    }
    return "";
}

std::string endedByText(DrillEnd end)
{
    switch (end) {
    case DrillEnd::Surface:
        return "всплытие на поверхность";
    case DrillEnd::EndAfter:
        return "истекло время тренировки";
    case DrillEnd::Reset:
        return "СБРОС";
    case DrillEnd::Limit:
        return "предел: сутки погружения или миллион тактов";
    case DrillEnd::Error:
        return "тысяча тактов подряд с ошибкой";
    case DrillEnd::None:
        break;
    }
    return "тренировка не окончена";
}

std::string_view objectiveUnit(ObjectiveKind kind)
{
    return kind == ObjectiveKind::CnsBelow || kind == ObjectiveKind::ReserveAbove
                    || kind == ObjectiveKind::BailoutReserveAbove
            ? "%"
            : "мин";
}

std::string objectiveValueText(const ObjectiveResult &objective)
{
    return shown(objective.value, 1, objectiveUnit(objective.kind));
}

std::vector<std::pair<std::string, std::string>> figureLines(const DrillFigures &f)
{
    return {{"Время погружения", shown(f.diveTimeMin, 1, "мин")},
            {"Наибольшая глубина", shown(f.maxDepthM, 1, "м")},
            {"PPO2 ниже 0,4", shown(f.minutesPpo2Below04, 1, "мин")},
            {"PPO2 выше 1,6", shown(f.minutesPpo2Above16, 1, "мин")},
            {"Наименьшее PPO2", shown(f.minPpo2, 2, "")},
            {"Наибольшее PPO2", shown(f.maxPpo2, 2, "")},
            {"Выше потолка", shown(f.minutesAboveCeiling, 1, "мин")},
            {"Наибольшее CNS", shown(f.maxCnsPercent, 1, "%")}, {"OTU", shown(f.otu, 1, "")},
            {"Израсходовано кислорода", shown(f.o2UsedL, 1, "л")},
            {"Израсходовано дилюента", shown(f.dilUsedL, 1, "л")},
            {"На байлауте", shown(f.openCircuitMinutes, 1, "мин")},
            {"Израсходовано газа байлаута", shown(f.bailoutUsedL, 1, "л")},
            {"Без газа", shown(f.minutesOutOfGas, 1, "мин")}};
}

std::string debriefJson(const Debrief &d)
{
    const DrillFigures &f = d.figures;
    std::string out = "{\"title\": " + jsonString(d.title) + ", \"ended_by\": "
            + (d.endedBy == DrillEnd::None ? "null" : jsonString(drillEndName(d.endedBy)))
            + ",\n \"objectives\": [";
    for (std::size_t i = 0; i < d.objectives.size(); ++i) {
        const ObjectiveResult &o = d.objectives[i];
        out += std::string(i ? ",\n  " : "") + "{\"name\": " + jsonString(o.name) + ", \"passed\": "
                + (o.passed ? "true" : "false") + ", \"value\": " + jsonNumber(o.value) + "}";
    }
    const std::pair<const char *, std::string> figures[] = {
            {"dive_time_min", jsonNumber(f.diveTimeMin)}, {"max_depth_m", jsonNumber(f.maxDepthM)},
            {"minutes_ppo2_below_0_4", jsonNumber(f.minutesPpo2Below04)},
            {"minutes_ppo2_above_1_6", jsonNumber(f.minutesPpo2Above16)},
            {"min_ppo2", jsonNumber(f.minPpo2)}, {"max_ppo2", jsonNumber(f.maxPpo2)},
            {"minutes_above_ceiling", jsonNumber(f.minutesAboveCeiling)},
            {"max_cns_percent", jsonNumber(f.maxCnsPercent)}, {"otu", jsonNumber(f.otu)},
            {"o2_used_l", jsonNumber(f.o2UsedL)}, {"dil_used_l", jsonNumber(f.dilUsedL)},
            {"oc_minutes", jsonNumber(f.openCircuitMinutes)},
            {"bailout_used_l", jsonNumber(f.bailoutUsedL)},
            {"minutes_out_of_gas", jsonNumber(f.minutesOutOfGas)}};
    out += "],\n \"figures\": {";
    bool first = true;
    for (const auto &[key, value] : figures) {
        out += std::string(first ? "" : ",\n             ") + "\"" + key + "\": " + value;
        first = false;
    }
    return out + "}}\n";
}

std::string debriefText(const Debrief &d)
{
    std::string out = "Разбор тренировки «" + d.title + "»\n";
    out += "Окончание: " + endedByText(d.endedBy) + "\n\nЦели:\n";
    if (d.objectives.empty())
        out += "  нет\n";
    for (const ObjectiveResult &o : d.objectives) {
        out += std::string(o.passed ? "  выполнена     " : "  НЕ выполнена  ") + o.name + ": "
                + objectiveValueText(o) + "\n";
    }
    out += "\nПоказатели:\n";
    for (const auto &[caption, value] : figureLines(d.figures))
        out += "  " + caption + ": " + value + "\n";
    return out;
}
