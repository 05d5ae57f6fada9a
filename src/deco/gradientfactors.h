#pragma once

#include <optional>
#include <string_view>

/// The dive computer's gradient factors in whole percent: how close to its
/// limit a compartment may come at the first stop (low) and at the surface
/// (high). 10 <= low <= high <= 100; 100/100 is the raw tissue model.
struct GradientFactors
{
    static constexpr int kMinimum = 10;
    static constexpr int kMaximum = 100;

    int low = 50;
    int high = 80;

    /// gl = low / 100 and gh = high / 100.
    double lowFraction() const { return low / 100.0; }
    double highFraction() const { return high / 100.0; }

    /// Whether \a low and \a high make a pair the dive computer takes.
    static bool valid(int low, int high)
    {
        return kMinimum <= low && low <= high && high <= kMaximum;
    }

    friend bool operator==(const GradientFactors &, const GradientFactors &) = default;
};

/// A percent written with decimal digits only ("50", "080"); none for
/// anything else (a sign, a point, a blank, an empty text) and for a number
/// too long to be a percent.
std::optional<int> percentDigits(std::string_view text);

/// The pair \a lowText / \a highText, when both are percents in digits and
/// make a valid pair; none otherwise.
std::optional<GradientFactors> parseGradientFactors(
        std::string_view lowText, std::string_view highText);
