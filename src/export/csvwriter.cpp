#include "export/csvwriter.h"

#include "export/exporttext.h"
#include "util/numtext.h"

// Every cell is a number, empty or a word without commas, so none needs
// quoting.
std::string diveCsv(const DiveRecord &record)
{
    using exporttext::decimal;
    std::string out = kDiveCsvHeader;
    out += "\r\n";
    out.reserve(out.size() + record.samples.size() * 96);
    for (const DiveSample &s : record.samples) {
        out += decimal(double(s.diveTimeMs) / 1000.0);
        out += ',' + decimal(s.depthM);
        out += ',' + decimal(s.ppo2);
        out += ',';
        if (s.setpoint)
            out += decimal(*s.setpoint);
        out += ',' + decimal(s.cnsPercent);
        out += ',' + decimal(s.otu);
        out += ',' + decimal(s.safeAscentDepthM);
        out += ',';
        if (s.noStopSeconds)
            out += decimal(double(*s.noStopSeconds) / 60.0);
        out += ',';
        if (s.firstStop)
            out += decimal(s.firstStop->depthM) + ',' + std::to_string(s.firstStop->minutes);
        else
            out += ',';
        out += ',' + std::to_string(numtext::nearestInt(s.gf99));
        out += ',' + std::to_string(numtext::nearestInt(s.surfaceGf));
        for (double reading : s.cells)
            out += ',' + decimal(reading);
        out += ',';
        out += breathingName(s.breathing);
        out += "\r\n";
    }
    return out;
}
