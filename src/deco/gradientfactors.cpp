#include "deco/gradientfactors.h"

std::optional<int> percentDigits(std::string_view text)
{
    // Leading zeros are digits too; only the value need be small.
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<GradientFactors> parseGradientFactors(
        std::string_view lowText, std::string_view highText)
{
    const std::optional<int> low = percentDigits(lowText);
    const std::optional<int> high = percentDigits(highText);
    if (!low || !high || !GradientFactors::valid(*low, *high))
        return std::nullopt;
    return GradientFactors {*low, *high};
}
