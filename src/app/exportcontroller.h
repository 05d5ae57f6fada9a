#pragma once

#include "export/divelog.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class TForm1;

/// The two kinds of file a dive is exported to.
enum class DiveFileFormat { uddf, csv };

/// The format for \a path: its extension when that names one of the
/// formats (what the user typed wins), else the save dialog's \a nameFilter.
DiveFileFormat diveFileFormat(const QString &path, const QString &nameFilter);

/// "Файл → Экспорт погружения…": keeps the program's one dive log, fed by the
/// main window's start and ticks (reset leaves it, so the last dive can be
/// exported afterwards), and writes it as UDDF or CSV.
class ExportController : public QObject
{
    Q_OBJECT

public:
    /// Puts the menu item into \a form's file menu, before "Выход".
    explicit ExportController(TForm1 &form);

    /// Where the local date and time come from (tests fix them).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    const DiveLog &log() const { return m_log; }
    QAction *action() const { return m_action; }

    /// Writes the logged dive to \a path in one replacement; a failure is
    /// reported through the main window, naming the file, and false returned.
    bool exportTo(const QString &path, DiveFileFormat format);

    /// The menu item: asks for the file, starting in the folder of the last
    /// export (kept over runs in the settings file), then exports to it.
    void chooseAndExport();
    /// Where the dialog starts: the last export's folder while it exists,
    /// else the documents folder, else the home folder.
    QString startFolder() const;

private:
    void diveStarted();

    TForm1 &m_form;
    DiveLog m_log;
    QDateTime m_diveStart; ///< local time at the dive button
    QAction *m_action = nullptr;
    std::function<QDateTime()> m_clock;
};
