#pragma once

#include "export/divelog.h"

#include <string>

/// Pascals in one kg/cm², the program's unit of pressure.
inline constexpr double kPascalPerKgCm2 = 98066.5;

/// The times a UDDF file carries besides the samples, as XML Schema dates
/// and times with their UTC offset ("2024-05-01T10:15:00+03:00", or "Z").
struct UddfTimes
{
    std::string diveStart; ///< when the dive button was pressed
    std::string written; ///< when the file was made
};

/// What the document calls the equipment and the gases, UTF-8: the
/// program's Russian names unless the window's language gives others.
struct UddfNames
{
    std::string rebreather = "Ребризер Loopwright";
    std::string sensor = "Датчик O2 %1"; ///< %1 stands for the sensor's number
    std::string diluent = "Дилюент";
    std::string oxygen = "Кислород";
    std::string bailout = "Байлаут %1"; ///< %1 stands for the bailout gas's number
};

/// The dive as a UDDF 3.3.1 document in UTF-8, without a namespace, as dive
/// computers export it: SI units (metres, seconds, pascals; CNS as a
/// fraction of 1), one waypoint per sample, the diluent, oxygen and the two
/// bailout gases as mixes, one rebreather with three oxygen sensors, each
/// waypoint giving the PPO2 each of them read, and a mix switch with the dive
/// mode on each waypoint where what the diver breathes changed.
std::string uddfDocument(
        const DiveRecord &record, const UddfTimes &times, const UddfNames &names = {});
