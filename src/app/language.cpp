#include "language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

#include <stdexcept>

namespace {

Language g_current = Language::russian;

QTranslator &englishTranslator()
{
    static QTranslator translator;
    return translator;
}

class LanguageWatcher : public QObject
{
public:
    LanguageWatcher(QObject *watched, std::function<void()> retranslate)
        : QObject(watched), m_retranslate(std::move(retranslate))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return false;
    }

private:
    std::function<void()> m_retranslate;
};

} // namespace

void whenLanguageChanges(QObject *watched, std::function<void()> retranslate)
{
    retranslate();
    new LanguageWatcher(watched, std::move(retranslate));
}

std::optional<Language> languageFromCode(std::string_view code)
{
    if (code == "ru")
        return Language::russian;
    if (code == "en")
        return Language::english;
    return std::nullopt;
}

const char *languageCode(Language language)
{
    return language == Language::english ? "en" : "ru";
}

Language systemLanguage(const QString &localeName)
{
    const bool none = localeName.isEmpty() || localeName == QLatin1String("C")
            || localeName.startsWith(QLatin1String("C.")) || localeName == QLatin1String("POSIX");
    return none || localeName.startsWith(QLatin1String("ru")) ? Language::russian
                                                              : Language::english;
}

Language chooseLanguage(
        std::optional<Language> commandLine, std::string_view kept, const QString &localeName)
{
    if (commandLine)
        return *commandLine;
    if (const auto stored = languageFromCode(kept))
        return *stored;
    return systemLanguage(localeName);
}

std::optional<Language> languageArgument(const QStringList &arguments)
{
    // Every --lang is checked, so that a mistyped one is never passed over
    // for an earlier good one; the last one chooses.
    std::optional<Language> chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString code;
        if (argument == QLatin1String("--lang")) {
            if (i + 1 == arguments.size())
                throw std::invalid_argument("--lang takes ru or en");
            code = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--lang="))) {
            code = argument.mid(7);
        } else if (argument.startsWith(QLatin1Char('-'))) {
            throw std::invalid_argument("unknown option '" + argument.toStdString() + "'");
        } else {
            throw std::invalid_argument("unexpected argument '" + argument.toStdString() + "'");
        }
        const auto language = languageFromCode(code.toStdString());
        if (!language)
            throw std::invalid_argument("--lang takes ru or en, not '" + code.toStdString() + "'");
        chosen = language;
    }
    return chosen;
}

void applyLanguage(Language language)
{
    if (language == g_current)
        return;
    QTranslator &translator = englishTranslator();
    if (language == Language::english) {
        if (translator.isEmpty())
            (void)translator.load(QStringLiteral(":/i18n/loopwright_en.qm"));
        QCoreApplication::installTranslator(&translator);
    } else {
        QCoreApplication::removeTranslator(&translator);
    }
    g_current = language;
    // Qt tells the windows itself only while the event loop runs; the
    // windows are told here too, so that a switch before it (start-up,
    // tests) is not lost. A window that hears it twice translates twice.
    QEvent changed(QEvent::LanguageChange);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            QCoreApplication::sendEvent(window, &changed);
    }
}

Language currentLanguage()
{
    return g_current;
}
