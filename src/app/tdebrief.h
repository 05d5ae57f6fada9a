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
class TPlotChart;

/// "Разбор": how a drill went. Each objective passed or failed with its
/// value, the figures, the depth and the PPO2 over the dive, and a button
/// that saves the debrief as text. Closing it in any way finishes it.
class TDebrief : public QDialog
{
    Q_OBJECT

public:
    explicit TDebrief(QWidget *parent = nullptr);

    /// Shows \a debrief; \a objectives are the drill's, in the same order as
    /// the debrief's results (their limits word the goal).
    void showDebrief(const Debrief &debrief, const std::vector<Objective> &objectives);
    const Debrief &debrief() const { return m_debrief; }

    /// Writes the debrief's text to \a path as one replacement; a failure is
    /// reported in the interface's language and false returned.
    bool saveText(const std::filesystem::path &path);
    /// Where a failure to save goes; by default a message box over the window.
    void setErrorSink(std::function<void(const QString &)> sink);

protected:
    void changeEvent(QEvent *event) override;

private:
    void saveClicked();
    void translate();

    Debrief m_debrief;
    std::function<void(const QString &)> m_errorSink;
    QLabel *m_heading = nullptr;
    QLabel *m_ending = nullptr;
    QGridLayout *m_objectives = nullptr;
    std::vector<QLabel *> m_figureValues;
    TPlotChart *m_depthChart = nullptr;
    TPlotChart *m_ppo2Chart = nullptr;
    QGroupBox *m_goals = nullptr;
    QGroupBox *m_figures = nullptr;
    std::vector<QLabel *> m_figureNames;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
    std::vector<Objective> m_shownObjectives;
    bool m_shown = false;
};
