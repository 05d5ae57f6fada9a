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

std::string_view actorName(Actor by)
{
    return by == Actor::Drill ? "drill" : "trainee";
}

} // namespace

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
    out += "},\n \"seed\": " + std::to_string(d.seed) + ", \"drawn\": [";
    for (std::size_t i = 0; i < d.drawn.size(); ++i) {
        const DrawnTime &t = d.drawn[i];
        out += std::string(i ? ", " : "") + "{\"line\": " + std::to_string(t.line)
                + ", \"from_min\": " + jsonNumber(t.fromMinutes) + ", \"to_min\": "
                + jsonNumber(t.toMinutes) + ", \"t_min\": " + jsonNumber(t.minutes) + "}";
    }
    out += "],\n \"events\": [";
    for (std::size_t i = 0; i < d.events.size(); ++i) {
        const LogEntry &e = d.events[i];
        out += std::string(i ? ",\n  " : "")
                + "{\"t_min\": " + jsonNumber(double(e.diveTimeMs) / 60000.0) + ", \"by\": \""
                + std::string(actorName(e.by)) + "\", \"what\": " + jsonString(e.what) + "}";
    }
    return out + "],\n \"reaction_s\": " + jsonNumber(d.reactionS) + "}\n";
}
