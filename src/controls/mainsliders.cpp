#include "controls/mainsliders.h"

#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <QSignalBlocker>

#include <utility>
#include <vector>

namespace {

using C = TrackBarColor;
using ColorList = std::vector<std::pair<TrackBarColor, QColor>>;

QColor hex(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// The two depth sliders use system colours for their ticks and the end of
// the slide gradient; these come from the application palette. Qt has no
// role for a title bar's text, so its nearest counterpart, the window's own
// text colour, stands in for it.
QColor systemHighlightText()
{
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

QColor systemCaptionText()
{
    return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

ColorList depthColors(QRgb downBorder, QRgb downFace, QRgb downGrad)
{
    return {
            {C::BackColor, hex(0x579AE3)},
            {C::TickColor, systemHighlightText()},
            {C::SlideBorderColor, hex(0x000000)},
            {C::SlideFaceColor, hex(0xFFFFFF)},
            {C::SlideGradColor, systemCaptionText()},
            {C::ThumbBorderColor, hex(0x000000)},
            {C::ThumbFaceColor, hex(0x00FFFF)},
            {C::ThumbGradColor, hex(0x0000FF)},
            {C::OverThumbBorderColor, hex(0x000080)},
            {C::OverThumbFaceColor, hex(0x000080)},
            {C::OverThumbGradColor, hex(0x000080)},
            {C::DownThumbBorderColor, hex(downBorder)},
            {C::DownThumbFaceColor, hex(downFace)},
            {C::DownThumbGradColor, hex(downGrad)},
    };
}

// The oxygen slider wears the sky colours and the speed slider the silver
// ones, as custom colours on their own background.
ColorList o2Colors()
{
    return {
            {C::BackColor, hex(0xEBEBEB)},
            {C::TickColor, hex(0x2D8DC8)},
            {C::SlideBorderColor, hex(0x007AF4)},
            {C::SlideFaceColor, hex(0x75BAFF)},
            {C::SlideGradColor, hex(0xD2E9FF)},
            {C::ThumbBorderColor, hex(0x0063C6)},
            {C::ThumbFaceColor, hex(0xB3D9FF)},
            {C::ThumbGradColor, hex(0x2492FF)},
            {C::OverThumbBorderColor, hex(0x0059B3)},
            {C::OverThumbFaceColor, hex(0x9FCFFF)},
            {C::OverThumbGradColor, hex(0x007CF9)},
            {C::DownThumbBorderColor, hex(0x0059B3)},
            {C::DownThumbFaceColor, hex(0x1A8CFF)},
            {C::DownThumbGradColor, hex(0x80BFFF)},
    };
}

ColorList speedColors()
{
    return {
            {C::BackColor, hex(0xA9D1FA)},
            {C::TickColor, hex(0x888888)},
            {C::SlideBorderColor, hex(0x727272)},
            {C::SlideFaceColor, hex(0xC0C0C0)},
            {C::SlideGradColor, hex(0xEAEAEA)},
            {C::ThumbBorderColor, hex(0x616161)},
            {C::ThumbFaceColor, hex(0xE1E1E1)},
            {C::ThumbGradColor, hex(0xA3A3A3)},
            {C::OverThumbBorderColor, hex(0x747474)},
            {C::OverThumbFaceColor, hex(0xD1D1D1)},
            {C::OverThumbGradColor, hex(0x959595)},
            {C::DownThumbBorderColor, hex(0x747474)},
            {C::DownThumbFaceColor, hex(0x999999)},
            {C::DownThumbGradColor, hex(0xC1C1C1)},
    };
}

const ColorList kDisabled {
        {C::DisabledTickColor, hex(0xC0C0C0)},
        {C::DisabledSlideBorderColor, hex(0xBEBEBE)},
        {C::DisabledSlideFaceColor, hex(0xD8D8D8)},
        {C::DisabledSlideGradColor, hex(0xE8E8E8)},
        {C::DisabledThumbBorderColor, hex(0xB5B5B5)},
        {C::DisabledThumbFaceColor, hex(0xEAEAEA)},
        {C::DisabledThumbGradColor, hex(0xCFCFCF)},
};

struct Design
{
    const char *name;
    QRect rect;
    TrackBarOrientation orientation;
    int max;
    TickStyle tickStyle;
    ColorList colors;
    const char *hint;
};

Design designOf(MainSlider which)
{
    switch (which) {
    case MainSlider::trackbarmaxdepth:
        return {"trackbarmaxdepth", {478, 72, 30, 481}, TrackBarOrientation::trVertical, 100,
                TickStyle::tsNone, depthColors(0xFFFBF0, 0xFFFFFF, 0xFFFBF0),
                QT_TRANSLATE_NOOP("MainSliders", "Максимальная глубина погружения в метрах")};
    case MainSlider::trackbarsetstartdepth:
        return {"trackbarsetstartdepth", {515, 72, 30, 481}, TrackBarOrientation::trVertical, 100,
                TickStyle::tsAuto, depthColors(0xFFFFFF, 0xFFFBF0, 0xFFFFFF),
                QT_TRANSLATE_NOOP("MainSliders", "Изначальная и текущая глубина в метрах")};
    case MainSlider::TrackBarO2burn:
        return {"TrackBarO2burn", {429, 72, 41, 481}, TrackBarOrientation::trVertical, 50,
                TickStyle::tsNone, o2Colors(),
                QT_TRANSLATE_NOOP(
                        "MainSliders", "Потребление кислорода дайвером в литрах в минуту")};
    case MainSlider::trackbarspeed:
        break;
    }
    return {"trackbarspeed", {0, 456, 289, 28}, TrackBarOrientation::trHorizontal, 99,
            TickStyle::tsNone, speedColors(),
            QT_TRANSLATE_NOOP("MainSliders", "Этим выставляем скорость моделирования ситуации")};
}

} // namespace

QString mainSliderHint(MainSlider which)
{
    return QCoreApplication::translate("MainSliders", designOf(which).hint);
}

void configureMainSlider(TGradientTrackBar &slider, MainSlider which)
{
    const Design d = designOf(which);
    const QSignalBlocker quiet(slider);

    slider.setObjectName(QString::fromLatin1(d.name));
    slider.setGeometry(d.rect);
    slider.setOrientation(d.orientation);
    slider.setMin(0);
    slider.setMax(d.max);
    slider.setPosition(0);
    slider.setFrequency(1);
    slider.setTickStyle(d.tickStyle);
    slider.setTickMarks(TickMarks::tmBottomRight);
    slider.setSmoothCorners(true);
    slider.setColorScheme(ColorScheme::csCustom);
    for (const auto &[role, color] : d.colors) {
        slider.setColor(role, color);
    }
    for (const auto &[role, color] : kDisabled) {
        slider.setColor(role, color);
    }
    slider.setToolTip(mainSliderHint(which));
    slider.setCursor(Qt::PointingHandCursor);
}
