#include "controlmodel/trackbargeometry.h"

#include "util/numtext.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Every value rounded here lies on the control, so the range of an int is
// bound enough.
int rounded(double v)
{
    return numtext::nearestPixel(v, numtext::kIntPixelLimit);
}

std::int64_t rangeOf(int min, int max)
{
    // 64 bits: Max - Min of two ints can overflow an int.
    return static_cast<std::int64_t>(max) - min;
}

} // namespace

TrackBarGeometry::TrackBarGeometry(int width, int height, TrackBarOrientation orientation)
    : m_width(width), m_height(height), m_vertical(orientation == TrackBarOrientation::trVertical)
{
    const int across = m_vertical ? width : height;
    const int along = m_vertical ? height : width;
    // Below 8 pixels across there is no room for a thumb; a negative length
    // would give a track longer than the control.
    m_thumbLength = std::max(0, across - 8);
    m_thumbThickness = m_thumbLength / 2;
    m_trackLength = std::max(0, along - m_thumbThickness);
}

PixelRect TrackBarGeometry::slideRect() const
{
    if (m_vertical) {
        const int inset = m_width / 3 + 1;
        return {inset, 0, m_width - inset, m_height};
    }
    const int inset = m_height / 3 + 1;
    return {0, inset, m_width, m_height - inset};
}

PixelRect TrackBarGeometry::thumbRect(int offset) const
{
    if (m_vertical) {
        return {4, offset, 4 + m_thumbLength, offset + m_thumbThickness};
    }
    return {offset, 4, offset + m_thumbLength / 2, 4 + m_thumbLength};
}

double TrackBarGeometry::trackFraction(std::int64_t k, std::int64_t range) const
{
    if (range == 0) {
        return 0.0;
    }
    return static_cast<double>(m_trackLength) * static_cast<double>(k) / static_cast<double>(range);
}

int TrackBarGeometry::offsetFor(int position, int min, int max) const
{
    const std::int64_t range = rangeOf(min, max);
    if (!measurable(range)) {
        return 0;
    }
    // track / range first: another order of the same operations can move a
    // result that should be a half off it, and the thumb by a pixel.
    const double offset = static_cast<double>(m_trackLength) / static_cast<double>(range)
            * static_cast<double>(rangeOf(min, position));
    return std::clamp(rounded(offset), 0, m_trackLength);
}

int TrackBarGeometry::positionFor(int offset, int min, int max) const
{
    const std::int64_t range = rangeOf(min, max);
    if (!measurable(range)) {
        return min;
    }
    const double steps = static_cast<double>(range) * offset / static_cast<double>(m_trackLength);
    return static_cast<int>(min + numtext::nearestInt(steps));
}

ThumbPlacement TrackBarGeometry::place(int position, int min, int max) const
{
    ThumbPlacement p {position, offsetFor(position, min, max)};
    if (m_vertical && measurable(rangeOf(min, max))) {
        p.position = positionFor(p.offset, min, max);
        p.offset = offsetFor(p.position, min, max);
    }
    return p;
}

ThumbPlacement TrackBarGeometry::drag(int x, int y, int min, int max, int position) const
{
    if (!measurable(rangeOf(min, max))) {
        return {position, 0};
    }
    const int wanted = m_vertical ? y - 5 : x - m_thumbThickness / 2;
    const int offset = std::clamp(wanted, 0, m_trackLength);
    const int dragged = positionFor(offset, min, max);
    return {dragged, offsetFor(dragged, min, max)};
}

std::vector<PixelRect> TrackBarGeometry::tickLines(
        TickStyle style, TickMarks marks, int frequency, int min, int max) const
{
    const bool topLeft = marks == TickMarks::tmTopLeft || marks == TickMarks::tmBoth;
    const bool bottomRight = marks == TickMarks::tmBottomRight || marks == TickMarks::tmBoth;
    const std::int64_t range = rangeOf(min, max);

    std::vector<PixelRect> lines;
    for (const std::int64_t k : tickSteps(style, frequency, min, max)) {
        const double along = trackFraction(k, range);
        if (m_vertical) {
            const int y = rounded(along) + m_thumbThickness / 2;
            if (topLeft) {
                lines.push_back({0, y, 3, y + 1});
            }
            if (bottomRight) {
                lines.push_back({m_width - 3, y, m_width, y + 1});
            }
        } else {
            // The two sides round differently (a half thickness added before or
            // after rounding); with an odd thickness the top mark can stand one
            // pixel right of the bottom one.
            if (topLeft) {
                const int x = rounded(along + m_thumbThickness / 2.0);
                lines.push_back({x, 0, x + 1, 3});
            }
            if (bottomRight) {
                const int x = rounded(along) + m_thumbThickness / 2;
                lines.push_back({x, m_height - 3, x + 1, m_height});
            }
        }
    }
    return lines;
}

int clampPosition(int value, int min, int max)
{
    if (value < min) {
        return min;
    }
    return value > max ? max : value;
}

std::vector<std::int64_t> tickSteps(TickStyle style, int frequency, int min, int max)
{
    const std::int64_t last = rangeOf(min, max);
    std::vector<std::int64_t> steps;
    if (style == TickStyle::tsNone || last < 0) {
        return steps;
    }
    if (style == TickStyle::tsAuto) {
        // Stepping by |Frequency| visits exactly the multiples of a negative
        // Frequency too, and cannot loop forever.
        const std::int64_t step = frequency == 0 ? 1 : std::llabs(frequency);
        for (std::int64_t k = 0; k <= last; k += step) {
            steps.push_back(k);
        }
    } else {
        steps.push_back(0);
    }
    if (steps.back() != last) {
        steps.push_back(last);
    }
    return steps;
}

std::vector<Rgb> gradientLines(Rgb from, Rgb to, int lines)
{
    std::vector<Rgb> colours;
    if (lines <= 0) {
        return colours;
    }
    colours.reserve(static_cast<std::size_t>(lines));
    const double n = lines;
    const double stepR = (to.r - from.r) / n;
    const double stepG = (to.g - from.g) / n;
    const double stepB = (to.b - from.b) / n;
    // Each channel is a running sum, one step per line; rounding the sum
    // rather than from + i * step decides the lines that fall on a half.
    // Every sum lies between the two ends, so it rounds to a channel value.
    double r = from.r;
    double g = from.g;
    double b = from.b;
    const auto channel = [](double v) { return static_cast<std::uint8_t>(rounded(v)); };
    for (int i = 0; i < lines; ++i) {
        colours.push_back({channel(r), channel(g), channel(b)});
        r += stepR;
        g += stepG;
        b += stepB;
    }
    return colours;
}
