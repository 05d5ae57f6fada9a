// The interface in English beside Russian: switching at run time, and a
// settings file that does not care which language wrote it.

#include "app/language.h"
#include "app/loopwrightapp.h"
#include "drills/drill.h"
#include "tempfolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

// Every text a person reads in \a window, by the widget or action it is on:
// titles, captions, hints and menu items.
void collect(QWidget &window, std::map<QString, QString> &texts)
{
    auto keep = [&](QObject *o, const QString &kind, const QString &text) {
        if (!text.isEmpty())
            texts[window.objectName() + '/' + o->objectName() + '/' + kind + '/'
                    + QString::number(quintptr(o), 16)] = text;
    };
    keep(&window, "title", window.windowTitle());
    for (QWidget *w : window.findChildren<QWidget *>()) {
        keep(w, "hint", w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            keep(w, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            keep(w, "text", button->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            keep(w, "text", group->title());
        if (auto *menu = qobject_cast<QMenu *>(w))
            keep(w, "text", menu->title());
    }
    for (QAction *a : window.findChildren<QAction *>())
        keep(a, "text", a->text());
}

bool russianIn(const QString &text)
{
    return std::any_of(
            text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

struct Interface : testing::Test
{
    TempFolder folder;
    fs::path file = folder.path() / "config.ini";
    std::optional<LoopwrightApp> program;
    QStringList messages;

    void TearDown() override { applyLanguage(Language::russian); }

    LoopwrightApp &start(::Language language)
    {
        program.reset();
        applyLanguage(language);
        program.emplace(file);
        program->form.setErrorSink([](const QString &m) { ADD_FAILURE() << m.toStdString(); });
        program->startUp();
        return *program;
    }
    std::map<QString, QString> texts()
    {
        std::map<QString, QString> all;
        for (QWidget *w : std::initializer_list<QWidget *> {&program->form, &program->about,
                     &program->graph, &program->details, &program->diveComputer})
            collect(*w, all);
        return all;
    }
    std::string saved()
    {
        EXPECT_TRUE(program->form.FormClose());
        return readBytes(file);
    }
};

TEST_F(Interface, SwitchingTranslatesEveryWindowAndSwitchingBackRestoresTheRussian)
{
    TForm1 &form = start(Language::russian).form;
    form.showDiveComputer(true);
    // A dive under way, so that the read-outs show their units and words.
    form.params().setPosition(Slider::maxDepth, 30);
    form.buttonstartClick();
    for (int i = 0; i < 400; ++i)
        form.TimerPPO2Timer();
    form.Button5Click();
    form.Button4Click();
    const auto russian = texts();
    ASSERT_TRUE(std::any_of(russian.begin(), russian.end(),
            [](const auto &t) { return t.second.contains(QString::fromUtf8("мин")); }));

    form.menu().english->trigger();
    EXPECT_EQ(currentLanguage(), Language::english);
    EXPECT_TRUE(form.menu().english->isChecked());
    auto english = texts();
    // The languages are named each in itself.
    std::erase_if(english, [](const auto &t) { return t.first.contains("actionRussian"); });
    EXPECT_EQ(english.size() + 1, russian.size());
    for (const auto &[where, text] : english)
        EXPECT_FALSE(russianIn(text)) << where.toStdString() << ": " << text.toStdString();
    EXPECT_EQ(form.menu().view->title(), "&View");
    EXPECT_EQ(form.windowTitle(), "Loopwright (Beta - for testing and careful use)");

    form.menu().russian->trigger();
    EXPECT_EQ(texts(), russian);
}

TEST_F(Interface, ASetUpSavedInOneLanguageLoadsTheSameInTheOther)
{
    LoopwrightApp &first = start(Language::russian);
    first.form.params().setText(Edit::dilHePercent, "35");
    first.form.params().setText(Edit::setpoint1, "1,3");
    first.form.findChild<QLineEdit *>("Edit25")->setText("Тримикс глубокий");
    first.form.Button6Click();
    first.form.findChild<QAbstractButton *>("RadioButton3")->click();
    saved();
    // A first start derives the loop volumes only when started again.
    start(Language::russian);
    const std::string russian = saved();

    // Read and written again in English, then in Russian: the same bytes,
    // presets with Russian names included.
    start(Language::english);
    EXPECT_EQ(program->form.edit(Edit::setpoint1)->text(), "1,3");
    EXPECT_EQ(saved(), russian);
    start(Language::russian);
    EXPECT_EQ(saved(), russian);

    // A refused name is explained in the interface's language, the name as typed.
    start(Language::english).form.setErrorSink([this](const QString &m) { messages << m; });
    program->form.findChild<QLineEdit *>("Edit25")->setText("Тримикс=глубокий");
    program->form.Button6Click();
    EXPECT_EQ(messages, QStringList {"A preset name cannot hold the character \"=\""});

    // The menu's choice is kept for the next start; the command line wins.
    start(Language::russian).form.menu().english->trigger();
    const std::string kept = saved();
    EXPECT_NE(kept.find("Language=en\r\n"), std::string::npos);
    EXPECT_EQ(chooseLanguage(std::nullopt, "en", "ru_RU"), Language::english);
    EXPECT_EQ(chooseLanguage(Language::russian, "en", "en_GB"), Language::russian);
}

// Each shipped drill in English: the same set-up, times and objectives, only
// its words (title, brief, notes and comments) in English.
TEST(EnglishDrills, AreTheRussianOnesLineForLine)
{
    const fs::path shipped = fs::path(LOOPWRIGHT_SOURCE_DIR) / "drills";
    int count = 0;
    for (const auto &entry : fs::directory_iterator(shipped)) {
        if (entry.path().extension() != ".drill")
            continue;
        ++count;
        const fs::path english = shipped / "en" / entry.path().filename();
        ASSERT_TRUE(std::holds_alternative<Drill>(loadDrill(english))) << english;
        std::ifstream ru(entry.path());
        std::ifstream en(english);
        std::string r;
        std::string e;
        const auto words = [](const std::string &line) {
            const auto note = line.find(" note ");
            return line.starts_with("#") || line.starts_with("title ") || line.starts_with("brief ")
                    ? line.substr(0, line.find(' ') + 1)
                    : note != std::string::npos ? line.substr(0, note + 6)
                                                : line;
        };
        while (std::getline(ru, r)) {
            ASSERT_TRUE(std::getline(en, e)) << english;
            EXPECT_EQ(words(e), words(r)) << english;
            EXPECT_FALSE(russianIn(QString::fromUtf8(e))) << e;
        }
        EXPECT_FALSE(std::getline(en, e)) << english;
    }
    EXPECT_EQ(count, 11);
}

TEST(LanguageChoice, TheSystemDecidesOnlyWithoutAChoiceAndCAndRussianMeanRussian)
{
    for (const char *name : {"", "C", "POSIX", "ru_RU", "ru-UA"})
        EXPECT_EQ(systemLanguage(name), Language::russian) << name;
    for (const char *name : {"en_US", "de_DE", "uk_UA"})
        EXPECT_EQ(systemLanguage(name), Language::english) << name;
    EXPECT_EQ(chooseLanguage(std::nullopt, "", "de_DE"), Language::english);
    EXPECT_EQ(chooseLanguage(std::nullopt, "xx", "C"), Language::russian);
}

// Every --lang is checked and the last one chooses; anything else on the
// command line is a usage error.
TEST(LanguageChoice, TheCommandLineChecksEveryLangAndTheLastWins)
{
    const std::pair<QStringList, std::optional<Language>> accepted[] = {
            {{"loopwright", "--lang", "en"}, Language::english},
            {{"loopwright", "--lang=ru"}, Language::russian},
            {{"loopwright", "--lang", "ru", "--lang=en"}, Language::english},
            {{"loopwright", "--lang=en", "--lang", "ru"}, Language::russian},
            {{"loopwright"}, std::nullopt}};
    for (const auto &[arguments, language] : accepted)
        EXPECT_EQ(languageArgument(arguments), language) << arguments.join(' ').toStdString();
    const QStringList refused[] = {{"loopwright", "--lang", "fr"},
            {"loopwright", "--lang", "fr", "--lang", "en"},
            {"loopwright", "--lang=en", "--lang=de"}, {"loopwright", "--lang=en", "--lang"},
            {"loopwright", "--language", "en"}, {"loopwright", "-lang", "en"},
            {"loopwright", "--lang", "en", "drill.drill"}};
    for (const QStringList &arguments : refused)
        EXPECT_THROW(languageArgument(arguments), std::invalid_argument)
                << arguments.join(' ').toStdString();
}

} // namespace
