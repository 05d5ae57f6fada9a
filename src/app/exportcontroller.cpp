#include "exportcontroller.h"

#include "controls/qtext.h"
#include "export/csvwriter.h"
#include "export/uddfwriter.h"
#include "language.h"
#include "tform1.h"
#include "util/atomicfile.h"
#include "writefailure.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include <utility>

namespace {

// A UDDF date and time: local time with the offset it has from UTC, whole
// seconds, as a diver's own log shows it ("2026-12-06T23:50:00+03:00").
std::string isoLocal(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

} // namespace

DiveFileFormat diveFileFormat(const QString &path, const QString &nameFilter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return DiveFileFormat::csv;
    if (suffix == QLatin1String("uddf"))
        return DiveFileFormat::uddf;
    return nameFilter.contains(QLatin1String("*.csv")) ? DiveFileFormat::csv : DiveFileFormat::uddf;
}

ExportController::ExportController(TForm1 &form)
    : QObject(&form), m_form(form), m_clock([] { return QDateTime::currentDateTime(); })
{
    const MainMenu &menu = form.menu();
    m_action = new QAction(this);
    m_action->setObjectName(QStringLiteral("actionExportDive"));
    m_action->setEnabled(false);
    // Above the separator that sets "Выход" apart, with the other file
    // commands; the separator is added when nothing has put one there yet.
    const QList<QAction *> items = menu.file->actions();
    const qsizetype exitAt = items.indexOf(menu.exit);
    QAction *before = exitAt > 0 && items[exitAt - 1]->isSeparator()
            ? items[exitAt - 1]
            : menu.file->insertSeparator(menu.exit);
    menu.file->insertAction(before, m_action);
    whenLanguageChanges(menu.file, [a = m_action] { a->setText(tr("&Экспорт погружения…")); });

    connect(m_action, &QAction::triggered, this, &ExportController::chooseAndExport);
    connect(&form, &TForm1::diveStarted, this, &ExportController::diveStarted);
    connect(&form, &TForm1::ticked, this,
            [this](bool completed) { m_log.afterTick(m_form.simulation(), completed); });
}

void ExportController::diveStarted()
{
    m_diveStart = m_clock();
    m_log.start(m_form.simulation());
    m_action->setEnabled(m_log.holdsDive());
}

bool ExportController::exportTo(const QString &path, DiveFileFormat format)
{
    if (!m_log.holdsDive())
        return false;
    // The equipment and the gases named in the interface's language.
    const UddfNames names {tr("Ребризер Loopwright").toStdString(),
            tr("Датчик O2 %1").toStdString(), tr("Дилюент").toStdString(),
            tr("Кислород").toStdString(), tr("Байлаут %1").toStdString()};
    const std::string bytes = format == DiveFileFormat::csv
            ? diveCsv(m_log.record())
            : uddfDocument(
                    m_log.record(), UddfTimes {isoLocal(m_diveStart), isoLocal(m_clock())}, names);
    try {
        writeFileAtomically(onDisk(path), bytes);
    } catch (const FileWriteError &e) {
        m_form.reportError(tr("Не удалось сохранить погружение в файл «%1»: %2.")
                                   .arg(QDir::toNativeSeparators(path), writeFailureReason(e)));
        return false;
    }
    return true;
}

QString ExportController::startFolder() const
{
    const QString last = fromUtf8(m_form.exportFolder());
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    // A documents folder that was never made would open the dialog in
    // whatever folder the program was started from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void ExportController::chooseAndExport()
{
    // Without an extension: the type chosen in the dialog adds its own.
    const QString name =
            tr("погружение-%1").arg(m_diveStart.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QFileDialog dialog(&m_form, tr("Экспорт погружения"), QDir(startFolder()).filePath(name));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("UDDF — для программ-логбуков (*.uddf)"),
            tr("CSV — для электронных таблиц (*.csv)")});
    // A name typed without an extension gets the chosen type's, before the
    // dialog asks about replacing a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("uddf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        const bool csv = diveFileFormat(QString(), filter) == DiveFileFormat::csv;
        dialog.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("uddf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_form.setExportFolder(QFileInfo(path).absolutePath().toStdString());
    exportTo(path, diveFileFormat(path, dialog.selectedNameFilter()));
}
