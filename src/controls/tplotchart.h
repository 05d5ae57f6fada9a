#pragma once

#include "controlmodel/chartlayout.h"
#include "controlmodel/tplotseries.h"
#include "controls/barpatterns.h"
#include "controls/fonttextmeasurer.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

/// A self-drawn XY chart: series drawn as poly-lines, smooth B-splines or
/// bars with point markers, on evenly stepped axes with grid, optional title
/// and legend. The chart owns its series.
///
/// The chart has a single-pixel border; its client area (clientArea()) is
/// what the layout, the mouse signals and ClientToValue measure in, and is
/// the parent for labels placed over the chart.
///
/// Every change lays out and repaints at once unless it happens between
/// BeginUpdate and EndUpdate.
class TPlotChart : public QFrame, private SeriesOwner
{
    Q_OBJECT

public:
    explicit TPlotChart(QWidget *parent = nullptr);
    ~TPlotChart() override;

    /// Creates a series of \a kind, appends it and returns it (owned by the
    /// chart). Nothing is laid out until the next change.
    TPlotSeries *AddSeries(SeriesKind kind);
    int seriesCount() const { return int(m_series.size()); }
    /// Series \a index in list order, 0 <= index < seriesCount().
    TPlotSeries *series(int index) const { return m_series.at(std::size_t(index)).get(); }
    /// Removes every series and their ticks and mapping, also inside
    /// BeginUpdate; repaints unless inside it.
    void Clear();
    /// Suppresses layout and painting until EndUpdate (not counted).
    void BeginUpdate();
    /// Lays out for the current client size and repaints.
    void EndUpdate();

    /// Data values under client pixel (x, y). False, outputs untouched, when
    /// the pixel is outside the plot area (right and bottom edges outside) or
    /// there is no data to map.
    bool ClientToValue(int x, int y, double &valueX, double &valueY) const;

    bool ShowLegend() const { return m_options.showLegend; }
    void SetShowLegend(bool on);
    bool ShowTitle() const { return m_options.showTitle; }
    void SetShowTitle(bool on);
    /// Grid switches only repaint: they do not move anything.
    bool ShowXGrid() const { return m_showXGrid; }
    void SetShowXGrid(bool on);
    bool ShowYGrid() const { return m_showYGrid; }
    void SetShowYGrid(bool on);
    QString Title() const { return m_title; }
    void SetTitle(const QString &title);
    QFont TitleFont() const { return m_titleFont; }
    void SetTitleFont(const QFont &font);
    QString AxisXTitle() const { return m_axisXTitle; }
    void SetAxisXTitle(const QString &title);
    QString AxisYTitle() const { return m_axisYTitle; }
    void SetAxisYTitle(const QString &title);
    /// One x tick per distinct x value. A Bar series turns it on for good.
    bool AxisXOnePerValue() const { return m_options.axisXOnePerValue; }
    void SetAxisXOnePerValue(bool on);
    /// Tick labels show value / scale; a scale of 0 is stored as 1.
    float AxisXScale() const { return m_options.axisXScale; }
    void SetAxisXScale(float scale);
    float AxisYScale() const { return m_options.axisYScale; }
    void SetAxisYScale(float scale);
    /// Steps of 1, 2 or 5 times a power of ten on both axes (see ChartOptions).
    void SetRoundSteps(bool on);
    /// Values the y axis reaches at least besides the data's; NaN for none.
    void SetAxisYCovers(double low, double high);
    /// All series black, bars filled with patterns.
    bool Monochrome() const { return m_monochrome; }
    void SetMonochrome(bool on);
    /// Pastel colour table.
    bool SoftColors() const { return m_softColors; }
    void SetSoftColors(bool on);

    /// Colour of the series at list position \a index under the current
    /// Monochrome / SoftColors settings.
    QColor seriesColor(int index) const;

    /// The widget that shows the chart inside the border; client coordinates.
    QWidget *clientArea() const { return m_client; }
    /// Geometry of the last layout.
    const ChartLayout &layout() const { return m_layout; }

    /// Paints the whole client area from the stored layout.
    void paintClient(QPainter &painter);

signals:
    /// Pointer moves, presses and releases over the client area, in client pixels.
    void mouseMoved(int x, int y);
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void seriesChanged() override;
    void relayoutAndRedraw();
    void layoutNow();
    void rebuildMeasurer();
    void paintLegend(QPainter &painter);
    void paintXAxis(QPainter &painter);
    void paintYAxis(QPainter &painter);
    void paintSeries(QPainter &painter, int index);
    void paintMarker(QPainter &painter, int shape, int x, int y, int size);
    void applySeriesStyle(QPainter &painter, int index);

    ChartOptions m_options;
    bool m_showXGrid = true;
    bool m_showYGrid = true;
    bool m_monochrome = false;
    bool m_softColors = false;
    QString m_title;
    QString m_axisXTitle;
    QString m_axisYTitle;
    QFont m_titleFont;
    QFont m_normalFont;
    std::unique_ptr<FontTextMeasurer> m_measurer;
    std::vector<std::unique_ptr<TPlotSeries>> m_series;
    ChartLayout m_layout;
    BarPatterns m_patterns;
    bool m_updating = false;
    QWidget *m_client = nullptr;
};
