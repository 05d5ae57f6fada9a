#include "controls/mainsliders.h"
#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <string>

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

struct DesignCase
{
    const char *name;
    MainSlider which;
    QRect rect;
    TrackBarOrientation orientation;
    int max;
    TickStyle tickStyle;
    QRgb back, thumbFace, downThumbBorder;
    const char *hint;
};

class MainSliderDesign : public testing::TestWithParam<DesignCase>
{ };

TEST_P(MainSliderDesign, KeyProperties)
{
    const DesignCase &d = GetParam();
    TGradientTrackBar w;
    w.setPosition(7);
    w.setTickMarks(TickMarks::tmBoth);
    int changes = 0;
    QObject::connect(&w, &TGradientTrackBar::changed, [&](TGradientTrackBar *) { ++changes; });

    configureMainSlider(w, d.which);

    EXPECT_EQ(w.objectName().toStdString(), d.name);
    EXPECT_EQ(w.geometry(), d.rect);
    EXPECT_EQ(w.orientation(), d.orientation);
    EXPECT_EQ(w.max(), d.max);
    EXPECT_EQ(w.position(), 0);
    EXPECT_EQ(w.tickStyle(), d.tickStyle);
    EXPECT_EQ(w.tickMarks(), TickMarks::tmBottomRight);
    EXPECT_EQ(w.colorScheme(), ColorScheme::csCustom);
    EXPECT_EQ(rgbOf(w.color(C::BackColor)), d.back);
    EXPECT_EQ(rgbOf(w.color(C::ThumbFaceColor)), d.thumbFace);
    EXPECT_EQ(rgbOf(w.color(C::DownThumbBorderColor)), d.downThumbBorder);
    EXPECT_EQ(rgbOf(w.color(C::DisabledThumbBorderColor)), 0xB5B5B5u);
    EXPECT_EQ(w.toolTip(), QString::fromUtf8(d.hint));
    EXPECT_EQ(w.cursor().shape(), Qt::PointingHandCursor);
    // A design is not a user's change: the window's reaction must not run.
    EXPECT_EQ(changes, 0);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MainSliderDesign,
        testing::Values(
                DesignCase {"trackbarmaxdepth", MainSlider::trackbarmaxdepth, {478, 72, 30, 481},
                        TrackBarOrientation::trVertical, 100, TickStyle::tsNone, 0x579AE3, 0x00FFFF,
                        0xFFFBF0, "Максимальная глубина погружения в метрах"},
                DesignCase {"trackbarsetstartdepth", MainSlider::trackbarsetstartdepth,
                        {515, 72, 30, 481}, TrackBarOrientation::trVertical, 100, TickStyle::tsAuto,
                        0x579AE3, 0x00FFFF, 0xFFFFFF, "Изначальная и текущая глубина в метрах"},
                DesignCase {"TrackBarO2burn", MainSlider::TrackBarO2burn, {429, 72, 41, 481},
                        TrackBarOrientation::trVertical, 50, TickStyle::tsNone, 0xEBEBEB, 0xB3D9FF,
                        0x0059B3, "Потребление кислорода дайвером в литрах в минуту"},
                DesignCase {"trackbarspeed", MainSlider::trackbarspeed, {0, 456, 289, 28},
                        TrackBarOrientation::trHorizontal, 99, TickStyle::tsNone, 0xA9D1FA,
                        0xE1E1E1, 0x747474, "Этим выставляем скорость моделирования ситуации"}),
        [](const auto &info) { return std::string(info.param.name); });

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
