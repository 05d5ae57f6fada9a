#pragma once

#include "drills/debrief.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class TPlotChart;

/// "Разбор": how a drill went. Each objective passed or failed with its
/// value, the figures, the depth and the PPO2 over the dive, the reaction
/// time, the times drawn for the drill's events, the log of what the drill
/// and the trainee did, and a button that saves it all as text, in the
/// interface's language. Closing it in any way finishes it.
class TDebrief : public QDialog
{
    Q_OBJECT

public:
    explicit TDebrief(QWidget *parent = nullptr);

    void showDebrief(const Debrief &debrief);
    const Debrief &debrief() const { return m_debrief; }

    /// The debrief as plain text, in the interface's language: what the
    /// window shows, objectives worded as it words them.
    QString debriefText() const;
    /// Writes debriefText() to \a path as one replacement; a failure is
    /// reported in the interface's language and false returned.
    bool saveText(const std::filesystem::path &path);
    /// Where a failure to save goes; by default a message box over the window.
    void setErrorSink(std::function<void(const QString &)> sink);

    /// A dive time as the log shows it: whole minutes, then seconds ("9:33").
    static QString diveClock(std::int64_t diveTimeMs);

protected:
    void changeEvent(QEvent *event) override;

private:
    void saveClicked();
    void translate();
    void showCharts();

    Debrief m_debrief;
    std::function<void(const QString &)> m_errorSink;
    QLabel *m_heading = nullptr;
    QLabel *m_ending = nullptr;
    QLabel *m_reaction = nullptr;
    QGridLayout *m_objectives = nullptr;
    std::vector<QLabel *> m_figureValues;
    std::vector<QLabel *> m_figureNames;
    TPlotChart *m_depthChart = nullptr;
    TPlotChart *m_ppo2Chart = nullptr;
    QGroupBox *m_goals = nullptr;
    QGroupBox *m_figures = nullptr;
    QGroupBox *m_logBox = nullptr;
    QTreeWidget *m_log = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
    bool m_shown = false;
};
