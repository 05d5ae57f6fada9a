#include "export/exporttext.h"

#include "util/numtext.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace exporttext {

std::optional<std::string> decimal(double value)
{
    if (!(std::fabs(value) <= kMaxExportValue))
        return std::nullopt;
    return numtext::formatShortest(value);
}

std::string utcDateTime(std::int64_t epochMs)
{
    using namespace std::chrono;
    const sys_seconds time = floor<seconds>(sys_time<milliseconds>(milliseconds(epochMs)));
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
            unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
            int(clock.minutes().count()), int(clock.seconds().count()));
    return buffer;
}

} // namespace exporttext
