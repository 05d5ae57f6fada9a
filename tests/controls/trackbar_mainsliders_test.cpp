#include "controls/mainsliders.h"
#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <array>

namespace {

using C = TrackBarColor;

QRgb rgbOf(const QColor &c)
{
    return c.rgb() & 0xFFFFFF;
}

QRgb highlightText()
{
    return rgbOf(QApplication::palette().color(QPalette::HighlightedText));
}

// Where the thumb of each main-window slider stands for a value, worked out by
// hand: track = length - (cross size - 8) div 2, offset = value * track / range
// with halves to the even pixel. The O2 slider has 465 pixels for 50 steps;
// 9.3 is a little more than 9.3 in binary, so 25 and 45 steps land just past
// the halves 232.5 and 418.5.
TEST(MainSliderDesign, ThumbStandsWhereEachValueIsShown)
{
    using S = MainSlider;
    const std::array<std::array<int, 3>, 9> cases {{{int(S::trackbarmaxdepth), 15, 70},
            {int(S::trackbarmaxdepth), 100, 470}, {int(S::trackbarsetstartdepth), 5, 24},
            {int(S::TrackBarO2burn), 25, 233}, {int(S::TrackBarO2burn), 45, 419},
            {int(S::TrackBarO2burn), 24, 223}, {int(S::TrackBarO2burn), 50, 465},
            {int(S::trackbarspeed), 50, 141}, {int(S::trackbarspeed), 99, 279}}};
    for (const auto &[which, value, offset] : cases) {
        TGradientTrackBar w;
        int changes = 0;
        QObject::connect(&w, &TGradientTrackBar::changed, [&](TGradientTrackBar *) { ++changes; });
        configureMainSlider(w, MainSlider(which));
        EXPECT_EQ(changes, 0) << "a design is not a user's change";
        w.setPosition(value);
        EXPECT_EQ(w.position(), value);
        EXPECT_EQ(w.thumbOffset(), offset) << w.objectName().toStdString() << " at " << value;
    }
}

TEST(MainSliderDesign, StartDepthTicksEveryMetre)
{
    // tsAuto with Frequency 1 on 0..100: a tick on the right at every step,
    // y = rounded(4.7 k) + 5, halves to even (k = 15: 70.5 -> 70).
    TGradientTrackBar w;
    configureMainSlider(w, MainSlider::trackbarsetstartdepth);
    w.setPosition(100);
    const QImage img = w.grab().toImage();
    const QRgb tick = highlightText();
    const std::pair<int, int> stepAndY[] = {
            {0, 5}, {1, 10}, {5, 29}, {15, 75}, {50, 240}, {99, 470}, {100, 475}};
    for (const auto &[k, y] : stepAndY) {
        EXPECT_EQ(img.pixel(28, y) & 0xFFFFFF, tick) << "k = " << k;
    }
    EXPECT_EQ(img.pixel(28, 7) & 0xFFFFFF, rgbOf(w.color(C::BackColor)));
    EXPECT_EQ(img.pixel(28, 76) & 0xFFFFFF, rgbOf(w.color(C::BackColor)));
}

} // namespace
