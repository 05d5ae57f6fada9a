#pragma once

#include <array>

/// One decompression compartment: half-times in minutes, a in kg/cm², b
/// dimensionless, for nitrogen and for helium.
struct Compartment
{
    double n2HalfTimeMin;
    double n2CoefA;
    double n2CoefB;
    double heHalfTimeMin;
    double heCoefA;
    double heCoefB;
};

inline constexpr int kCompartmentCount = 16;
using CompartmentTable = std::array<Compartment, kCompartmentCount>;

/// Bühlmann ZH-L16: the nitrogen columns are the B set with the 4-minute
/// compartment first (no separate 1b), the helium columns the ZH-L16 helium
/// set; applied unchanged to pressures in kg/cm². Index 0 is compartment 1.
inline constexpr CompartmentTable kCompartmentTable = {{
        {4.0, 1.2599, 0.505, 1.51, 1.7424, 0.4245},
        {8.0, 1.0, 0.6514, 3.02, 1.383, 0.5747},
        {12.5, 0.8618, 0.7222, 4.72, 1.1919, 0.6527},
        {18.5, 0.7562, 0.7825, 6.99, 1.0458, 0.7223},
        {27.0, 0.6667, 0.8126, 10.21, 0.922, 0.7582},
        {38.3, 0.56, 0.8434, 14.48, 0.8205, 0.7957},
        {54.3, 0.4947, 0.8693, 20.53, 0.7305, 0.8279},
        {77.0, 0.45, 0.891, 29.11, 0.6502, 0.8553},
        {109.0, 0.4187, 0.9092, 41.2, 0.595, 0.8757},
        {146.0, 0.3798, 0.9222, 55.19, 0.5545, 0.8903},
        {187.0, 0.3497, 0.9319, 70.69, 0.5333, 0.8997},
        {239.0, 0.3223, 0.9403, 90.34, 0.5189, 0.9073},
        {305.0, 0.285, 0.9477, 115.29, 0.5181, 0.9122},
        {390.0, 0.2737, 0.9544, 147.42, 0.5176, 0.9171},
        {498.0, 0.2523, 0.9602, 188.24, 0.5172, 0.9217},
        {635.0, 0.2327, 0.9653, 240.03, 0.5119, 0.9267},
}};
