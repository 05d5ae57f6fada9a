#pragma once

#include <QStringList>

#include <optional>

/// The program's command line: the usage text listing every option, and the
/// two passes over the arguments. Qt takes its own options (-style,
/// -platform, ...) out of the arguments when the application is made.
namespace commandline {

/// What is asked for before any window system is needed.
enum class Request { run, help, version };

/// "--help" (or "-h") or "--version" anywhere among \a argv (argv[0] is the
/// program); the first of them wins.
Request request(int argc, char **argv);

/// The usage text, every option with a line of its own, for standard output
/// (--help) or standard error (a wrong command line).
const char *usage();

/// "loopwright VERSION", one line.
const char *versionLine();

/// The first of \a arguments (argv[0] first, Qt's options already taken)
/// that is no option of the program; nothing when all are. "--lang" and its
/// code count as the program's, whatever the code (languageArgument checks
/// it).
std::optional<QString> unknownArgument(const QStringList &arguments);

} // namespace commandline
