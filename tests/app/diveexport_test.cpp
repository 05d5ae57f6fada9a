// Exporting a dive flown in the main window: the menu item and its dialog,
// both files holding that dive, and a file that cannot be written.

#include "appwindow.h"
#include "export/csvwriter.h"
#include "exportcheck.h"
#include "modaldriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <ctime>

#include <sys/stat.h>

namespace {

struct WindowExport : AppWindow
{
    ExportController &exporter = program.diveExport;
    TempFolder folder;

    QString file(const char *name) const
    {
        return QString::fromStdString((folder.path() / name).string());
    }
};

TEST_F(WindowExport, TheMenuItemWaitsForADiveAndItsDialogWritesTheChosenType)
{
    const QList<QAction *> items = form.menu().file->actions();
    const qsizetype exitAt = items.indexOf(form.menu().exit);
    EXPECT_LT(items.indexOf(exporter.action()), exitAt);
    EXPECT_TRUE(items.value(exitAt - 1)->isSeparator());
    EXPECT_FALSE(exporter.action()->isEnabled());
    form.buttonstartClick();
    EXPECT_TRUE(exporter.action()->isEnabled());

    // CSV chosen as the type, the name typed without an extension.
    form.setExportFolder(folder.path().string());
    QString startedIn;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        startedIn = dialog->directory().absolutePath();
        QTest::keyClick(dialog->findChild<QComboBox *>("fileTypeCombo"), Qt::Key_Down);
        dialog->selectFile(file("dive"));
        static_cast<QDialog *>(dialog)->accept(); // as "Save" does
    });
    exporter.action()->trigger();
    EXPECT_EQ(split(readBytes(folder.path() / "dive.csv"), '\n').front(), kDiveCsvHeader);
    EXPECT_EQ(startedIn.toStdString(), folder.path().string()) << "where the last export went";
    // An extension typed decides over the type chosen.
    EXPECT_EQ(diveFileFormat("a.csv/dive.UDDF", "CSV (*.csv)"), DiveFileFormat::uddf);
}

TEST_F(WindowExport, ADiveFlownInTheWindowIsExportedWholeEvenAfterReset)
{
    // Three hours ahead of UTC all year, and the zone before back at the end.
    const std::optional<QByteArray> zone =
            qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
    const auto restore = qScopeGuard([&] {
        zone ? qputenv("TZ", *zone) : qunsetenv("TZ");
        ::tzset();
    });
    qputenv("TZ", "MSK-3");
    ::tzset();
    QDateTime now(QDate(2026, 12, 6), QTime(23, 50));
    exporter.setClock([&] { return now; });
    FormControls &controls = form;
    controls.setText(Edit::tickMs, "1000");
    controls.setPosition(Slider::maxDepth, 30);
    controls.setChecked(Check::setpoint1Active, true);
    form.buttonstartClick();
    const SimulationState &s = program.state;
    std::vector<std::array<double, 3>> seen {{0, s.currentDepthM, s.loopPPO2}}; // s, m, PPO2
    for (int tick = 0; tick < 95; ++tick) {
        form.TimerPPO2Timer();
        const double seconds = double(s.simClockMs - kSimClockStartMs) / 1000;
        if (seconds >= seen.back()[0] + 10)
            seen.push_back({seconds, s.currentDepthM, s.loopPPO2});
    }
    form.Button4Click();
    form.Button2Click();
    now = now.addSecs(600);
    ASSERT_TRUE(exporter.exportTo(file("dive.csv"), DiveFileFormat::csv));
    ASSERT_TRUE(exporter.exportTo(file("dive.uddf"), DiveFileFormat::uddf));

    const std::vector<std::string> rows = split(readBytes(folder.path() / "dive.csv"), '\n');
    ASSERT_EQ(rows.size(), seen.size() + 2) << "the header, a row per sample, the last line end";
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const std::vector<std::string> c = split(rows[i + 1], ',');
        EXPECT_EQ((std::array {std::stod(c[0]), std::stod(c[1]), std::stod(c[2])}), seen[i]);
    }
    // Written at the export, dived at the dive button: local times with
    // their offset.
    const std::string uddf = readBytes(folder.path() / "dive.uddf");
    const std::size_t written = uddf.find("<datetime>") + 10;
    EXPECT_EQ(uddf.substr(written, 25), "2026-12-07T00:00:00+03:00");
    EXPECT_EQ(uddf.substr(uddf.find("<datetime>", written) + 10, 25), "2026-12-06T23:50:00+03:00");
    // In English the equipment and the gases are named in English.
    form.menu().english->trigger();
    ASSERT_TRUE(exporter.exportTo(file("dive-en.uddf"), DiveFileFormat::uddf));
    form.menu().russian->trigger();
    const std::string english = readBytes(folder.path() / "dive-en.uddf");
    for (const char *name :
            {"<name>O2 sensor 2</name>", "<name>Oxygen</name>", "<name>Bailout 2</name>"})
        EXPECT_NE(english.find(name), std::string::npos) << name;
    if (const std::string missing = uddfSchemaMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    EXPECT_EQ(uddfSchemaErrors(uddf, (folder.path() / "check").string()), "");
}

TEST_F(WindowExport, AFileThatCannotBeWrittenIsNamedAndKeptAsItWas)
{
    form.buttonstartClick();
    writeBytes(folder.path() / "dive.uddf", "old");
    std::filesystem::permissions(folder.path() / "dive.uddf", std::filesystem::perms::owner_read);
    EXPECT_FALSE(exporter.exportTo(file("dive.uddf"), DiveFileFormat::uddf));
    EXPECT_EQ(messages,
            QStringList {"Не удалось сохранить погружение в файл «" + file("dive.uddf")
                    + "»: нет прав на запись."});
    EXPECT_EQ(readBytes(folder.path() / "dive.uddf"), "old");

    // A pipe where the file should be is refused as it stands, not written.
    messages.clear();
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.csv").c_str(), 0644), 0);
    EXPECT_FALSE(exporter.exportTo(file("pipe.csv"), DiveFileFormat::csv));
    EXPECT_EQ(messages,
            QStringList {"Не удалось сохранить погружение в файл «" + file("pipe.csv")
                    + "»: это не обычный файл (устройство, канал или сокет)."});
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path() / "pipe.csv"));
}

} // namespace
