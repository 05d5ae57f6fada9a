#include "export/csvwriter.h"

#include "export/exporttext.h"
#include "util/numtext.h"

namespace {

// A number's cell; empty when there is none or it is not one a reader can
// take (not finite, beyond the single-precision range).
std::string cell(std::optional<double> value)
{
    return value ? exporttext::decimal(*value).value_or("") : "";
}

} // namespace

// Every cell is a number, empty or a word without commas, so none needs
// quoting.
std::string diveCsv(const DiveRecord &record)
{
    std::string out = kDiveCsvHeader;
    out += "\r\n";
    out.reserve(out.size() + record.samples.size() * 96);
    for (const DiveSample &s : record.samples) {
        out += cell(double(s.diveTimeMs) / 1000.0);
        out += ',' + cell(s.depthM);
        out += ',' + cell(s.ppo2);
        out += ',' + cell(s.setpoint);
        out += ',' + cell(s.cnsPercent);
        out += ',' + cell(s.otu);
        out += ',' + cell(s.safeAscentDepthM);
        out += ',';
        if (s.noStopSeconds)
            out += cell(double(*s.noStopSeconds) / 60.0);
        out += ',';
        if (s.firstStop)
            out += cell(s.firstStop->depthM) + ',' + std::to_string(s.firstStop->minutes);
        else
            out += ',';
        out += ',' + cell(numtext::nearest(s.gf99));
        out += ',' + cell(numtext::nearest(s.surfaceGf));
        for (double reading : s.cells)
            out += ',' + cell(reading);
        out += ',';
        out += breathingName(s.breathing);
        out += "\r\n";
    }
    return out;
}
