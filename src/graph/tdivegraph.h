#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class DiveHistory;
class QLabel;
class QShowEvent;
class QWheelEvent;
class TPlotChart;

/// The dive graph window: depth and safe ascent depth (upper chart) and loop
/// PPO2 (lower chart) against dive minutes, with mouse readouts and wheel
/// resizing. Shown modally while the simulation is paused; it reads the
/// history each time it is shown and drops the curves when it closes.
class TDiveGraph : public QDialog
{
    Q_OBJECT

public:
    /// What a readout pair shows and where: texts and left edges in the
    /// chart's client pixels (both labels sit at the same top).
    struct Readout
    {
        QString time;
        QString value;
        int timeLeft = 0;
        int valueLeft = 0;
        int top = 0;
    };

    /// \a history must outlive the window.
    explicit TDiveGraph(const DiveHistory &history, QWidget *parent = nullptr);

    /// Readout of the upper chart for pointer x (client pixels) and the
    /// values under it (\a inside false: pointer outside the plot).
    static Readout depthReadout(int x, bool inside, double minutes, double chartValue);
    /// Readout of the lower chart.
    static Readout ppo2Readout(int x, bool inside, double minutes, double ppo2);

    /// Fills both charts from the history.
    void FormShow();
    /// Removes every curve and sets the modal result to 1.
    void FormClose();
    /// Pointer moves over the charts, in client pixels.
    void ChartMouseMove(int x, int y);
    void Chart1MouseMove(int x, int y);
    /// One wheel notch: the whole window 20 pixels smaller or larger, but
    /// never below half its design size each way nor beyond the screen's
    /// available area (such a notch does nothing).
    void FormMouseWheelUp();
    void FormMouseWheelDown();

    /// Every way of closing (close box, Escape, done) clears the charts.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void translate();
    using ReadoutFor = Readout (*)(int x, bool inside, double minutes, double value);
    /// Shows \a chart's readout for the pointer at (\a x, \a y) in its two labels.
    void showReadout(TPlotChart &chart, ReadoutFor readoutFor, QLabel *timeLabel,
            QLabel *valueLabel, int x, int y);
    /// False, nothing changed, when the new size is outside the limits.
    bool resizeBy(int delta);

    const DiveHistory &m_history;
    TPlotChart *m_chart = nullptr;
    TPlotChart *m_chart1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_label3 = nullptr; ///< the key to the safe depth's line
    QLabel *m_label4 = nullptr; ///< the key to the depth's line
    std::int64_t m_wheelRemainder = 0; // one event's angle plus less than a notch
};
