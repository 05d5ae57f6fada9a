#pragma once

#include <cstdint>
#include <string>

namespace exporttext {

/// \a value with a point, in the shortest form that reads back to the same
/// double ("1.3", "127486.45", "2", "1e-07"); "NaN", "INF" and "-INF" for
/// what is not a finite number, as XML Schema writes them.
std::string decimal(double value);

/// \a epochMs (milliseconds since 1970-01-01 UTC) as an XML Schema date and
/// time in UTC, whole seconds: "2011-01-21T00:00:00Z".
std::string utcDateTime(std::int64_t epochMs);

} // namespace exporttext
