#include "setup/presetname.h"

#include "profile/cp1251.h"

namespace {

const std::string kPrefix = "Имя настройки ";

std::string cannotHold(std::string_view character)
{
    return kPrefix + "не может содержать символ «" + std::string(character) + "»";
}

} // namespace

std::string presetNameProblem(std::string_view name)
{
    if (name.empty()) {
        return {};
    }
    // Blanks around a key or section name are not part of it when the file
    // is read back, so the preset would come back under another name.
    if (name.front() == ' ') {
        return kPrefix + "не может начинаться с пробела";
    }
    if (name.front() == '\t') {
        return kPrefix + "не может начинаться с символа табуляции";
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '=' || c == '[' || c == ']') {
            return cannotHold(name.substr(i, 1));
        }
        if (c == '\r' || c == '\n') {
            return kPrefix + "не может содержать перевод строки";
        }
    }
    if (const std::string bad = cp1251::firstUnencodable(name); !bad.empty()) {
        // Every ASCII character converts, so a single byte is broken UTF-8.
        if (bad.size() == 1) {
            return kPrefix + "содержит недопустимую последовательность байтов";
        }
        return cannotHold(bad);
    }
    if (name.back() == ' ') {
        return kPrefix + "не может заканчиваться пробелом";
    }
    if (name.back() == '\t') {
        return kPrefix + "не может заканчиваться символом табуляции";
    }
    return {};
}
