#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

#include <array>

namespace {

using C = TrackBarColor;
using State = TGradientTrackBar::ThumbState;

void mouse(TGradientTrackBar &w, QEvent::Type type, int x, int y, bool held = true)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const bool down = held && type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, QPointF(x, y), w.mapToGlobal(QPointF(x, y)), button,
            down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}
void press(TGradientTrackBar &w, int x, int y)
{
    mouse(w, QEvent::MouseButtonPress, x, y);
}
void move(TGradientTrackBar &w, int x, int y)
{
    mouse(w, QEvent::MouseMove, x, y);
}
void hover(TGradientTrackBar &w, int x, int y)
{
    mouse(w, QEvent::MouseMove, x, y, false);
}

QRgb rgbOf(const QColor &c)
{
    return c.rgb() & 0xFFFFFF;
}

// A depth-sized slider (30 x 481, 0..100: thumb 22 x 11, track 470) that
// counts its change notifications.
struct Depth
{
    Depth()
    {
        w.resize(30, 481);
        w.setOrientation(TrackBarOrientation::trVertical);
        w.setMax(100);
        QObject::connect(&w, &TGradientTrackBar::changed, [this](TGradientTrackBar *s) {
            ++changes;
            seen = s->position();
        });
    }
    TGradientTrackBar w;
    int changes = 0;
    int seen = -1;
};

TEST(TrackBarColors, SchemeSetsAllColoursAndAnyColourSetterMakesItCustom)
{
    TGradientTrackBar w;
    EXPECT_EQ(w.colorScheme(), ColorScheme::csDesert);
    EXPECT_EQ(rgbOf(w.color(C::ThumbFaceColor)), 0xFFDA8Cu);
    w.setColor(C::DisabledTickColor, Qt::red);
    w.setColorScheme(ColorScheme::csSky);
    EXPECT_EQ(rgbOf(w.color(C::DownThumbGradColor)), 0x80BFFFu);
    EXPECT_EQ(rgbOf(w.color(C::DisabledTickColor)), 0xC0C0C0u);
    EXPECT_EQ(w.color(C::BackColor), QApplication::palette().color(QPalette::Button));

    w.setColor(C::ThumbFaceColor, QColor(0x123456));
    EXPECT_EQ(w.colorScheme(), ColorScheme::csCustom);
    EXPECT_EQ(rgbOf(w.color(C::SlideFaceColor)), 0x75BAFFu);
    w.setColorScheme(ColorScheme::csCustom);
    EXPECT_EQ(rgbOf(w.color(C::ThumbFaceColor)), 0x123456u);
}

TEST(TrackBarPosition, SetterClampsAndAlwaysNotifiesRangeSettersNever)
{
    Depth d;
    d.w.setPosition(d.w.max() + 5);
    EXPECT_EQ(d.w.position(), 100);
    EXPECT_EQ(d.seen, 100);
    d.w.setPosition(100);
    EXPECT_EQ(d.changes, 2);

    d.w.setMax(50);
    EXPECT_EQ(d.w.position(), 50);
    EXPECT_EQ(d.w.thumbOffset(), 470);
    d.w.setMin(60);
    EXPECT_EQ(d.w.position(), 60);
    EXPECT_EQ(d.changes, 2);
}

TEST(TrackBarPosition, KeptWhenSetBeforeTheFirstPaintAndOnResize)
{
    // Regression: a vertical slider must not fall back to Min when its
    // Position was set before it was first shown, nor jump when resized.
    Depth d;
    d.w.setPosition(37);
    d.w.show();
    QApplication::processEvents();
    EXPECT_FALSE(d.w.grab().isNull());
    EXPECT_EQ(d.w.position(), 37);
    EXPECT_EQ(d.w.thumbOffset(), 174); // 4.7 * 37 = 173.9
    d.w.resize(30, 241);
    QApplication::processEvents();
    EXPECT_EQ(d.w.position(), 37);
    EXPECT_EQ(d.w.thumbOffset(), 85); // 230 / 100 * 37
}

TEST(TrackBarMouse, DragPinsAtBothEndsAndNotifiesOnEveryMove)
{
    Depth d;
    press(d.w, 15, 5);
    move(d.w, 15, 240);
    EXPECT_EQ(d.w.thumbOffset(), 235);
    EXPECT_EQ(d.w.position(), 50);
    move(d.w, 15, 5000);
    EXPECT_EQ(d.w.thumbOffset(), 470);
    move(d.w, 15, -40);
    move(d.w, 15, -41);
    EXPECT_EQ(d.w.thumbOffset(), 0);
    EXPECT_EQ(d.changes, 4);
    mouse(d.w, QEvent::MouseButtonRelease, 15, -41);
    EXPECT_EQ(d.w.thumbState(), State::normal);
    move(d.w, 15, 300);
    EXPECT_EQ(d.changes, 4);
}

TEST(TrackBarMouse, OnlyAPressStrictlyInsideTheThumbGrabsIt)
{
    // The thumb at Position 0 covers x 4..25, y 0..10.
    const std::array<std::array<int, 3>, 6> points {
            {{5, 1, 1}, {25, 10, 1}, {4, 5, 0}, {26, 5, 0}, {15, 11, 0}, {15, 300, 0}}};
    for (const auto &[x, y, grabs] : points) {
        Depth d;
        press(d.w, x, y);
        move(d.w, 15, 240);
        EXPECT_EQ(d.w.position(), grabs ? 50 : 0) << x << ", " << y;
    }
}

TEST(TrackBarMouse, ThumbStatesAndPassedOnEvents)
{
    Depth d;
    State atUp = State::down;
    QObject::connect(&d.w, &TGradientTrackBar::mouseUp,
            [&](TGradientTrackBar *s, QMouseEvent *) { atUp = s->thumbState(); });
    hover(d.w, 15, 5);
    EXPECT_EQ(d.w.thumbState(), State::over);
    hover(d.w, 15, 100);
    EXPECT_EQ(d.w.thumbState(), State::normal);
    press(d.w, 15, 5);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&d.w, &leave);
    EXPECT_EQ(d.w.thumbState(), State::down); // still dragging
    mouse(d.w, QEvent::MouseButtonRelease, 15, 6);
    EXPECT_EQ(atUp, State::over); // passed on after the slider's own handling
}

TEST(TrackBarMouse, DisablingEndsADrag)
{
    // Regression: a slider disabled mid-drag never sees the release; the next
    // plain move after enabling it must not drag the thumb.
    Depth d;
    press(d.w, 15, 5);
    d.w.setEnabled(false);
    d.w.setEnabled(true);
    hover(d.w, 15, 240);
    EXPECT_EQ(d.w.position(), 0);
    EXPECT_EQ(d.changes, 0);
}

// Colour of line i of a gradient of n lines.
QRgb line(const QColor &from, const QColor &to, int n, int i)
{
    const auto rgb = [](const QColor &c) {
        return Rgb {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    const Rgb c = gradientLines(rgb(from), rgb(to), n)[static_cast<std::size_t>(i)];
    return qRgb(c.r, c.g, c.b) & 0xFFFFFF;
}

struct LookCase
{
    const char *name;
    int look; // 0 normal, 1 over, 2 down, 3 disabled
    C thumbBorder, thumbFace, thumbGrad, slideBorder, slideFace, slideGrad, tick;
};

class TrackBarPaint : public testing::TestWithParam<LookCase>
{ };

// Sky colours, end ticks on both sides, thumb in the middle: slide x 11..18,
// thumb x 4..25 y 235..245, ticks at y = 5 and 475.
TEST_P(TrackBarPaint, PixelsOfEachLook)
{
    const LookCase &c = GetParam();
    Depth d;
    TGradientTrackBar &w = d.w;
    w.setPosition(50);
    w.setColorScheme(ColorScheme::csSky);
    w.setTickStyle(TickStyle::tsManual);
    w.setTickMarks(TickMarks::tmBoth);
    if (c.look == 1) {
        hover(w, 15, 240);
    } else if (c.look == 2) {
        press(w, 15, 240);
    } else if (c.look == 3) {
        w.setEnabled(false);
    }
    const QImage img = w.grab().toImage();
    auto at = [&](int x, int y) { return img.pixel(x, y) & 0xFFFFFF; };
    auto col = [&](C which) { return rgbOf(w.color(which)); };
    const QRgb back = col(C::BackColor);

    // Smooth corners take the background; outlines run between them.
    EXPECT_EQ(at(11, 0), back);
    EXPECT_EQ(at(18, 1), col(c.slideBorder));
    EXPECT_EQ(at(4, 235), back);
    EXPECT_EQ(at(25, 244), col(c.thumbBorder));
    EXPECT_EQ(at(26, 240), back);
    // Slide gradient left to right over 8 columns, thumb top to bottom over 11.
    EXPECT_EQ(at(17, 400), line(w.color(c.slideFace), w.color(c.slideGrad), 8, 6));
    EXPECT_EQ(at(20, 243), line(w.color(c.thumbFace), w.color(c.thumbGrad), 11, 8));
    // Ticks: three pixels from either edge.
    EXPECT_EQ(at(2, 5), col(c.tick));
    EXPECT_EQ(at(3, 5), back);
    EXPECT_EQ(at(27, 475), col(c.tick));
}

INSTANTIATE_TEST_SUITE_P(Looks, TrackBarPaint,
        testing::Values(
                LookCase {"normal", 0, C::ThumbBorderColor, C::ThumbFaceColor, C::ThumbGradColor,
                        C::SlideBorderColor, C::SlideFaceColor, C::SlideGradColor, C::TickColor},
                LookCase {"over", 1, C::OverThumbBorderColor, C::OverThumbFaceColor,
                        C::OverThumbGradColor, C::SlideBorderColor, C::SlideFaceColor,
                        C::SlideGradColor, C::TickColor},
                LookCase {"down", 2, C::DownThumbBorderColor, C::DownThumbFaceColor,
                        C::DownThumbGradColor, C::SlideBorderColor, C::SlideFaceColor,
                        C::SlideGradColor, C::TickColor},
                LookCase {"disabled", 3, C::DisabledThumbBorderColor, C::DisabledThumbFaceColor,
                        C::DisabledThumbGradColor, C::DisabledSlideBorderColor,
                        C::DisabledSlideFaceColor, C::DisabledSlideGradColor,
                        C::DisabledTickColor}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(TrackBarPaint, HorizontalGradientsAndSharpCorners)
{
    TGradientTrackBar w;
    w.resize(289, 28);
    w.setMax(99);
    w.setPosition(99); // thumb x 279..288, y 4..23; slide y 10..17
    w.setSmoothCorners(false);
    const QImage img = w.grab().toImage();
    auto at = [&](int x, int y) { return img.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(at(100, 11), line(w.color(C::SlideFaceColor), w.color(C::SlideGradColor), 8, 1));
    EXPECT_EQ(at(280, 22), line(w.color(C::ThumbFaceColor), w.color(C::ThumbGradColor), 10, 1));
    EXPECT_EQ(at(0, 10), rgbOf(w.color(C::SlideBorderColor)));
    EXPECT_EQ(at(288, 23), rgbOf(w.color(C::ThumbBorderColor)));
}

} // namespace
