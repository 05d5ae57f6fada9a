#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace exporttext {

/// The largest magnitude an export writes: that of XML Schema's xs:float
/// (single precision), which the UDDF's numbers are.
inline constexpr double kMaxExportValue = 3.4028234663852886e38;

/// \a value with a point, in the shortest form that reads back to the same
/// double ("1.3", "127486.45", "2", "1e-07"); nothing for a value that is
/// not finite or lies beyond ±kMaxExportValue, which a dive log could not
/// read: the caller leaves it out.
std::optional<std::string> decimal(double value);

/// \a epochMs (milliseconds since 1970-01-01 UTC) as an XML Schema date and
/// time in UTC, whole seconds: "2011-01-21T00:00:00Z".
std::string utcDateTime(std::int64_t epochMs);

} // namespace exporttext
