#pragma once

#include "controlmodel/pixels.h"
#include "util/rgb.h"

#include <cstdint>
#include <vector>

/// Direction in which the thumb of a slider travels.
enum class TrackBarOrientation { trHorizontal, trVertical };

/// Which tick marks a slider draws: none; one every Frequency steps plus the
/// last one; or only the two ends.
enum class TickStyle { tsNone, tsAuto, tsManual };

/// The side or sides of the slide on which tick marks are drawn.
enum class TickMarks { tmBottomRight, tmTopLeft, tmBoth };

/// Where the thumb stands: the slider's Position and the thumb's pixel offset
/// along the track that shows it.
struct ThumbPlacement
{
    int position = 0;
    int offset = 0;

    bool operator==(const ThumbPlacement &) const = default;
};

/// The value/pixel maths of a slider of a given client size and orientation:
/// thumb and slide rectangles, Position <-> thumb offset, dragging and tick
/// marks. Every rounding is to nearest with halves to even.
///
/// A range of zero (Min == Max) or a track without length maps every Position
/// to offset 0 and never divides by either.
class TrackBarGeometry
{
public:
    /// \a width and \a height are the client size in pixels.
    TrackBarGeometry(int width, int height, TrackBarOrientation orientation);

    /// Size of the thumb across the slide: the client's cross size minus 8
    /// (0 for a client narrower than that).
    int thumbLength() const { return m_thumbLength; }
    /// Pixels the thumb can travel: the client's length minus the thumb's
    /// thickness along the slide (thumbLength() div 2), never below 0.
    int trackLength() const { return m_trackLength; }

    /// The slide: the full client length, a third of the cross size inset
    /// (plus one pixel) from either side.
    PixelRect slideRect() const;
    /// The thumb at \a offset pixels along the track.
    PixelRect thumbRect(int offset) const;

    /// Thumb offset showing \a position in [min, max]: rounded(track / (max - min) *
    /// (position - min)), kept within [0, trackLength()].
    int offsetFor(int position, int min, int max) const;
    /// Position shown by the thumb at \a offset: min + rounded((max - min) * offset / track).
    int positionFor(int offset, int min, int max) const;

    /// Places the thumb for a \a position already within the range. A vertical
    /// slider then reads its Position back from the thumb, so on a track shorter
    /// than the range the Position snaps to one the thumb can show.
    ThumbPlacement place(int position, int min, int max) const;

    /// Drags the thumb to the pointer at (\a x, \a y): the offset follows the
    /// pointer (y - 5 when vertical, x - thickness div 2 when horizontal),
    /// pinned to [0, trackLength()], and the Position follows the offset. With a
    /// track without length or an empty range \a position is kept as it is.
    ThumbPlacement drag(int x, int y, int min, int max, int position) const;

    /// The tick marks, each a 3-pixel line as a rectangle, in order of k, the
    /// top/left mark of a step before its bottom/right one.
    std::vector<PixelRect> tickLines(
            TickStyle style, TickMarks marks, int frequency, int min, int max) const;

private:
    bool measurable(std::int64_t range) const { return range != 0 && m_trackLength > 0; }
    // track * k / range, or 0 where that has no meaning.
    double trackFraction(std::int64_t k, std::int64_t range) const;

    int m_width;
    int m_height;
    bool m_vertical;
    int m_thumbLength;
    int m_thumbThickness;
    int m_trackLength;
};

/// \a value limited to [min, max]; with min > max (a passing state while the
/// range is being changed) values below min give min, all others max.
int clampPosition(int value, int min, int max);

/// The steps k in 0..max - min that carry a tick mark: none for tsNone, the two
/// ends for tsManual, every multiple of \a frequency (every step for 0) and the
/// last step for tsAuto. Ascending, without duplicates.
std::vector<std::int64_t> tickSteps(TickStyle style, int frequency, int min, int max);

/// Colours of the \a lines lines of a gradient from \a from towards \a to:
/// each channel starts at its \a from value and grows by (to - from) / lines per
/// line, line i taking the rounded channels. The last line stops one step
/// short of \a to. Empty for lines <= 0.
std::vector<Rgb> gradientLines(Rgb from, Rgb to, int lines);
