#include "commandline.h"

#include "util/version.h"

#include <string>
#include <string_view>

namespace commandline {

Request request(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return Request::help;
        if (arg == "--version")
            return Request::version;
    }
    return Request::run;
}

const char *usage()
{
    return "usage: loopwright [--lang ru|en]\n"
           "       loopwright --help | --version\n"
           "Starts the closed-circuit rebreather dive trainer.\n"
           "\n"
           "  --lang ru|en  the interface's language for this run (also --lang=en);\n"
           "                without it, the one chosen in the View menu last time,\n"
           "                else the system's\n"
           "  -h, --help    show this text and exit\n"
           "  --version     show the version and exit\n"
           "\n"
           "Qt's own options (-style, -platform, ...) are accepted too.\n"
           "See loopwright(1); for a dive without a window, loopwright-sim(1).\n";
}

const char *versionLine()
{
    static const std::string line = std::string("loopwright ") + kLoopwrightVersion + '\n';
    return line.c_str();
}

std::optional<QString> unknownArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang"))
            ++i;
        else if (!arguments[i].startsWith(QLatin1String("--lang=")))
            return arguments[i];
    }
    return std::nullopt;
}

} // namespace commandline
