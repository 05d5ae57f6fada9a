#include "export/uddfwriter.h"

#include "export/exporttext.h"
#include "util/version.h"

namespace {

using exporttext::decimal;

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Appends <name>value</name> on its own line; nothing for a value that a
// dive log could not read (see exporttext::decimal).
void number(std::string &out, int indent, std::string_view name, double value)
{
    if (const auto text = decimal(value)) {
        out.append(std::size_t(indent) * 2, ' ');
        out += '<';
        out += name;
        out += '>';
        out += *text;
        out += "</";
        out += name;
        out += ">\n";
    }
}

// Appends <name>text</name> on its own line.
void element(std::string &out, int indent, std::string_view name, std::string_view text)
{
    out.append(std::size_t(indent) * 2, ' ');
    out += '<';
    out += name;
    out += '>';
    out += escaped(text);
    out += "</";
    out += name;
    out += ">\n";
}

void line(std::string &out, int indent, std::string_view text)
{
    out.append(std::size_t(indent) * 2, ' ');
    out += text;
    out += '\n';
}

double pascals(double kgCm2)
{
    return kgCm2 * kPascalPerKgCm2;
}

double seconds(std::int64_t ms)
{
    return double(ms) / 1000.0;
}

// The mix a diver breathes: the diluent's on the loop.
std::string_view mixId(Breathing breathing)
{
    switch (breathing) {
    case Breathing::Gas1:
        return "bailout1";
    case Breathing::Gas2:
        return "bailout2";
    case Breathing::Loop:
        break;
    }
    return "diluent";
}

// The children of a waypoint in the order the schema's sequence gives them.
// The dive computer's gradient factors go on the first waypoint and on any
// where the diver changed them, as fractions of 1 like the format's other
// shares.
void waypoint(std::string &out, const DiveSample &s, const DiveSample *previous)
{
    const bool first = previous == nullptr;
    line(out, 5, "<waypoint>");
    number(out, 6, "cns", s.cnsPercent / 100.0);
    if (s.firstStop) {
        const auto depth = decimal(s.firstStop->depthM);
        const auto duration = decimal(s.firstStop->minutes * 60.0);
        if (depth && duration)
            line(out, 6,
                    "<decostop kind=\"mandatory\" decodepth=\"" + *depth + "\" duration=\""
                            + *duration + "\"/>");
    }
    number(out, 6, "depth", s.depthM);
    number(out, 6, "divetime", seconds(s.diveTimeMs));
    number(out, 6, "otu", s.otu);
    if (first || !(previous->gradientFactors == s.gradientFactors)) {
        number(out, 6, "setgfhigh", s.gradientFactors.highFraction());
        number(out, 6, "setgflow", s.gradientFactors.lowFraction());
    }
    if (s.setpoint) {
        if (const auto setpoint = decimal(pascals(*s.setpoint)))
            line(out, 6, "<setpo2 setby=\"user\">" + *setpoint + "</setpo2>");
    }
    // What the diver breathes: the loop from the start, and each change
    // between the loop and a bailout gas on the first waypoint after it.
    const bool switched = !first && previous->breathing != s.breathing;
    if (switched)
        line(out, 6, "<switchmix ref=\"" + std::string(mixId(s.breathing)) + "\"/>");
    if (first || switched)
        line(out, 6,
                s.breathing == Breathing::Loop ? "<divemode type=\"closedcircuit\"/>"
                                               : "<divemode type=\"opencircuit\"/>");
    // What each cell read: what the diver breathed (the loop's true PPO2, or
    // a bailout gas's) only the greatest value after the dive reports.
    for (std::size_t k = 0; k < s.cells.size(); ++k) {
        if (const auto ppo2 = decimal(pascals(s.cells[k])))
            line(out, 6,
                    "<ppo2 ref=\"o2sensor" + std::to_string(k + 1) + "\">" + *ppo2 + "</ppo2>");
    }
    if (s.noStopSeconds)
        number(out, 6, "nodecotime", double(*s.noStopSeconds));
    line(out, 5, "</waypoint>");
}

void mix(std::string &out, std::string_view id, std::string_view name,
        const std::optional<GasMix> &gas)
{
    line(out, 2, "<mix id=\"" + escaped(id) + "\">");
    element(out, 3, "name", name);
    if (gas) {
        number(out, 3, "o2", gas->o2Percent / 100.0);
        number(out, 3, "n2", (100.0 - gas->o2Percent - gas->hePercent) / 100.0);
        number(out, 3, "he", gas->hePercent / 100.0);
    }
    line(out, 2, "</mix>");
}

// \a name with its "%1" standing for \a number.
std::string numbered(std::string name, int number)
{
    if (const std::size_t at = name.find("%1"); at != std::string::npos)
        name.replace(at, 2, std::to_string(number));
    return name;
}

} // namespace

std::string uddfDocument(const DiveRecord &record, const UddfTimes &times, const UddfNames &names)
{
    std::string out;
    out.reserve(512 + record.samples.size() * 256);
    line(out, 0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    line(out, 0, "<uddf version=\"3.3.1\">");
    line(out, 1, "<generator>");
    element(out, 2, "name", "Loopwright");
    element(out, 2, "type", "divecomputer");
    element(out, 2, "version", kLoopwrightVersion);
    element(out, 2, "datetime", times.written);
    line(out, 1, "</generator>");

    // The program does not know who dives: the names the schema requires
    // stay empty rather than invent a person in the diver's own log.
    line(out, 1, "<diver>");
    line(out, 2, "<owner id=\"owner\">");
    line(out, 3, "<personal>");
    element(out, 4, "firstname", "");
    element(out, 4, "lastname", "");
    line(out, 3, "</personal>");
    line(out, 3, "<equipment>");
    line(out, 4, "<rebreather id=\"rebreather\">");
    element(out, 5, "name", names.rebreather);
    for (int k = 1; k <= 3; ++k) {
        line(out, 5, "<o2sensor id=\"o2sensor" + std::to_string(k) + "\">");
        element(out, 6, "name", numbered(names.sensor, k));
        line(out, 5, "</o2sensor>");
    }
    line(out, 4, "</rebreather>");
    line(out, 3, "</equipment>");
    line(out, 2, "</owner>");
    line(out, 1, "</diver>");

    line(out, 1, "<gasdefinitions>");
    mix(out, "diluent", names.diluent, record.diluent);
    mix(out, "oxygen", names.oxygen, GasMix {100.0, 0.0});
    mix(out, "bailout1", numbered(names.bailout, 1), record.bailout[0]);
    mix(out, "bailout2", numbered(names.bailout, 2), record.bailout[1]);
    line(out, 1, "</gasdefinitions>");

    line(out, 1, "<profiledata>");
    line(out, 2, "<repetitiongroup id=\"repetitiongroup\">");
    line(out, 3, "<dive id=\"dive\">");
    line(out, 4, "<informationbeforedive>");
    element(out, 5, "datetime", times.diveStart);
    line(out, 4, "</informationbeforedive>");
    if (!record.samples.empty()) {
        line(out, 4, "<samples>");
        for (std::size_t i = 0; i < record.samples.size(); ++i)
            waypoint(out, record.samples[i], i == 0 ? nullptr : &record.samples[i - 1]);
        line(out, 4, "</samples>");
    }
    line(out, 4, "<informationafterdive>");
    number(out, 5, "greatestdepth", record.greatestDepthM);
    number(out, 5, "diveduration", seconds(record.durationMs));
    number(out, 5, "highestpo2", pascals(record.highestPpo2));
    line(out, 4, "</informationafterdive>");
    line(out, 3, "</dive>");
    line(out, 2, "</repetitiongroup>");
    line(out, 1, "</profiledata>");
    line(out, 0, "</uddf>");
    return out;
}
