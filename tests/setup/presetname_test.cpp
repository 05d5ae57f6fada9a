#include "setup/presetname.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char *name;
    const char *problem;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << '"' << c.name << '"';
}

class PresetName : public testing::TestWithParam<NameCase>
{ };

TEST_P(PresetName, Checks)
{
    EXPECT_EQ(presetNameProblem(GetParam().name), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(Names, PresetName,
        testing::Values(NameCase {"Настройка 1", ""}, NameCase {"", ""},
                NameCase {"a;b#c(d) «е»", ""},
                NameCase {"a=b", "Имя настройки не может содержать символ «=»"},
                NameCase {"[a", "Имя настройки не может содержать символ «[»"},
                NameCase {"a]", "Имя настройки не может содержать символ «]»"},
                NameCase {"a\r\nb", "Имя настройки не может содержать перевод строки"},
                NameCase {"a\nb", "Имя настройки не может содержать перевод строки"},
                NameCase {" a", "Имя настройки не может начинаться с пробела"},
                NameCase {"a ", "Имя настройки не может заканчиваться пробелом"},
                NameCase {"\ta", "Имя настройки не может начинаться с символа табуляции"},
                NameCase {"a\t", "Имя настройки не может заканчиваться символом табуляции"},
                NameCase {"Сет ✓", "Имя настройки не может содержать символ «✓»"},
                NameCase {"a\xFF", "Имя настройки содержит недопустимую последовательность байтов"},
                NameCase {"x = y ", "Имя настройки не может содержать символ «=»"}));

} // namespace
