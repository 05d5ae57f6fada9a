#pragma once

/// Where the chart and the spline hold a pixel coordinate computed from data
/// far outside any screen, so that it still fits an int and can be offset.
inline constexpr int kFarOffScreen = 1 << 30;

/// A rectangle of whole pixels; right and bottom are exclusive, so a
/// rectangle from x = 4 to x = 26 covers the 22 columns 4..25.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    /// The pixels the rectangle covers: left and top edges inside, right and
    /// bottom edges outside.
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    /// True when (x, y) lies strictly inside: left < x < right and top < y < bottom.
    bool containsStrictly(int x, int y) const
    {
        return left < x && x < right && top < y && y < bottom;
    }

    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};
