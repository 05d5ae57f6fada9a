// Exporting a dive flown in the main window: the menu item and its dialog,
// both files holding that dive, and a file that cannot be written.

#include "app/loopwrightapp.h"
#include "controls/tgradienttrackbar.h"
#include "export/csvwriter.h"
#include "tempfolder.h"
#include "uddfschema.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <array>

#include <gtest/gtest.h>

namespace {

struct WindowExport : testing::Test
{
    LoopwrightApp program {std::nullopt};
    TForm1 &form = program.form;
    ExportController &exporter = program.diveExport;
    QStringList messages;
    TempFolder folder;

    void SetUp() override
    {
        form.setErrorSink([this](const QString &m) { messages << m; });
        program.startUp();
    }
    QString file(const char *name) const
    {
        return QString::fromStdString((folder.path() / name).string());
    }
};

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
            from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

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
    QTimer::singleShot(0, &form, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->findChild<QComboBox *>("fileTypeCombo"), Qt::Key_Down);
        dialog->selectFile(file("dive"));
        static_cast<QDialog *>(dialog)->accept(); // as "Save" does
    });
    exporter.action()->trigger();
    EXPECT_EQ(split(readBytes(folder.path() / "dive.csv"), "\r\n").front(), kDiveCsvHeader);
}

TEST_F(WindowExport, ADiveFlownInTheWindowIsExportedWholeEvenAfterReset)
{
    qputenv("TZ", "MSK-3"); // three hours ahead of UTC all year
    QDateTime now(QDate(2026, 12, 6), QTime(23, 50));
    exporter.setClock([&] { return now; });
    form.edit(Edit::tickMs)->setText("1000");
    form.slider(Slider::maxDepth)->setPosition(30);
    form.check(Check::setpoint1Active)->setChecked(true);
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
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();

    const std::vector<std::string> rows = split(readBytes(folder.path() / "dive.csv"), "\r\n");
    ASSERT_EQ(rows.size(), seen.size() + 2) << "the header, a row per sample, the last line end";
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const std::vector<std::string> cells = split(rows[i + 1], ",");
        EXPECT_EQ(std::stod(cells[0]), seen[i][0]) << rows[i + 1];
        EXPECT_EQ(std::stod(cells[1]), seen[i][1]) << rows[i + 1];
        EXPECT_EQ(std::stod(cells[2]), seen[i][2]) << rows[i + 1];
    }
    // Written at the export, dived at the dive button: local times with
    // their offset.
    const std::string uddf = readBytes(folder.path() / "dive.uddf");
    const std::vector<std::string> times = split(uddf, "<datetime>");
    ASSERT_EQ(times.size(), 3);
    EXPECT_EQ(times[1].substr(0, 25), "2026-12-07T00:00:00+03:00");
    EXPECT_EQ(times[2].substr(0, 25), "2026-12-06T23:50:00+03:00");
    EXPECT_EQ(split(uddf, "<waypoint>").size(), seen.size() + 1);
    if (const std::string missing = uddfSchemaMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    EXPECT_EQ(uddfSchemaErrors(uddf, (folder.path() / "check").string()), "");
}

TEST_F(WindowExport, AFileThatCannotBeWrittenIsNamedAndKeptAsItWas)
{
    form.buttonstartClick();
    const std::filesystem::path target = folder.path() / "dive.uddf";
    writeBytes(target, "old");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    EXPECT_FALSE(exporter.exportTo(file("dive.uddf"), DiveFileFormat::uddf));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
            "Не удалось сохранить погружение в файл «" + file("dive.uddf")
                    + "»: нет прав на запись.");
    EXPECT_EQ(readBytes(target), "old");
}

TEST(DiveFileFormat, TheTypedExtensionWinsOverTheChosenType)
{
    EXPECT_EQ(diveFileFormat("a/dive.CSV", "UDDF (*.uddf)"), DiveFileFormat::csv);
    EXPECT_EQ(diveFileFormat("a/dive.uddf", "CSV (*.csv)"), DiveFileFormat::uddf);
    EXPECT_EQ(diveFileFormat("a.uddf/dive", "CSV (*.csv)"), DiveFileFormat::csv);
    EXPECT_EQ(diveFileFormat("a.csv/dive.txt", "UDDF (*.uddf)"), DiveFileFormat::uddf);
}

} // namespace
