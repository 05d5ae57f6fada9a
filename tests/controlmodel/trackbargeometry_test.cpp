#include "controlmodel/trackbargeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

void PrintTo(const PixelRect &r, std::ostream *os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
void PrintTo(const ThumbPlacement &p, std::ostream *os)
{
    *os << "position " << p.position << ", offset " << p.offset;
}

namespace {

constexpr auto V = TrackBarOrientation::trVertical;
constexpr auto H = TrackBarOrientation::trHorizontal;
constexpr int kNoPointer = std::numeric_limits<int>::min();

// One row: a slider of size w x h and range min..max. With x == kNoPointer the
// thumb is placed for `position`; otherwise it is dragged to (x, y) from there.
struct ThumbCase
{
    const char *name;
    int w, h;
    TrackBarOrientation orientation;
    int min, max, position, x, y;
    ThumbPlacement expected;
};

class TrackBarThumb : public testing::TestWithParam<ThumbCase>
{ };

TEST_P(TrackBarThumb, PlacedOrDragged)
{
    const ThumbCase &c = GetParam();
    const TrackBarGeometry g(c.w, c.h, c.orientation);
    EXPECT_EQ(c.x == kNoPointer ? g.place(c.position, c.min, c.max)
                                : g.drag(c.x, c.y, c.min, c.max, c.position),
            c.expected);
}

constexpr int P = kNoPointer;
INSTANTIATE_TEST_SUITE_P(Cases, TrackBarThumb,
        testing::Values(
                // 30 x 481: thumb 22 x 11, track 470. 4.7 * 5 = 23.5 and
                // 4.7 * 15 = 70.5: halves go to the even pixel.
                ThumbCase {"halfUpToEven", 30, 481, V, 0, 100, 5, P, 0, {5, 24}},
                ThumbCase {"halfDownToEven", 30, 481, V, 0, 100, 15, P, 0, {15, 70}},
                ThumbCase {"rangeNotFromZero", 30, 481, V, 20, 70, 45, P, 0, {45, 235}},
                // Track 5 for 10 steps: 3 -> offset 1.5 -> 2, which reads back
                // as 4 on a vertical slider; a horizontal one keeps 3.
                ThumbCase {"shortVerticalSnaps", 18, 10, V, 0, 10, 3, P, 0, {4, 2}},
                ThumbCase {"shortHorizontalKeeps", 10, 18, H, 0, 10, 3, P, 0, {3, 2}},
                ThumbCase {"minEqualsMax", 30, 481, V, 5, 5, 5, P, 0, {5, 0}},
                // Vertical on 100 x 28: a 46-pixel thumb leaves no track.
                ThumbCase {"noTrack", 100, 28, V, 0, 10, 7, P, 0, {7, 0}},
                ThumbCase {"minAboveMax", 30, 481, V, 10, 0, 0, P, 0, {0, 470}},
                ThumbCase {"dragVertical", 30, 481, V, 0, 100, 0, 15, 240, {50, 235}},
                ThumbCase {"dragPastBottom", 30, 481, V, 0, 100, 50, 15, 2000, {100, 470}},
                ThumbCase {"dragPastTop", 30, 481, V, 0, 100, 50, 15, -50, {0, 0}},
                // The pointer holds the thumb 5 pixels below its top: 7 and 8
                // put it 2 and 3 pixels down, either side of half a metre.
                ThumbCase {"dragLessThanHalfAStep", 30, 481, V, 0, 100, 50, 15, 7, {0, 0}},
                ThumbCase {"dragMoreThanHalfAStep", 30, 481, V, 0, 100, 50, 15, 8, {1, 5}},
                // 289 x 28: thumb 20 x 10, track 279.
                ThumbCase {"dragHorizontal", 289, 28, H, 0, 99, 0, 102, 14, {34, 96}},
                ThumbCase {"dragPastLeft", 289, 28, H, 0, 99, 50, -10, 14, {0, 0}},
                ThumbCase {"dragPastRight", 289, 28, H, 0, 99, 0, 1000, 14, {99, 279}},
                ThumbCase {"dragMinEqualsMax", 30, 481, V, 7, 7, 7, 15, 240, {7, 0}},
                ThumbCase {"dragNoTrack", 100, 28, V, 0, 10, 4, 50, 20, {4, 0}}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(TrackBarGeometry, RectanglesOfBothOrientations)
{
    const TrackBarGeometry depth(30, 481, V);
    EXPECT_EQ(depth.trackLength(), 470);
    EXPECT_EQ(depth.slideRect(), (PixelRect {11, 0, 19, 481}));
    EXPECT_EQ(depth.thumbRect(235), (PixelRect {4, 235, 26, 246}));
    const TrackBarGeometry o2(41, 481, V);
    EXPECT_EQ(o2.slideRect(), (PixelRect {14, 0, 27, 481}));
    EXPECT_EQ(o2.thumbRect(0), (PixelRect {4, 0, 37, 16}));
    const TrackBarGeometry speed(289, 28, H);
    EXPECT_EQ(speed.slideRect(), (PixelRect {0, 10, 289, 18}));
    EXPECT_EQ(speed.thumbRect(100), (PixelRect {100, 4, 110, 24}));
    // Too narrow for a thumb: nothing negative, the track is the whole length.
    const TrackBarGeometry narrow(6, 100, V);
    EXPECT_EQ(narrow.thumbLength(), 0);
    EXPECT_EQ(narrow.trackLength(), 100);
}

TEST(TrackBarGeometry, ExtremeRangeDoesNotOverflow)
{
    const TrackBarGeometry g(30, 481, V);
    const int lo = std::numeric_limits<int>::min();
    const int hi = std::numeric_limits<int>::max();
    EXPECT_EQ(g.offsetFor(hi, lo, hi), 470);
    EXPECT_EQ(g.drag(15, 2000, lo, hi, 0).position, hi);
    EXPECT_EQ(g.drag(15, -5, lo, hi, 0).position, lo);
    // Min above Max is no undefined behaviour, as std::clamp would be.
    EXPECT_EQ(clampPosition(-3, 10, 0), 10);
    EXPECT_EQ(clampPosition(50, 10, 0), 0);
}

struct StepsCase
{
    const char *name;
    TickStyle style;
    int frequency, min, max;
    std::vector<std::int64_t> steps;
};

class TrackBarTickSteps : public testing::TestWithParam<StepsCase>
{ };

TEST_P(TrackBarTickSteps, StepsThatCarryATick)
{
    const StepsCase &c = GetParam();
    EXPECT_EQ(tickSteps(c.style, c.frequency, c.min, c.max), c.steps);
}

constexpr auto Auto = TickStyle::tsAuto;
INSTANTIATE_TEST_SUITE_P(Styles, TrackBarTickSteps,
        testing::Values(StepsCase {"everyThirdPlusLast", Auto, 3, 0, 10, {0, 3, 6, 9, 10}},
                StepsCase {"lastIsAMultiple", Auto, 5, 0, 10, {0, 5, 10}},
                StepsCase {"zeroIsEveryStep", Auto, 0, 0, 4, {0, 1, 2, 3, 4}},
                StepsCase {"negativeFrequency", Auto, -3, 0, 10, {0, 3, 6, 9, 10}},
                StepsCase {"rangeNotFromZero", Auto, 2, -2, 3, {0, 2, 4, 5}},
                StepsCase {"manualEnds", TickStyle::tsManual, 3, 0, 10, {0, 10}},
                StepsCase {"none", TickStyle::tsNone, 1, 0, 10, {}},
                StepsCase {"emptyRange", TickStyle::tsManual, 3, 5, 5, {0}},
                StepsCase {"minAboveMax", Auto, 1, 10, 0, {}}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(TrackBarGeometry, TickLinesLineUpWithTheThumbCentre)
{
    // y = rounded(470 k / 10) + 11 div 2; a 3-pixel line at each edge.
    const TrackBarGeometry depth(30, 481, V);
    EXPECT_EQ(depth.tickLines(TickStyle::tsAuto, TickMarks::tmBottomRight, 3, 0, 10),
            (std::vector<PixelRect> {{27, 5, 30, 6}, {27, 146, 30, 147}, {27, 287, 30, 288},
                    {27, 428, 30, 429}, {27, 475, 30, 476}}));
    EXPECT_EQ(depth.tickLines(TickStyle::tsManual, TickMarks::tmBoth, 1, 0, 10),
            (std::vector<PixelRect> {
                    {0, 5, 3, 6}, {27, 5, 30, 6}, {0, 475, 3, 476}, {27, 475, 30, 476}}));
    EXPECT_EQ(depth.tickLines(TickStyle::tsAuto, TickMarks::tmBottomRight, 1, 5, 5),
            (std::vector<PixelRect> {{27, 5, 30, 6}}));

    // Thickness 11: the top side rounds 0 + 5.5 to 6 and 89 + 5.5 to 94; the
    // bottom side adds 11 div 2 after rounding.
    const TrackBarGeometry odd(100, 30, H);
    EXPECT_EQ(odd.tickLines(TickStyle::tsManual, TickMarks::tmBoth, 1, 0, 10),
            (std::vector<PixelRect> {
                    {6, 0, 7, 3}, {5, 27, 6, 30}, {94, 0, 95, 3}, {94, 27, 95, 30}}));
}

TEST(TrackBarGeometry, GradientRoundsEachLineHalfToEven)
{
    // Steps of 2.5, 1.5, 0.5 and -62.5 per line put halves on every channel;
    // the end colour itself is never reached.
    EXPECT_EQ(gradientLines({0, 0, 250}, {10, 6, 0}, 4),
            (std::vector<Rgb> {{0, 0, 250}, {2, 2, 188}, {5, 3, 125}, {8, 4, 62}}));
    EXPECT_EQ(gradientLines({0, 0, 1}, {0, 0, 0}, 1), (std::vector<Rgb> {{0, 0, 1}}));
    EXPECT_TRUE(gradientLines({0, 0, 1}, {9, 9, 9}, 0).empty());
}

} // namespace
