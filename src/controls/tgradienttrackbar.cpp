#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace {

// Per scheme, in this order: TickColor, SlideBorderColor, SlideFaceColor,
// SlideGradColor, then border, face and gradient colour of the thumb at rest,
// under the mouse and pressed.
using SchemeColors = std::array<QRgb, 13>;

constexpr SchemeColors kDesert {0x9D6A00, 0xBF8200, 0xFFB928, 0xFFE9BB, 0x885B00, 0xFFDA8C,
        0xD99300, 0x805600, 0xFFCB5E, 0xB77B00, 0x805600, 0xC18300, 0xFFB51A};
constexpr SchemeColors kGrass {0x4B9A1D, 0x52A420, 0x78D93E, 0xD6F4C1, 0x326712, 0xAAE882, 0x55AB21,
        0x376F15, 0xA7E77C, 0x4A951E, 0x376F15, 0x51A220, 0x93E15E};
constexpr SchemeColors kSilver {0x888888, 0x727272, 0xC0C0C0, 0xEAEAEA, 0x616161, 0xE1E1E1,
        0xA3A3A3, 0x747474, 0xD1D1D1, 0x959595, 0x747474, 0x999999, 0xC1C1C1};
constexpr SchemeColors kSky {0x2D8DC8, 0x007AF4, 0x75BAFF, 0xD2E9FF, 0x0063C6, 0xB3D9FF, 0x2492FF,
        0x0059B3, 0x9FCFFF, 0x007CF9, 0x0059B3, 0x1A8CFF, 0x80BFFF};
constexpr SchemeColors kRose {0xFF5B5B, 0xFF4242, 0xFF8282, 0xFFDBC6, 0xD70000, 0xFFC29D, 0xFF6666,
        0xD70000, 0xFFB88C, 0xFF5151, 0xD70000, 0xFF6666, 0xFFB88C};
constexpr SchemeColors kSun {0xA4A400, 0xAA7700, 0xFBD91A, 0xFEFADA, 0x844F00, 0xFFFFC6, 0xE6B800,
        0x844F00, 0xFFFF6A, 0xC49C00, 0x844F00, 0xE6B800, 0xFFE991};

constexpr std::array<TrackBarColor, 13> kSchemeOrder {TrackBarColor::TickColor,
        TrackBarColor::SlideBorderColor, TrackBarColor::SlideFaceColor,
        TrackBarColor::SlideGradColor, TrackBarColor::ThumbBorderColor,
        TrackBarColor::ThumbFaceColor, TrackBarColor::ThumbGradColor,
        TrackBarColor::OverThumbBorderColor, TrackBarColor::OverThumbFaceColor,
        TrackBarColor::OverThumbGradColor, TrackBarColor::DownThumbBorderColor,
        TrackBarColor::DownThumbFaceColor, TrackBarColor::DownThumbGradColor};

// The disabled look is the same grey in every scheme.
constexpr std::array<std::pair<TrackBarColor, QRgb>, 7> kDisabledColors {{
        {TrackBarColor::DisabledTickColor, 0xC0C0C0},
        {TrackBarColor::DisabledSlideBorderColor, 0xBEBEBE},
        {TrackBarColor::DisabledSlideFaceColor, 0xD8D8D8},
        {TrackBarColor::DisabledSlideGradColor, 0xE8E8E8},
        {TrackBarColor::DisabledThumbBorderColor, 0xB5B5B5},
        {TrackBarColor::DisabledThumbFaceColor, 0xEAEAEA},
        {TrackBarColor::DisabledThumbGradColor, 0xCFCFCF},
}};

const SchemeColors *schemeColors(ColorScheme scheme)
{
    switch (scheme) {
    case ColorScheme::csDesert:
        return &kDesert;
    case ColorScheme::csGrass:
        return &kGrass;
    case ColorScheme::csSilver:
        return &kSilver;
    case ColorScheme::csSky:
        return &kSky;
    case ColorScheme::csRose:
        return &kRose;
    case ColorScheme::csSun:
        return &kSun;
    case ColorScheme::csCustom:
        break;
    }
    return nullptr;
}

Rgb toRgb(const QColor &c)
{
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

QRect toQRect(const PixelRect &r)
{
    return {r.left, r.top, r.width(), r.height()};
}

enum class GradientDirection { leftToRight, topToBottom };

void paintGradient(QPainter &p, const PixelRect &r, const QColor &from, const QColor &to,
        GradientDirection direction)
{
    const bool columns = direction == GradientDirection::leftToRight;
    int i = 0;
    for (const Rgb &c : gradientLines(toRgb(from), toRgb(to), columns ? r.width() : r.height())) {
        const QColor colour(c.r, c.g, c.b);
        if (columns) {
            p.fillRect(r.left + i, r.top, 1, r.height(), colour);
        } else {
            p.fillRect(r.left, r.top + i, r.width(), 1, colour);
        }
        ++i;
    }
}

// A one-pixel outline on the rectangle's outermost pixels; filling the edges
// avoids a pen's extra pixel on the right and bottom.
void paintFrame(QPainter &p, const PixelRect &r, const QColor &c)
{
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    p.fillRect(r.left, r.top, r.width(), 1, c);
    p.fillRect(r.left, r.bottom - 1, r.width(), 1, c);
    p.fillRect(r.left, r.top, 1, r.height(), c);
    p.fillRect(r.right - 1, r.top, 1, r.height(), c);
}

void paintCorners(QPainter &p, const PixelRect &r, const QColor &c)
{
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    p.fillRect(r.left, r.top, 1, 1, c);
    p.fillRect(r.right - 1, r.top, 1, 1, c);
    p.fillRect(r.left, r.bottom - 1, 1, 1, c);
    p.fillRect(r.right - 1, r.bottom - 1, 1, 1, c);
}

} // namespace

TGradientTrackBar::TGradientTrackBar(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Without tracking, moves arrive only with a button held and the thumb
    // could never show its "over" look.
    setMouseTracking(true);
    setColorScheme(ColorScheme::csDesert);
    resize(100, 28);
}

void TGradientTrackBar::setPosition(int value)
{
    m_position = clampPosition(value, m_min, m_max);
    placeThumb();
    update();
    emit changed(this);
}

void TGradientTrackBar::setMin(int value)
{
    m_min = value;
    if (m_min > m_position) {
        m_position = m_min;
    }
    placeThumb();
    update();
}

void TGradientTrackBar::setMax(int value)
{
    m_max = value;
    if (m_max < m_position) {
        m_position = m_max;
    }
    placeThumb();
    update();
}

void TGradientTrackBar::setFrequency(int value)
{
    m_frequency = value;
    update();
}

void TGradientTrackBar::setTickStyle(TickStyle value)
{
    m_tickStyle = value;
    update();
}

void TGradientTrackBar::setTickMarks(TickMarks value)
{
    m_tickMarks = value;
    update();
}

void TGradientTrackBar::setOrientation(TrackBarOrientation value)
{
    m_orientation = value;
    placeThumb();
    update();
}

void TGradientTrackBar::setSmoothCorners(bool value)
{
    m_smoothCorners = value;
    update();
}

void TGradientTrackBar::setColorScheme(ColorScheme value)
{
    m_colorScheme = value;
    if (const SchemeColors *colors = schemeColors(value)) {
        for (std::size_t i = 0; i < kSchemeOrder.size(); ++i) {
            m_colors[index(kSchemeOrder[i])] = QColor::fromRgb((*colors)[i]);
        }
        for (const auto &[which, rgb] : kDisabledColors) {
            m_colors[index(which)] = QColor::fromRgb(rgb);
        }
        // A system colour, not one of the scheme's own: the application
        // palette's button face.
        m_colors[index(TrackBarColor::BackColor)] =
                QApplication::palette().color(QPalette::Active, QPalette::Button);
    }
    update();
}

void TGradientTrackBar::setColor(TrackBarColor which, const QColor &value)
{
    m_colors[index(which)] = value;
    m_colorScheme = ColorScheme::csCustom;
    update();
}

int TGradientTrackBar::thumbOffset() const
{
    // The offset is always the one that shows the Position: setters, resizing
    // and dragging all leave the Position snapped to what the thumb shows.
    return trackGeometry().offsetFor(m_position, m_min, m_max);
}

TrackBarGeometry TGradientTrackBar::trackGeometry() const
{
    return {width(), height(), m_orientation};
}

void TGradientTrackBar::placeThumb()
{
    m_position = trackGeometry().place(m_position, m_min, m_max).position;
}

bool TGradientTrackBar::insideThumb(const QMouseEvent *event) const
{
    const QPointF at = event->position();
    return trackGeometry()
            .thumbRect(thumbOffset())
            .containsStrictly(
                    static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

void TGradientTrackBar::paintEvent(QPaintEvent *)
{
    using C = TrackBarColor;
    const bool enabled = isEnabled();
    auto pick = [this](C c) { return m_colors[index(c)]; };

    const QColor back = pick(C::BackColor);
    const QColor tick = pick(enabled ? C::TickColor : C::DisabledTickColor);
    const QColor slideBorder = pick(enabled ? C::SlideBorderColor : C::DisabledSlideBorderColor);
    const QColor slideFace = pick(enabled ? C::SlideFaceColor : C::DisabledSlideFaceColor);
    const QColor slideGrad = pick(enabled ? C::SlideGradColor : C::DisabledSlideGradColor);
    C thumbBorder = C::ThumbBorderColor;
    C thumbFace = C::ThumbFaceColor;
    C thumbGrad = C::ThumbGradColor;
    if (!enabled) {
        thumbBorder = C::DisabledThumbBorderColor;
        thumbFace = C::DisabledThumbFaceColor;
        thumbGrad = C::DisabledThumbGradColor;
    } else if (m_thumbState == ThumbState::over) {
        thumbBorder = C::OverThumbBorderColor;
        thumbFace = C::OverThumbFaceColor;
        thumbGrad = C::OverThumbGradColor;
    } else if (m_thumbState == ThumbState::down) {
        thumbBorder = C::DownThumbBorderColor;
        thumbFace = C::DownThumbFaceColor;
        thumbGrad = C::DownThumbGradColor;
    }

    const TrackBarGeometry g = trackGeometry();
    const bool vertical = m_orientation == TrackBarOrientation::trVertical;
    QPainter p(this);
    p.fillRect(rect(), back);

    const PixelRect slide = g.slideRect();
    paintGradient(p, slide, slideFace, slideGrad,
            vertical ? GradientDirection::leftToRight : GradientDirection::topToBottom);
    paintFrame(p, slide, slideBorder);
    if (m_smoothCorners) {
        paintCorners(p, slide, back);
    }

    const PixelRect thumb = g.thumbRect(thumbOffset());
    paintGradient(p, thumb, pick(thumbFace), pick(thumbGrad),
            vertical ? GradientDirection::topToBottom : GradientDirection::leftToRight);
    paintFrame(p, thumb, pick(thumbBorder));
    if (m_smoothCorners) {
        paintCorners(p, thumb, back);
    }

    for (const PixelRect &line : g.tickLines(m_tickStyle, m_tickMarks, m_frequency, m_min, m_max)) {
        p.fillRect(toQRect(line), tick);
    }
}

void TGradientTrackBar::resizeEvent(QResizeEvent *event)
{
    placeThumb();
    QWidget::resizeEvent(event);
}

void TGradientTrackBar::mousePressEvent(QMouseEvent *event)
{
    // A press beside the thumb leaves it where it is: the slider moves only
    // by dragging its thumb.
    if (insideThumb(event)) {
        m_thumbState = ThumbState::down;
    }
    update();
    emit mouseDown(this, event);
}

void TGradientTrackBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_thumbState != ThumbState::down) {
        m_thumbState = insideThumb(event) ? ThumbState::over : ThumbState::normal;
    } else {
        const QPointF at = event->position();
        m_position = trackGeometry()
                             .drag(static_cast<int>(std::floor(at.x())),
                                     static_cast<int>(std::floor(at.y())), m_min, m_max, m_position)
                             .position;
        emit changed(this);
    }
    update();
}

void TGradientTrackBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_thumbState = insideThumb(event) ? ThumbState::over : ThumbState::normal;
    update();
    emit mouseUp(this, event);
}

void TGradientTrackBar::enterEvent(QEnterEvent *event)
{
    update();
    QWidget::enterEvent(event);
}

void TGradientTrackBar::leaveEvent(QEvent *event)
{
    if (m_thumbState != ThumbState::down) {
        m_thumbState = ThumbState::normal;
    }
    update();
    QWidget::leaveEvent(event);
}

void TGradientTrackBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A disabled slider receives no release, so a drag cut off here would
        // otherwise resume with the next plain move once it is enabled again.
        if (!isEnabled()) {
            m_thumbState = ThumbState::normal;
        }
        update();
    }
    QWidget::changeEvent(event);
}
