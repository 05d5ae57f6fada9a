#include "profile/settingsfile.h"
#include "profile/settingslocation.h"

#include "tempfolder.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;

// "Настройка 1" in Windows-1251.
const std::string kPreset1 = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE0 1";

class SettingsFileTest : public testing::Test
{
protected:
    fs::path path() const { return m_folder.path() / "config.ini"; }
    SettingsFile file() const { return SettingsFile(path()); }
    void put(std::string_view bytes) const { writeBytes(path(), bytes); }
    std::string bytes() const { return readBytes(path()); }
    // Everything in the folder but the settings file: left-over temporary files.
    std::vector<std::string> strayFiles() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(m_folder.path())) {
            if (entry.path().filename() != "config.ini") {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    TempFolder m_folder;
};

// ---- reading ----

struct ReadCase
{
    const char *name;
    std::string file;
    const char *section;
    const char *key;
    std::string expected; // "<default>" when the entry should be absent
};

class SettingsRead : public SettingsFileTest, public testing::WithParamInterface<ReadCase>
{ };

TEST_P(SettingsRead, FindsTheEntry)
{
    put(GetParam().file);
    EXPECT_EQ(file().ReadString(GetParam().section, GetParam().key, "<default>"),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsRead,
        testing::Values(ReadCase {"AbsentSection", "[TEdit]\r\nEdit1=11\r\n", "Detales", "Edit1",
                                "<default>"},
                ReadCase {"AbsentKey", "[TEdit]\r\nEdit1=11\r\n", "TEdit", "Edit12", "<default>"},
                ReadCase {"LowerCaseHeader", "[tedit]\r\nedit3=30\r\n", "TEdit", "Edit3", "30"},
                ReadCase {"CyrillicCase",
                        "[\xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE0 1tedit]\r\nEdit25=x\r\n",
                        "НАСТРОЙКА 1Tedit", "Edit25", "x"},
                ReadCase {"Yo", "[\xA8\xEB\xEA\xE0]\r\n\xB8=1\r\n", "ёЛКА", "Ё", "1"},
                ReadCase {"BlanksAroundNames", "  [ TEdit ]  \r\n\tEdit1 = 5 \r\n", "TEdit",
                        "Edit1", " 5 "},
                ReadCase {"ValueWithEquals", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
                ReadCase {"TextAfterHeader", "[A] ; note\r\nk=1\r\n", "A", "k", "1"},
                ReadCase {"MissingBracket", "[A\r\nk=1\r\n", "A", "k", "1"},
                ReadCase {"MissingBracketEndsSection", "[A]\r\nj=1\r\n[B\r\nk=2\r\n", "A", "k",
                        "<default>"},
                ReadCase {"EntryBeforeAnySection", "k=1\r\n[A]\r\n", "A", "k", "<default>"},
                ReadCase {"FirstDuplicateSection", "[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "j",
                        "<default>"},
                ReadCase {"FirstDuplicateKey", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
                ReadCase {"LoneCr", "[A]\rk=1\rj=2\r", "A", "k", "1"},
                ReadCase {"NulInValue", std::string("[A]\r\nk=a\0b\r\n", 12), "A", "k",
                        std::string("a\0b", 3)},
                ReadCase {"Garbage", "\xFF\xFE\x01\r\n[A]\r\n\x80\x81\x82\r\nk=\x98\r\n", "A", "k",
                        "\xC2\x98"}),
        [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, AbsentFileReadsDefaults)
{
    EXPECT_EQ(file().ReadString("TEdit", "Edit1", "d"), "d");
    EXPECT_TRUE(file().ReadBool("TCheckBox", "CheckBox1", true));
    EXPECT_FALSE(file().SectionExists("Listboxvalue"));
    EXPECT_TRUE(file().ReadSectionKeys("Listboxvalue").empty());
    EXPECT_FALSE(fs::exists(path())) << "reading must not create the file";
}

TEST_F(SettingsFileTest, UnreadableFileReadsDefaults)
{
    fs::create_directory(path()); // a folder where the file should be
    EXPECT_EQ(file().ReadString("TEdit", "Edit1", "d"), "d");
    fs::remove(path());
    ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0); // must not wait for a writer
    EXPECT_EQ(file().ReadString("TEdit", "Edit1", "d"), "d");
}

struct BoolCase
{
    const char *stored;
    int whenDefaultFalse;
    int whenDefaultTrue;
};

void PrintTo(const BoolCase &c, std::ostream *os)
{
    *os << '"' << c.stored << '"';
}

class SettingsReadBool : public SettingsFileTest, public testing::WithParamInterface<BoolCase>
{ };

TEST_P(SettingsReadBool, ReadsWholeNumbers)
{
    put(std::string("[TCheckBox]\r\nCheckBox1=") + GetParam().stored + "\r\n");
    EXPECT_EQ(file().ReadBool("TCheckBox", "CheckBox1", false), GetParam().whenDefaultFalse != 0);
    EXPECT_EQ(file().ReadBool("TCheckBox", "CheckBox1", true), GetParam().whenDefaultTrue != 0);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsReadBool,
        testing::Values(BoolCase {"1", 1, 1}, BoolCase {"0", 0, 0}, BoolCase {"2", 1, 1},
                BoolCase {"yes", 0, 1}, BoolCase {"0x10", 1, 1}, BoolCase {"0x0", 0, 0},
                BoolCase {"0XfF", 1, 1}, BoolCase {"-1", 1, 1}, BoolCase {"-0", 0, 0},
                BoolCase {" 1\t", 1, 1}, BoolCase {"0x", 0, 1}, BoolCase {"", 0, 1},
                BoolCase {"1.0", 0, 1}, BoolCase {"123456789012345678901234567890", 1, 1}));

TEST_F(SettingsFileTest, ValuesAreCutAt2047Characters)
{
    const std::string latin(3000, 'x');
    std::string cyrillic;
    for (int i = 0; i < 3000; ++i) {
        cyrillic += "ж";
    }
    SettingsFile f = file();
    f.WriteString("A", "latin", latin);
    f.WriteString("A", "cyrillic", cyrillic);
    EXPECT_EQ(f.ReadString("A", "latin", ""), latin.substr(0, 2047));
    EXPECT_EQ(f.ReadString("A", "cyrillic", ""), cyrillic.substr(0, std::size_t {2} * 2047));
    EXPECT_NE(bytes().find(std::string(3000, '\xE6')), std::string::npos) << "the file keeps all";
    f.WriteString("A", "edge", latin.substr(0, 2047));
    EXPECT_EQ(f.ReadString("A", "edge", ""), latin.substr(0, 2047));
}

// ---- key lists ----

TEST_F(SettingsFileTest, KeysComeInFileOrderOnce)
{
    put("[Listboxvalue]\r\nB=\r\njunk\r\na=\r\nb=\r\n" + kPreset1 + "=\r\n\r\n[Other]\r\nz=\r\n");
    EXPECT_EQ(file().ReadSectionKeys("listboxvalue"),
            (std::vector<std::string> {"B", "a", "Настройка 1"}));
}

TEST_F(SettingsFileTest, KeyListStopsAt16384Bytes)
{
    // Keys of 15 Windows-1251 bytes (30 in UTF-8): with their zero bytes,
    // exactly 1024 fill the list.
    std::string text = "[Listboxvalue]\r\n";
    for (int i = 0; i < 1025; ++i) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%09d", i);
        text += "\xCF\xF0\xE5\xF1\xE5\xF2" + std::string(digits) + "=\r\n";
    }
    put(text);
    const std::vector<std::string> keys = file().ReadSectionKeys("Listboxvalue");
    ASSERT_EQ(keys.size(), 1024u);
    EXPECT_EQ(keys.back(), "Пресет000001023");
    EXPECT_EQ(file().ReadString("Listboxvalue", "Пресет000001024", "absent"), "")
            << "an unlisted key is still stored";
}

TEST_F(SettingsFileTest, SectionExistsOnlyWithAKey)
{
    put("[Empty]\r\n\r\n[Junk]\r\nno equals sign\r\n[Full]\r\n=\r\n");
    EXPECT_FALSE(file().SectionExists("Empty"));
    EXPECT_FALSE(file().SectionExists("Junk"));
    EXPECT_TRUE(file().SectionExists("full")); // the empty key is a key
    EXPECT_FALSE(file().SectionExists("Absent"));
}

// ---- changes, checked byte for byte ----

enum class Op { Write, Erase, Delete };

struct ChangeCase
{
    const char *name;
    std::string before;
    Op op;
    const char *section;
    const char *key;
    const char *value;
    std::string after;
};

class SettingsChange : public SettingsFileTest, public testing::WithParamInterface<ChangeCase>
{ };

TEST_P(SettingsChange, RewritesOnlyWhatItMust)
{
    const ChangeCase &c = GetParam();
    if (!c.before.empty()) {
        put(c.before);
    }
    SettingsFile f = file();
    switch (c.op) {
    case Op::Write:
        f.WriteString(c.section, c.key, c.value);
        break;
    case Op::Erase:
        f.EraseSection(c.section);
        break;
    case Op::Delete:
        f.DeleteKey(c.section, c.key);
        break;
    }
    EXPECT_EQ(bytes(), c.after);
    EXPECT_TRUE(strayFiles().empty());
}

const std::string kDamaged = std::string("\xEF\xBB\xBFgarbage\0\xFF\r\n", 14) + "[A\r\n" + "k=1\r\n"
        + std::string(5000, '\x01') + "\n" + "[B]]]\r" + "x=\x98\r\n" + "=\r\n" + "tail";

INSTANTIATE_TEST_SUITE_P(Files, SettingsChange,
        testing::Values(ChangeCase {"CreatesTheFile", "", Op::Write, "TEdit", "Edit1", "11",
                                "[TEdit]\r\nEdit1=11\r\n"},
                ChangeCase {"CyrillicInWindows1251", "", Op::Write, "Настройка 1Tedit", "Edit25",
                        "Настройка 1", "[" + kPreset1 + "Tedit]\r\nEdit25=" + kPreset1 + "\r\n"},
                ChangeCase {"ExistingKeyKeepsItsLine", "[TEdit]\r\nEdit1=1\r\nEdit2=2\r\n",
                        Op::Write, "TEdit", "Edit1", "9", "[TEdit]\r\nEdit1=9\r\nEdit2=2\r\n"},
                ChangeCase {"KeepsHandWrittenSpelling", "[tedit]\r\n edit1 = 1\n", Op::Write,
                        "TEdit", "Edit1", "abc", "[tedit]\r\n edit1 =abc\n"},
                ChangeCase {"NewKeyEndsItsSection", "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", Op::Write,
                        "a", "c", "3", "[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\n"},
                ChangeCase {"NewSectionEndsTheFile", "[A]\r\na=1\r\n", Op::Write, "B", "b", "",
                        "[A]\r\na=1\r\n[B]\r\nb=\r\n"},
                ChangeCase {"NoFinalBreakNewKey", "[A]\r\na=1", Op::Write, "A", "b", "2",
                        "[A]\r\na=1\r\nb=2\r\n"},
                ChangeCase {"NoFinalBreakNewSection", "[A]", Op::Write, "B", "b", "2",
                        "[A]\r\n[B]\r\nb=2\r\n"},
                ChangeCase {"NoFinalBreakValue", "[A]\r\na=1", Op::Write, "A", "a", "22",
                        "[A]\r\na=22"},
                ChangeCase {"FirstDuplicateIsWritten", "[A]\r\na=1\r\n[A]\r\nb=2\r\n", Op::Write,
                        "A", "b", "3", "[A]\r\na=1\r\nb=3\r\n[A]\r\nb=2\r\n"},
                ChangeCase {"LineBreaksInValueBecomeSpaces", "", Op::Write, "A", "k", "x\r\n[B]\ny",
                        "[A]\r\nk=x  [B] y\r\n"},
                ChangeCase {"UnencodableBecomesQuestionMark", "", Op::Write, "A", "k", "a✓",
                        "[A]\r\nk=a?\r\n"},
                ChangeCase {"DamagedFileKeepsItsLines", kDamaged, Op::Write, "a", "K", "2",
                        std::string("\xEF\xBB\xBFgarbage\0\xFF\r\n", 14) + "[A\r\nk=2\r\n"
                                + std::string(5000, '\x01') + "\n[B]]]\rx=\x98\r\n=\r\ntail"},
                ChangeCase {"DamagedFileNewSection", kDamaged, Op::Write, "C", "c", "3",
                        kDamaged + "\r\n[C]\r\nc=3\r\n"},
                ChangeCase {"EraseKeepsTheOthers", "[A]\r\na=1\r\n[B]\r\nb=2\r\n\r\n[C]\r\nc=3",
                        Op::Erase, "b", "", "", "[A]\r\na=1\r\n[C]\r\nc=3"},
                ChangeCase {"EraseRemovesDuplicates", "x\r\n[A]\r\na=1\r\n[B]\r\n[a]\r\nb=2",
                        Op::Erase, "A", "", "", "x\r\n[B]\r\n"},
                ChangeCase {"EraseCyrillicCaseInsensitive",
                        "[" + kPreset1 + "TCheckbox]\r\nCheckBox1=1\r\n", Op::Erase,
                        "НАСТРОЙКА 1TCHECKBOX", "", "", ""},
                ChangeCase {"EraseAbsentChangesNothing", "[A]\na=1", Op::Erase, "B", "", "",
                        "[A]\na=1"},
                ChangeCase {"DeleteRemovesTheLineAndDuplicates",
                        "[L]\r\nX=\r\nY=\r\nx=\r\n[M]\r\nx=\r\n", Op::Delete, "l", "x", "",
                        "[L]\r\nY=\r\n[M]\r\nx=\r\n"},
                ChangeCase {"DeleteKeepsLoneCrLinesApart", "[L]\rk=1\n\n\ny=2", Op::Delete, "L",
                        "k", "", "[L]\ry=2"},
                ChangeCase {"DeleteAbsentChangesNothing", "[L]\r\nY=\r\n", Op::Delete, "L", "x", "",
                        "[L]\r\nY=\r\n"}),
        [](const auto &info) { return std::string(info.param.name); });

// ---- names the format cannot hold ----

struct BadName
{
    const char *section;
    const char *key;
};

void PrintTo(const BadName &c, std::ostream *os)
{
    *os << "[" << c.section << "] " << c.key;
}

class SettingsBadName : public SettingsFileTest, public testing::WithParamInterface<BadName>
{ };

TEST_P(SettingsBadName, IsRefusedAndChangesNothing)
{
    put("[A]\r\nk=1\r\n");
    EXPECT_THROW(file().WriteString(GetParam().section, GetParam().key, "v"), LoopwrightError);
    EXPECT_EQ(bytes(), "[A]\r\nk=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Names, SettingsBadName,
        testing::Values(BadName {"A]x", "k"}, BadName {"A\r\n[B", "k"}, BadName {" A", "k"},
                BadName {"A\t", "k"}, BadName {"A", "k=1"}, BadName {"A", "[B]"},
                BadName {"A", "k\n"}, BadName {"A", "k "}));

// ---- refused writes ----

class SettingsFailure : public SettingsFileTest
{
protected:
    void expectUnableToWrite(const std::function<void()> &action, const fs::path &where)
    {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const LoopwrightError &error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + where.string());
        }
    }
};

// The message names the file by its full path, also for a relative one.
TEST_F(SettingsFailure, MissingFolder)
{
    const fs::path missing = fs::relative(m_folder.path() / "no such folder" / "config.ini");
    ASSERT_TRUE(missing.is_relative());
    SettingsFile f(missing);
    expectUnableToWrite([&] { f.WriteString("TEdit", "Edit1", "1"); }, fs::absolute(missing));
    expectUnableToWrite([&] { f.EraseSection("TEdit"); }, fs::absolute(missing));
    f.DeleteKey("TEdit", "Edit1"); // not reported
    EXPECT_FALSE(fs::exists(missing.parent_path()));
}

// Read-only means no write bits, for root too (CI runs as root, and root
// passes every access check).
TEST_F(SettingsFailure, ReadOnlyFolderKeepsEarlierEntries)
{
    SettingsFile f = file();
    f.WriteString("TEdit", "Edit1", "11");
    const std::string before = bytes();
    fs::permissions(m_folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    expectUnableToWrite([&] { f.WriteString("TEdit", "Edit2", "7"); }, path());
    expectUnableToWrite([&] { f.WriteString("TEdit", "Edit1", "11"); }, path()); // unchanged
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(f.ReadString("TEdit", "Edit1", ""), "11");
}

TEST_F(SettingsFailure, ReadOnlyFile)
{
    put("[A]\r\nk=1\r\n");
    fs::permissions(path(), fs::perms::owner_read | fs::perms::group_read);
    expectUnableToWrite([&] { file().WriteString("A", "k", "2"); }, path());
    expectUnableToWrite([&] { file().EraseSection("A"); }, path());
    EXPECT_EQ(bytes(), "[A]\r\nk=1\r\n");
}

// A file size limit makes the write fail part way, like a full disk, even for
// root. The old file must come through whole, with no temporary file left.
TEST_F(SettingsFailure, FullDiskLeavesTheOldFileWhole)
{
    SettingsFile f = file();
    f.WriteString("TEdit", "Edit1", "11");
    f.WriteString("TEdit", "Edit2", "7");
    const std::string before = bytes();

    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    expectUnableToWrite([&] { f.WriteString("TEdit", "Edit3", std::string(10000, 'x')); }, path());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(f.ReadString("TEdit", "Edit2", ""), "7");
    EXPECT_TRUE(strayFiles().empty());
}

// ---- where the file lives ----

// A portable copy (a build folder, a copy on a stick) keeps its settings
// beside the program when it can; an installed one, whose folder may still
// be writable (root, a prefix in the home folder), always in the per-user
// folder.
TEST_F(SettingsFileTest, LivesBesideAPortableProgramAndInTheUserFolderWhenInstalled)
{
    const fs::path root = m_folder.path();
    fs::create_directories(root / "prefix" / "share" / "loopwright");
    fs::create_directories(root / "stick" / "share");
    const std::tuple<const char *, bool, bool, bool> cases[] = {
            {"build/src/app", false, false, true}, {"kept", true, true, true},
            {"readonly", false, true, false}, {"stick/bin", false, false, true},
            {"prefix/bin", false, false, false}, {"prefix/bin/", true, false, false}};
    for (const auto &[name, withFile, readOnly, beside] : cases) {
        const fs::path folder = root / name;
        const fs::path user = root / "home" / name / "Loopwright";
        fs::create_directories(folder);
        if (withFile)
            writeBytes(folder / "config.ini", "[A]\r\nk=1\r\n");
        if (readOnly)
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        const fs::path chosen = chooseSettingsFile(folder, user);
        EXPECT_EQ(chosen, (beside ? folder : user) / "config.ini") << name;
        EXPECT_EQ(fs::is_directory(user), !beside) << name;
        EXPECT_EQ(readBytes(chosen), withFile ? "[A]\r\nk=1\r\n" : "") << name;
    }
    // The earlier file came along once; the user's own is not overwritten.
    writeBytes(root / "home/prefix/bin/Loopwright/config.ini", "[A]\r\nk=2\r\n");
    EXPECT_EQ(
            readBytes(chooseSettingsFile(root / "prefix/bin", root / "home/prefix/bin/Loopwright")),
            "[A]\r\nk=2\r\n");
    EXPECT_EQ(readBytes(root / "prefix/bin/config.ini"), "[A]\r\nk=1\r\n");
    for (const char *system : {"/usr/bin", "/usr/local/bin", "/usr/games", "/bin/"})
        EXPECT_TRUE(installedProgramFolder(system)) << system;
    EXPECT_FALSE(installedProgramFolder("/usr/lib"));
    EXPECT_EQ(chooseSettingsFile(root / "prefix/bin", {}), root / "prefix/bin/config.ini");
}

} // namespace

namespace {

// A close stores some forty entries; as a batch they cost one replace, and a
// batch that cannot be written leaves the file as it was.
TEST_F(SettingsFailure, ABatchWritesOnceOrNotAtAll)
{
    put("; kept\r\n[A]\r\nk=1\r\n");
    SettingsFile f = file();
    f.BeginBatch();
    f.WriteString("A", "k", "2");
    f.WriteString("B", "Edit1", "11");
    f.DeleteKey("A", "k");
    f.WriteString("A", "n", "3");
    EXPECT_EQ(f.ReadString("B", "Edit1", ""), "11") << "reads see the batch";
    EXPECT_EQ(bytes(), "; kept\r\n[A]\r\nk=1\r\n") << "nothing written before the commit";
    f.CommitBatch();
    EXPECT_EQ(bytes(), "; kept\r\n[A]\r\nn=3\r\n[B]\r\nEdit1=11\r\n");
    EXPECT_TRUE(strayFiles().empty());

    f.BeginBatch();
    f.WriteString("A", "n", "4");
    f.AbandonBatch();
    EXPECT_EQ(f.ReadString("A", "n", ""), "3");

    fs::permissions(path(), fs::perms::owner_read);
    f.BeginBatch();
    f.WriteString("A", "n", "5");
    expectUnableToWrite([&] { f.CommitBatch(); }, path());
    EXPECT_EQ(bytes(), "; kept\r\n[A]\r\nn=3\r\n[B]\r\nEdit1=11\r\n");
    EXPECT_EQ(f.ReadString("A", "n", ""), "3") << "a failed batch has ended";
}

} // namespace
