#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

/// The interface languages. Russian is the language of the sources; English
/// comes from the embedded translation.
enum class Language { russian, english };

/// "ru" or "en" as the settings file and the command line spell them.
std::optional<Language> languageFromCode(std::string_view code);
const char *languageCode(Language language);

/// The language for a system locale named \a localeName ("ru_RU", "ru-RU",
/// "en_GB", "C"): Russian for Russian and for none (C, POSIX, empty),
/// English for any other.
Language systemLanguage(const QString &localeName);

/// The language for this run: the command line's choice, else the one kept
/// in the settings (a code, possibly empty or unknown), else the system's.
Language chooseLanguage(
        std::optional<Language> commandLine, std::string_view kept, const QString &localeName);

/// The program's command line (\a arguments with the program's name first,
/// Qt's own options already taken out): "--lang ru|en" (or "--lang=en"),
/// any number of times, the last one choosing; nothing when absent. Throws
/// std::invalid_argument, with the reason, on an unknown code at any
/// occurrence, a --lang without code, an unknown option and any other
/// argument.
std::optional<Language> languageArgument(const QStringList &arguments);

/// Switches the interface: installs or removes the translator; Qt then sends
/// every widget a LanguageChange event, on which each window retranslates
/// itself. Needs a QCoreApplication.
void applyLanguage(Language language);
Language currentLanguage();

class QObject;
/// Calls \a retranslate now and whenever \a watched receives a LanguageChange
/// event (every widget does when the language is switched), for holders of
/// texts that are no widgets themselves. The watcher is \a watched's child.
void whenLanguageChanges(QObject *watched, std::function<void()> retranslate);
