#pragma once

#include <cstdint>

/// An RGB colour, red first, as the design gives it: three 0..255 channels.
struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};
