// The settings file as the program uses it: start-up, closing and the named
// presets, on the real windows over a file in a temporary folder.

#include "app/loopwrightapp.h"
#include "profile/settingsfile.h"
#include "tempfolder.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Settings : testing::Test
{
    TempFolder folder;
    fs::path file = folder.path() / "config.ini";
    std::unique_ptr<LoopwrightApp> program;
    QStringList messages;
    QStringList questions;
    bool closeWithoutSaving = false;

    // Starts the program afresh, as after closing it.
    TForm1 &start()
    {
        program.reset();
        program = std::make_unique<LoopwrightApp>(file);
        form().setErrorSink([this](const QString &m) { messages << m; });
        form().setCloseQuestion([this](const QString &m) {
            questions << m;
            return closeWithoutSaving;
        });
        program->startUp();
        form().show();
        return form();
    }
    TForm1 &form() const { return program->form; }
    QString text(Edit e) const { return form().edit(e)->text(); }
    bool checked(Check b) const { return form().check(b)->isChecked(); }
    QLineEdit *detail(int i) const { return program->details.field(i); }
    QRadioButton *radio(int i) const
    {
        return form().findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(i + 2));
    }
    int checkedType() const
    {
        int type = -1;
        for (int i = 3; i >= 0; --i)
            type = radio(i)->isChecked() ? i : type;
        return type;
    }
    QListWidget *list() const { return form().findChild<QListWidget *>("ListBox1"); }
    QStringList names() const
    {
        QStringList n;
        for (int i = 0; i < list()->count(); ++i)
            n << list()->item(i)->text();
        return n;
    }
    void saveAs(const QString &name) const
    {
        form().edit(Edit::presetName)->setText(name);
        form().Button6Click();
    }
    void load(int row) const
    {
        list()->setCurrentRow(row);
        form().Button8Click();
    }
    void expectAllUnchecked() const
    {
        EXPECT_EQ(checkedType(), -1);
        for (const CheckInfo &c : kChecks)
            EXPECT_FALSE(checked(c.check)) << c.control;
    }
};

// With no file the window comes as "Дефолт" and then "eCCR" leave it, so that
// a dive can start at once; the loaded empty texts and the loop details'
// derivation come first.
TEST_F(Settings, FirstStartIsReadyToDive)
{
    start();
    EXPECT_EQ(text(Edit::minLoopVolume), "5,5");
    EXPECT_EQ(text(Edit::maxLoopVolume), "11");
    EXPECT_EQ(text(Edit::tickMs), "100");
    EXPECT_EQ(text(Edit::dilConstantFlow), "0");
    EXPECT_EQ(text(Edit::presetName), "");
    EXPECT_EQ(checkedType(), 0);
    EXPECT_TRUE(checked(Check::setpoint1Active));
    EXPECT_FALSE(form().edit(Edit::dilConstantFlow)->isEnabled());
    EXPECT_FALSE(checked(Check::opvLamp)) << "the lamps are out";
    EXPECT_EQ(list()->count(), 0);
    form().buttonstartClick();
    for (int i = 0; i < 3; ++i)
        form().TimerPPO2Timer();
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(fs::exists(file));
}

// Qt on X11 appends a display name, once set, to every window's caption.
TEST(Identity, CaptionsCarryNoProgramName)
{
    LoopwrightApp::nameApplication();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe") << "no display name of its own";
    EXPECT_EQ(QGuiApplication::desktopFileName(), "loopwright");
}

TEST_F(Settings, ReadsAFileTypedByHand)
{
    writeBytes(file,
            "; typed by hand\n[tedit]\nEdit3=25\nEdit19=5\nEdit1=77\n"
            "[tradiobutton]\nRadioButton4=1\n"
            "[tcheckbox]\nCheckBox1=2\nCheckBox2=yes\nCheckBox3=0\nCheckBox8=1\nCheckBox6=1\n"
            "[listboxvalue]\nB=\nA=\n");
    start();
    EXPECT_EQ(text(Edit::descentRate), "25");
    EXPECT_EQ(text(Edit::o2ConstantFlow), "") << "absent from the file";
    EXPECT_EQ(text(Edit::maxLoopVolume), "14") << "the loop details derive it after loading";
    // O2 CCR is applied after the texts and before the check states.
    EXPECT_EQ(checkedType(), 2);
    EXPECT_EQ(text(Edit::dilConstantFlow), "0");
    EXPECT_FALSE(form().edit(Edit::dilO2Percent)->isEnabled());
    EXPECT_FALSE(checked(Check::advOnOxygen));
    EXPECT_FALSE(program->state.dilBypassAvailable);
    EXPECT_TRUE(checked(Check::o2SolenoidStuck));
    EXPECT_FALSE(checked(Check::dilSolenoidStuck));
    // CheckBox8 is set after CheckBox6 and unchecks it, whatever the file's order.
    EXPECT_FALSE(checked(Check::setpoint1Active));
    EXPECT_TRUE(checked(Check::setpoint2Active));
    EXPECT_EQ(names(), QStringList({"B", "A"}));
}

// How many times config.ini is replaced while \a action runs.
int replacementsDuring(const fs::path &file, const std::function<void()> &action)
{
    const int watch = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(watch, file.parent_path().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    action();
    int count = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char *p = buffer; p < buffer + n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(p);
            count += event->len > 0 && file.filename() == event->name;
            p += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    return count;
}

TEST_F(Settings, WritesWindows1251WithCrLfAndReadsItBack)
{
    start();
    form().Button3Click();
    form().edit(Edit::descentRate)->setText("abc");
    form().edit(Edit::presetName)->setText("Настройка 1");
    detail(0)->setText("6,5"); // typed, not confirmed
    EXPECT_EQ(replacementsDuring(file, [&] { ASSERT_TRUE(form().close()); }), 1)
            << "a close writes the file once";
    EXPECT_EQ(readBytes(file),
            "[TEdit]\r\nEdit1=11\r\nEdit2=7\r\nEdit3=abc\r\nEdit4=5,5\r\nEdit5=0,3\r\n"
            "Edit6=1,0\r\nEdit7=9999,9\r\nEdit8=1,5\r\nEdit9=15\r\nEdit10=9999,9\r\n"
            "Edit11=40\r\nEdit13=180\r\nEdit12=0,8\r\nEdit14=20,9\r\nEdit15=0,79\r\n"
            "Edit16=0\r\nEdit17=0\r\nEdit18=0\r\nEdit19=0\r\nEdit20=100\r\nEdit21=10\r\n"
            "Edit22=0\r\nEdit23=180\r\nEdit24=40\r\n"
            "Edit25=\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE0 1\r\n"
            "[Detales]\r\nEdit1=6,5\r\nEdit2=1\r\nEdit3=6\r\nEdit4=2\r\n"
            "[TRadioButton]\r\nRadioButton2=0\r\nRadioButton3=0\r\nRadioButton4=0\r\n"
            "RadioButton5=1\r\n"
            "[TCheckBox]\r\nCheckBox1=0\r\nCheckBox2=0\r\nCheckBox6=0\r\nCheckBox8=0\r\n"
            "Cradiobutton2=0\r\nCradiobutton3=0\r\nCheckBox3=0\r\nCradiobutton1=0\r\n"
            "CheckBox4=1\r\nCheckBox5=0\r\nCheckBox7=0\r\n"
            "[Options]\r\nDiveComputer=1\r\n");

    start();
    EXPECT_EQ(text(Edit::descentRate), "abc");
    EXPECT_EQ(text(Edit::presetName), "Настройка 1");
    EXPECT_EQ(checkedType(), 3);
    EXPECT_EQ(detail(0)->text(), "6,5");
    EXPECT_EQ(text(Edit::maxLoopVolume), "14,5") << "derived from the stored loop details";
    EXPECT_EQ(form().params().loopDetails().lungVolumeInhale, 6.5);
    EXPECT_TRUE(messages.isEmpty());
}

// The dive computer's gradient factors: a valid pair is read (blanks around
// it allowed) and written back; anything else reads as 50/80, and the
// default pair leaves no entry behind.
TEST_F(Settings, GradientFactorsOfTheDiveComputer)
{
    const std::pair<const char *, GradientFactors> cases[] = {
            {"GFLow=30\r\nGFHigh=70\r\n", {30, 70}}, {"GFLow= 10 \r\nGFHigh=10\r\n", {10, 10}},
            {"GFHigh=100\r\nGFLow=100\r\n", {100, 100}}, {"GFLow=30\r\n", {}},
            {"GFLow=9\r\nGFHigh=70\r\n", {}}, {"GFLow=71\r\nGFHigh=70\r\n", {}},
            {"GFLow=30\r\nGFHigh=101\r\n", {}}};
    for (const auto &[entries, read] : cases) {
        writeBytes(file, std::string("[Options]\r\n") + entries);
        start();
        EXPECT_EQ(form().simulation().state().gradientFactors, read) << entries;
        EXPECT_EQ(program->diveComputer.findChild<QPushButton *>("gradientFactors")->text(),
                QStringLiteral("GF %1/%2").arg(read.low).arg(read.high));
        ASSERT_TRUE(form().close());
        const std::string after = readBytes(file);
        const auto has = [&](const std::string &entry) {
            return after.find(entry) != std::string::npos;
        };
        if (read == GradientFactors {})
            EXPECT_FALSE(has("GF")) << entries;
        else
            EXPECT_TRUE(has("GFLow=" + std::to_string(read.low) + "\r\n")
                    && has("GFHigh=" + std::to_string(read.high) + "\r\n"))
                    << entries;
    }
}

// The folder of the last dive export is kept over runs and the export
// dialog starts there while it exists; a folder the file's code page cannot
// spell is not kept.
TEST_F(Settings, TheLastExportFolderIsKept)
{
    const fs::path exports = folder.path() / "Экспорт";
    fs::create_directories(exports);
    SettingsFile(file).WriteString("Options", "ExportFolder", exports.string());
    start();
    EXPECT_EQ(program->diveExport.startFolder().toStdString(), exports.string());
    fs::remove(exports);
    EXPECT_NE(program->diveExport.startFolder().toStdString(), exports.string()) << "gone";
    ASSERT_TRUE(form().close());
    EXPECT_EQ(SettingsFile(file).ReadString("Options", "ExportFolder", ""), exports.string());
    start();
    form().setExportFolder("/tmp/日本");
    ASSERT_TRUE(form().close());
    EXPECT_EQ(readBytes(file).find("ExportFolder"), std::string::npos);
}

// The bailout: each value that reads and lies in its range is taken, any
// other is its default, and a helium that would take its mix past 100 % with
// the oxygen read is 0. The program starts with the cylinders full; a value
// at its default leaves no entry on closing.
TEST_F(Settings, BailoutGasesAndBreathingRate)
{
    const std::tuple<const char *, BailoutSettings, const char *> cases[] = {
            {"Gas1O2=18\r\nGas1He=45\r\nGas1Litres=1100,5\r\nGas2O2=50\r\nRMV= 15 \r\n",
                    {{{{18, 45, 1100.5}, {50, 0, 1100}}}, 15},
                    "Gas1O2=18\r\nGas1He=45\r\nGas1Litres=1100.5\r\nRMV=15\r\n"},
            {"Gas1O2=4,9\r\nGas1He=-1\r\nGas2O2=100,1\r\nGas2Litres=x\r\nRMV=0\r\n", {}, ""},
            {"Gas1O2=90\r\nGas1He=10,5\r\nGas2O2=5\r\nGas2He=95\r\nGas2Litres=0\r\n",
                    {{{{90, 0, 2200}, {5, 95, 0}}}, 20},
                    "Gas1O2=90\r\nGas2O2=5\r\nGas2He=95\r\nGas2Litres=0\r\n"}};
    for (const auto &[entries, read, written] : cases) {
        writeBytes(file, std::string("[Bailout]\r\n") + entries);
        start();
        const SimulationState &state = form().simulation().state();
        EXPECT_EQ(state.bailout, read) << entries;
        EXPECT_EQ(state.bailoutLeft, (std::array {read.gases[0].litres, read.gases[1].litres}));
        ASSERT_TRUE(form().close());
        const std::string after = readBytes(file);
        const std::size_t section = after.find("[Bailout]\r\n");
        ASSERT_NE(section, std::string::npos);
        EXPECT_EQ(after.substr(section + 11, after.find('[', section + 1) - section - 11), written)
                << entries;
    }
}

TEST_F(Settings, ClosingLeavesTheListAndThePresetsAsTheyWere)
{
    const std::string others = "[Listboxvalue]\r\nA=\r\n[ATedit]\r\nEdit3=1\r\n"
                               "a line of its own\r\n[ATCheckbox]\r\nCheckBox1=1\r\n"
                               "[options]\r\nDiveComputer=0\r\n";
    writeBytes(file, others);
    start();
    EXPECT_FALSE(form().menu().diveComputer->isChecked()) << "closed at the last close";
    form().showDiveComputer(true);
    ASSERT_TRUE(form().close());
    const std::string after = readBytes(file);
    EXPECT_EQ(after.substr(0, others.size() - 3), others.substr(0, others.size() - 3));
    EXPECT_EQ(after.substr(others.size() - 3, 3), "1\r\n") << "the option in its own place";
    EXPECT_EQ(after.substr(others.size(), 9), "[TEdit]\r\n");
    EXPECT_EQ(std::count(after.begin() + others.size(), after.end(), '['), 4);
}

struct FailedSave
{
    const char *name;
    bool folderMissing; // else a folder stands where the file belongs
    bool closeWithoutSaving;
};

class ClosingWithoutSaving : public Settings, public testing::WithParamInterface<FailedSave>
{ };

TEST_P(ClosingWithoutSaving, IsTheUsersChoice)
{
    if (GetParam().folderMissing)
        file = folder.path() / "gone" / "config.ini";
    else
        fs::create_directory(file);
    closeWithoutSaving = GetParam().closeWithoutSaving;
    start();
    EXPECT_EQ(form().close(), closeWithoutSaving);
    EXPECT_EQ(form().isVisible(), !closeWithoutSaving);
    EXPECT_EQ(
            questions, QStringList {"Unable to write to " + QString::fromStdString(file.string())});
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingWithoutSaving,
        testing::Values(FailedSave {"MissingFolderStaysOpen", true, false},
                FailedSave {"FolderInPlaceCloses", false, true}),
        [](const auto &info) { return std::string(info.param.name); });

TEST_F(Settings, SavingAgainKeepsThePlaceAndTakesTheNewContents)
{
    start();
    form().edit(Edit::descentRate)->setText("10");
    saveAs("Настройка 1");
    saveAs("Б");
    form().edit(Edit::descentRate)->setText("20");
    saveAs("НАСТРОЙКА 1");
    EXPECT_EQ(names(), QStringList({"Настройка 1", "Б"}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    const std::string bytes = readBytes(file);
    int sections = 0;
    for (auto at = bytes.find("Tedit]"); at != std::string::npos; at = bytes.find("Tedit]", at + 1))
        ++sections;
    EXPECT_EQ(sections, 2);
    load(0);
    EXPECT_EQ(text(Edit::descentRate), "20");
    EXPECT_EQ(text(Edit::presetName), "НАСТРОЙКА 1");
}

TEST_F(Settings, DeletingRemovesExactlyThatPresetAndNeedsASelection)
{
    start();
    saveAs("B");
    const std::string withB = readBytes(file);
    saveAs("A");
    for (auto button : {&TForm1::Button7Click, &TForm1::Button8Click}) {
        form().edit(Edit::descentRate)->setText("typed");
        const std::string before = readBytes(file);
        (form().*button)();
        EXPECT_EQ(readBytes(file), before);
        EXPECT_EQ(text(Edit::descentRate), "typed");
    }
    EXPECT_EQ(messages, QStringList(2, "List index out of bounds (-1)"));
    list()->setCurrentRow(1);
    form().Button7Click();
    EXPECT_EQ(names(), QStringList({"B"}));
    EXPECT_EQ(readBytes(file), withB);
}

TEST_F(Settings, LoadingTakesOnlyWhatThePresetStillHas)
{
    start();
    form().Button3Click();
    detail(0)->setText("7");
    saveAs("A");
    radio(2)->setChecked(true);
    detail(0)->setText("9");
    load(0);
    EXPECT_EQ(checkedType(), 3);
    EXPECT_EQ(detail(0)->text(), "7");
    EXPECT_EQ(form().params().loopDetails().lungVolumeInhale, 6.0) << "until confirmed";

    // Sections erased by hand: the loop details stay, the rest reads as empty.
    radio(2)->setChecked(true);
    detail(0)->setText("9");
    SettingsFile settings(file);
    for (const char *section : {"ATedit", "ADetales", "ATRadiobutton", "ATCheckbox"})
        settings.EraseSection(section);
    load(0);
    EXPECT_EQ(detail(0)->text(), "9");
    for (const FieldInfo &f : kFields)
        EXPECT_EQ(text(f.edit), "") << editName(f.edit);
    expectAllUnchecked();
    EXPECT_FALSE(form().edit(Edit::dilO2Percent)->isEnabled()) << "as the last type left it";
}

class NotSaved : public Settings, public testing::WithParamInterface<const char *>
{ };

TEST_P(NotSaved, LeavesTheFileAlone)
{
    start();
    saveAs(QString::fromUtf8(GetParam()));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(messages.size(), *GetParam() ? 1 : 0) << "an empty name is silently ignored";
}

INSTANTIATE_TEST_SUITE_P(Names, NotSaved, testing::Values("", "a=b", " Настройка"));

} // namespace
