#pragma once

#include <QBrush>
#include <QImage>

#include <array>
#include <optional>

/// The 16 monochrome fills of bar series (pattern numbers 1 to 16: white
/// where a bit is set, black where it is clear). Brushes are made on first
/// use and kept.
class BarPatterns
{
public:
    static constexpr int kCount = 16;

    /// The fill of the bar series at list position \a slot (taken modulo 16):
    /// pattern number slot mod 16 + 1.
    const QBrush &brush(int slot);

    /// Pattern \a number (1..16) as an image, 8 x 8 pixels (number 11: 6 x 6).
    static QImage image(int number);

private:
    std::array<std::optional<QBrush>, kCount> m_brushes;
};
