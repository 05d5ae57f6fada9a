#pragma once

#include "controlmodel/trackbargeometry.h"

#include <QColor>
#include <QWidget>

#include <array>

class QMouseEvent;

/// Colour preset of a slider. csCustom keeps whatever colours were set one by one.
enum class ColorScheme { csCustom, csDesert, csGrass, csSilver, csSky, csRose, csSun };

/// The colour properties of a slider.
enum class TrackBarColor {
    BackColor,
    TickColor,
    DisabledTickColor,
    SlideBorderColor,
    SlideFaceColor,
    SlideGradColor,
    DisabledSlideBorderColor,
    DisabledSlideFaceColor,
    DisabledSlideGradColor,
    ThumbBorderColor,
    ThumbFaceColor,
    ThumbGradColor,
    OverThumbBorderColor,
    OverThumbFaceColor,
    OverThumbGradColor,
    DownThumbBorderColor,
    DownThumbFaceColor,
    DownThumbGradColor,
    DisabledThumbBorderColor,
    DisabledThumbFaceColor,
    DisabledThumbGradColor,
};

inline constexpr int kTrackBarColorCount =
        static_cast<int>(TrackBarColor::DisabledThumbGradColor) + 1;

/// A self-drawn slider: a gradient-filled slide with a gradient-filled thumb
/// dragged with the mouse, optional tick marks, and separate thumb colours at
/// rest, under the mouse, while pressed and when disabled.
///
/// Change notification: the signal changed() is emitted, synchronously, by
/// every setPosition() (also when the value stays the same) and by every
/// mouse move while the thumb is dragged; setMin() and setMax() do not emit it
/// even when they move the Position. Connect the change reaction with a
/// direct connection; a QSignalBlocker silences it for a programmatic set.
///
/// Every setter updates the stored state at once (position(), thumbOffset()
/// and thumbState() already tell the new values on return) and schedules a
/// repaint; painting only draws that state.
class TGradientTrackBar : public QWidget
{
    Q_OBJECT

public:
    /// State of the thumb: at rest, under the pointer, or pressed (dragging).
    enum class ThumbState { normal, over, down };

    /// Constructs a 100 x 28 horizontal slider, range 0..10, Position 0,
    /// Frequency 1, no ticks, smooth corners, colour scheme csDesert.
    explicit TGradientTrackBar(QWidget *parent = nullptr);

    /// Current value, Min <= Position <= Max.
    int position() const { return m_position; }
    /// Clamps \a value to [Min, Max], stores it, moves the thumb and repaints;
    /// then emits changed(), even when the value did not change.
    void setPosition(int value);

    int min() const { return m_min; }
    /// Stores the lower end; raises the Position to it if it was lower. Does not
    /// emit changed().
    void setMin(int value);
    int max() const { return m_max; }
    /// Stores the upper end; lowers the Position to it if it was higher. Does
    /// not emit changed().
    void setMax(int value);

    /// Tick every Frequency steps with tsAuto; 0 ticks every step.
    int frequency() const { return m_frequency; }
    void setFrequency(int value);
    TickStyle tickStyle() const { return m_tickStyle; }
    void setTickStyle(TickStyle value);
    TickMarks tickMarks() const { return m_tickMarks; }
    void setTickMarks(TickMarks value);
    TrackBarOrientation orientation() const { return m_orientation; }
    /// Changes the direction; the Position is kept and the thumb placed for it.
    void setOrientation(TrackBarOrientation value);
    /// Whether the four corner pixels of slide and thumb take the BackColor.
    bool smoothCorners() const { return m_smoothCorners; }
    void setSmoothCorners(bool value);

    ColorScheme colorScheme() const { return m_colorScheme; }
    /// Stores the scheme; any scheme but csCustom overwrites every colour,
    /// BackColor with the application palette's button colour.
    void setColorScheme(ColorScheme value);

    QColor color(TrackBarColor which) const { return m_colors[index(which)]; }
    /// Stores one colour and switches the scheme to csCustom.
    void setColor(TrackBarColor which, const QColor &value);

    ThumbState thumbState() const { return m_thumbState; }
    /// Pixels from the start of the track to the thumb, 0..trackGeometry().trackLength().
    int thumbOffset() const;
    /// The pixel maths for the current size and orientation.
    TrackBarGeometry trackGeometry() const;

signals:
    /// The Position was set or dragged; see the class comment.
    void changed(TGradientTrackBar *slider);
    /// A mouse button went down on the slider, after the slider handled it.
    void mouseDown(TGradientTrackBar *slider, QMouseEvent *event);
    /// A mouse button went up, after the slider handled it.
    void mouseUp(TGradientTrackBar *slider, QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int index(TrackBarColor c) { return static_cast<int>(c); }
    // Re-reads the Position from the thumb where the orientation asks for it
    // (see TrackBarGeometry::place) after the size, range or value changed.
    void placeThumb();
    bool insideThumb(const QMouseEvent *event) const;

    int m_position = 0;
    int m_min = 0;
    int m_max = 10;
    int m_frequency = 1;
    TickStyle m_tickStyle = TickStyle::tsNone;
    TickMarks m_tickMarks = TickMarks::tmBottomRight;
    TrackBarOrientation m_orientation = TrackBarOrientation::trHorizontal;
    bool m_smoothCorners = true;
    ColorScheme m_colorScheme = ColorScheme::csDesert;
    std::array<QColor, kTrackBarColorCount> m_colors {};
    ThumbState m_thumbState = ThumbState::normal;
};
