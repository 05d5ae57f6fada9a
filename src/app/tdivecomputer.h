#pragma once

#include "engine/divecomputer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class TDiveComputerSettings;

/// "Дайв-компьютер": oxygen exposure, GF99 and the surface GF, the oxygen
/// cells with their vote and the diluent's PPO2 to check them against, what
/// the diver breathes and the bailout cylinders on the left; the live
/// no-decompression time ("ДЕКО" while the plan has stops) and the ascent
/// plan at its gradient factors on the right. Below them the bailout plan
/// ("bail out now"): its time to the surface and, per gas, what it needs and
/// what the cylinder holds, red where that is not enough, on the left, its
/// stops on the right. On a bailout gas the ascent plan above is the bailout
/// plan. Every stop of both plans in a list that scrolls; the warnings and a
/// status line across the bottom, the status wrapped, its whole text in its
/// tooltip. A tool window beside the main window that never takes the focus
/// from it; its "GF" button opens its settings.
class TDiveComputer : public QWidget
{
    Q_OBJECT

public:
    /// \a simulation is read after every handler of the main window; the
    /// settings change its gradient factors.
    TDiveComputer(Simulation &simulation, QWidget *mainWindow);

    /// The main window has shown a handler's result: the exposure follows at
    /// once; the costly outlook at most four times a second, and at once when
    /// the dive stops running.
    void simulationChanged();
    /// Recomputes everything now (a pause, a window being opened).
    void refreshNow();

    /// Places the window against the main window's right edge.
    void placeBesideMainWindow();

    /// The drill line of the status: a drill's name and its latest note.
    void setDrillStatus(const QString &text);

    /// "Настройки дайв-компьютера…": opens the settings over the main
    /// window; a pair taken with OK applies at once and the outlook is
    /// recomputed.
    void openSettings();
    TDiveComputerSettings &settings() const { return *m_settings; }

    const ExposureView &exposure() const { return m_exposure; }
    const CellsView &cells() const { return m_cells; }
    const OutlookView &outlook() const { return m_outlook; }
    const BreathingView &breathing() const { return m_breathing; }

signals:
    /// The user closed the window with its frame's button.
    void closedByUser();
    /// The settings were taken with a pair other than the one in force.
    void gradientFactorsChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *readout(const char *caption, int x, int y, int width, int height);
    /// A list of stops named \a name under \a caption, \a height high with
    /// its title, in a scroll area named \a name + "Area": it scrolls when the
    /// stops do not fit.
    QLabel *stopList(const char *name, const char *caption, int x, int y, int height);
    void translate();
    void showExposure(const ExposureView &view);
    void showCells(const CellsView &view);
    void showBreathing(const BreathingView &view);
    void showBailoutPlan(const BailoutOutlook &plan);
    void showWarnings();
    void showOutlook(const OutlookView &view);
    void updateOutlook();
    void updateStatus();
    void showNoStop();
    void showGradientFactors();
    void settingsTaken();

    Simulation &m_simulation;
    QWidget *m_mainWindow;
    QLabel *m_cns = nullptr;
    QLabel *m_otu = nullptr;
    QLabel *m_gf99 = nullptr;
    QLabel *m_surfaceGf = nullptr;
    QPushButton *m_gradientFactors = nullptr; ///< "GF 50/80"
    TDiveComputerSettings *m_settings = nullptr;
    QLabel *m_noDeco = nullptr;
    QLabel *m_tts = nullptr;
    QLabel *m_firstStop = nullptr;
    QLabel *m_stops = nullptr;
    std::array<QLabel *, 3> m_cellReadings {};
    QLabel *m_voted = nullptr;
    QLabel *m_diluentPpo2 = nullptr;
    QLabel *m_breathingNow = nullptr;
    std::array<QLabel *, 2> m_cylinderCaptions {};
    std::array<QLabel *, 2> m_cylinders {};
    QLabel *m_bailoutTts = nullptr;
    QLabel *m_bailoutStops = nullptr;
    std::array<QLabel *, 2> m_needCaptions {};
    std::array<QLabel *, 2> m_needs {};
    QLabel *m_warnings = nullptr;
    QLabel *m_status = nullptr;
    std::vector<std::pair<QLabel *, const char *>> m_titles; ///< and their Russian texts
    ExposureView m_exposure;
    CellsView m_cells;
    OutlookView m_outlook;
    BreathingView m_breathing;
    QString m_drillStatus;
    RunState m_lastRun = RunState::Idle;
    bool m_outlookStale = true;
    QElapsedTimer m_sinceOutlook;
    QTimer m_outlookLater;
};
