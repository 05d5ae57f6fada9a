#include "controls/mainsliders.h"
#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>
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

// --- A picture of the four sliders -----------------------------------------

enum class Shown { plain, disabled, over, down };

QPixmap shot(MainSlider which, int position, Shown shown)
{
    TGradientTrackBar w;
    configureMainSlider(w, which);
    w.setPosition(position);
    const PixelRect r = w.trackGeometry().thumbRect(w.thumbOffset());
    const QPointF centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const bool pressed = shown == Shown::down;
    QMouseEvent event(pressed ? QEvent::MouseButtonPress : QEvent::MouseMove, centre,
            w.mapToGlobal(centre), pressed ? Qt::LeftButton : Qt::NoButton,
            pressed ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    if (shown == Shown::over || pressed) {
        QApplication::sendEvent(&w, &event);
    }
    w.setEnabled(shown != Shown::disabled);
    return w.grab();
}

// Lays the sliders out side by side as the main window does, once per look,
// with the speed slider of each look in a band below. Set
// LOOPWRIGHT_SLIDER_PICTURE to a file name to keep the picture.
TEST(MainSliderPicture, EveryDesignInEveryLook)
{
    struct Look
    {
        const char *caption;
        int o2, maxDepth, startDepth, speed;
        Shown shown;
    };
    const Look looks[] = {
            {"at 0", 0, 0, 0, 0, Shown::plain},
            {"middle", 25, 50, 37, 50, Shown::plain},
            {"at Max", 50, 100, 100, 99, Shown::plain},
            {"pointer over", 10, 20, 30, 20, Shown::over},
            {"pressed", 40, 70, 80, 80, Shown::down},
            {"disabled", 15, 60, 45, 30, Shown::disabled},
    };
    constexpr int kLooks = 6;
    constexpr int kColumn = 150;
    constexpr int kSpeedTop = 530;
    QImage sheet(kColumn * kLooks, kSpeedTop + 2 * 50, QImage::Format_RGB32);
    sheet.fill(QColor(0xA9D1FA));
    QPainter p(&sheet);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.setPen(Qt::black);
    for (int i = 0; i < kLooks; ++i) {
        const Look &look = looks[i];
        const int x = i * kColumn + 10;
        p.drawText(x, 15, QString::fromLatin1(look.caption));
        // Same spacing as in the window, where the columns start at x = 429.
        p.drawPixmap(x, 24, shot(MainSlider::TrackBarO2burn, look.o2, look.shown));
        p.drawPixmap(x + 49, 24, shot(MainSlider::trackbarmaxdepth, look.maxDepth, look.shown));
        p.drawPixmap(
                x + 86, 24, shot(MainSlider::trackbarsetstartdepth, look.startDepth, look.shown));

        const int sx = (i % 3) * 300 + 5;
        const int sy = kSpeedTop + (i / 3) * 50;
        p.drawText(sx, sy + 12, QString::fromLatin1(look.caption));
        p.drawPixmap(sx, sy + 16, shot(MainSlider::trackbarspeed, look.speed, look.shown));
    }
    p.end();

    // Spot checks that the looks reached the picture: the outline of the
    // pressed depth thumb (70 -> offset 329) and of the disabled one (60 -> 282).
    const auto at = [&](int x, int y) { return sheet.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(at(4 * kColumn + 10 + 49 + 10, 24 + 329), 0xFFFBF0u);
    EXPECT_EQ(at(5 * kColumn + 10 + 49 + 5, 24 + 282), 0xB5B5B5u);

    if (const char *file = std::getenv("LOOPWRIGHT_SLIDER_PICTURE")) {
        EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(file)));
    }
}

} // namespace
