#include "profile/cp1251.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <tuple>

namespace {

TEST(Cp1251, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(cp1251::fromUtf8(cp1251::toUtf8(all)), all);
}

// The hand-written table against the C library's converter, where it has one.
TEST(Cp1251, TableAgreesWithIconv)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        GTEST_SKIP() << "iconv has no CP1251 here";
    }
    for (int b = 0x80; b < 0x100; ++b) {
        if (b == 0x98) {
            continue; // unassigned in the code page
        }
        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char *inPtr = in;
        char *outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        ASSERT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1)) << b;
        EXPECT_EQ(cp1251::toUtf8(std::string(1, in[0])), std::string(out, outPtr)) << "byte " << b;
    }
    iconv_close(cd);
}

TEST(Cp1251, FromUtf8MarksWhatItCannotConvert)
{
    const std::pair<const char *, const char *> cases[] = {
            {"Настройка 1", "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE0 1"}, {"Ёё№€", "\xA8\xB8\xB9\x88"},
            {"a✓b", "a?b"}, // not in the code page
            {"a\xC0\xAF", "a??"}, // overlong '/'
            {"\xED\xA0\x80", "???"}, // a surrogate
            {"\xD0", "?"}, // cut short
            {"\xF0\x9F\x98\x80z", "?z"}}; // outside the BMP
    for (const auto &[utf8, bytes] : cases)
        EXPECT_EQ(cp1251::fromUtf8(utf8), bytes) << utf8;
}

TEST(Cp1251, LettersFoldLatinAndCyrillicOnly)
{
    const auto same = [](const char *a, const char *b) {
        return cp1251::equalNoCase(cp1251::fromUtf8(a), cp1251::fromUtf8(b));
    };
    // "АЯ": both ends of the main alphabet; "[" and "{" differ by the same
    // bit as letters.
    for (const auto &[a, b, equal] :
            {std::tuple {"TEdit", "tedit", true}, {"НАСТРОЙКА ЁЖ", "настройка ёж", true},
                    {"АЯ", "ая", true}, {"ЎІЇЄҐЂЏ", "ўіїєґђџ", true}, {"Е", "Ё", false},
                    {"[", "{", false}, {"@", "`", false}, {"TEdit", "TEdit1", false}})
        EXPECT_EQ(same(a, b), equal) << a << " " << b;
}

} // namespace
