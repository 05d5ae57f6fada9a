#pragma once

#include "deco/bailoutplan.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

/// What the diver breathes: the loop, or open circuit from one of the two
/// bailout cylinders.
enum class Breathing : std::uint8_t { Loop, Gas1, Gas2 };

/// As the trace writes it: "loop", "1", "2".
std::string_view breathingName(Breathing breathing);

/// The bailout gas \a index (0 or 1) as what is breathed.
inline Breathing breathingFromGas(int index)
{
    return index == 0 ? Breathing::Gas1 : Breathing::Gas2;
}

/// The bailout gas breathed (0 or 1); only for Gas1 and Gas2.
inline std::size_t gasIndex(Breathing breathing)
{
    return breathing == Breathing::Gas1 ? 0 : 1;
}

/// The bailout the diver carries: two open-circuit gases with their full
/// contents and the diver's open-circuit breathing rate. A setting like the
/// dive computer's gradient factors: the dive button and reset leave it and
/// fill the cylinders from it.
struct BailoutSettings
{
    static constexpr double kDefaultRmv = 20.0;
    static constexpr BailoutGases kDefaultGases {{{21.0, 0.0, 2200.0}, {50.0, 0.0, 1100.0}}};

    BailoutGases gases = kDefaultGases;
    double rmvLpm = kDefaultRmv; ///< litres a minute at 1 kg/cm²

    /// A breathing rate above 0 (and a number).
    static bool validRmv(double rmv) { return rmv > 0.0 && std::isfinite(rmv); }

    friend bool operator==(const BailoutSettings &, const BailoutSettings &) = default;
};

/// A mix as "O2/He" in the program's number style: "21/0", "18/45", "20,5/35".
std::string mixText(const BailoutGas &gas);
