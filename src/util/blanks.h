#pragma once

#include <string_view>

/// Which characters count as blanks where a text is trimmed. Each reader
/// keeps the set its input has always had.
enum class Blanks {
    SpaceTab, ///< ' ' and '\t': typed numbers, settings-file names and values
    SpaceTabCr, ///< also '\r': scenario lines, which may end in CR LF
    ControlOrSpace, ///< every byte up to ' ', NUL and line breaks too: chart captions
};

constexpr bool isBlank(char c, Blanks blanks)
{
    switch (blanks) {
    case Blanks::SpaceTab:
        return c == ' ' || c == '\t';
    case Blanks::SpaceTabCr:
        return c == ' ' || c == '\t' || c == '\r';
    case Blanks::ControlOrSpace:
        return static_cast<unsigned char>(c) <= ' ';
    }
    return false;
}

/// \a text without the blanks at its start.
constexpr std::string_view trimLeadingBlanks(std::string_view text, Blanks blanks)
{
    while (!text.empty() && isBlank(text.front(), blanks))
        text.remove_prefix(1);
    return text;
}

/// \a text without the blanks at either end.
constexpr std::string_view trimBlanks(std::string_view text, Blanks blanks)
{
    text = trimLeadingBlanks(text, blanks);
    while (!text.empty() && isBlank(text.back(), blanks))
        text.remove_suffix(1);
    return text;
}
