#include "util/blanks.h"
#include "util/error.h"
#include "util/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <tuple>

namespace {

using namespace numtext;

// The message of the error \a action raises, or "no error".
template<typename Action>
std::string messageOf(Action &&action)
{
    try {
        action();
    } catch (const LoopwrightError &e) {
        return e.what();
    }
    return "no error";
}

TEST(ParseDecimal, EitherSeparatorAndSurroundingBlanks)
{
    const std::pair<const char *, double> cases[] = {{"5,5", 5.5}, {"5.5", 5.5}, {" 7 ", 7.0},
            {"-0,3", -0.3}, {"+2", 2.0}, {"9999,9", 9999.9}, {"1e3", 1000.0}, {"1,5E-2", 0.015},
            {",5", 0.5}, {"0,1", 0.1}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseDecimal(text), value) << text;
    for (const std::string text : {"", " ", "abc", "1,5,3", "1,5.3", "inf", "nan", "NAN", "--1",
                 "+-1", "1 2", "0x10", "1e", "12a", "1e999", "N/A"})
        EXPECT_EQ(messageOf([&] { parseDecimal(text); }),
                "'" + text + "' is not a valid floating point value");
}

// A message quotes at most 64 characters of a text, counted as code points,
// never cutting one; a stray byte counts as one.
TEST(ConversionError, QuotesAtMost64CharactersOfTheText)
{
    const std::string ya = "я"; // two bytes
    std::string cyrillic64;
    for (int i = 0; i < 63; ++i)
        cyrillic64 += ya;
    cyrillic64 += "\xF0\x9F\x98\x80"; // four bytes, the lowest lead byte of them
    const std::string stray64(64, '\x80');
    const std::pair<std::string, std::string> cases[] = {
            {std::string(64, 'a'), std::string(64, 'a')},
            {std::string(65, 'a'), std::string(64, 'a') + "…"}, {cyrillic64, cyrillic64},
            {cyrillic64 + "b", cyrillic64 + "…"}, {stray64, stray64}, {stray64 + ya, stray64 + "…"},
            {std::string(63, 'a') + "\xE2\x82", std::string(63, 'a') + "\xE2\x82"}};
    for (const auto &[text, quoted] : cases) {
        EXPECT_EQ(messageOf([&] { parseDecimal(text); }),
                "'" + quoted + "' is not a valid floating point value");
        EXPECT_EQ(messageOf([&] { parseWhole(text); }),
                "'" + quoted + "' is not a valid integer value");
    }
}

TEST(ParseWhole, RangeAndSigns)
{
    EXPECT_EQ(parseWhole("100"), 100);
    EXPECT_EQ(parseWhole(" -5 "), -5);
    EXPECT_EQ(parseWhole("+7"), 7);
    EXPECT_EQ(parseWhole("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(parseWhole("2147483647"), std::numeric_limits<int>::max());
    for (const char *bad : {"", "1,5", "1.0", "abc", "2147483648", "-2147483649", "-", "1e3",
                 "99999999999999999999"})
        EXPECT_EQ(messageOf([&] { parseWhole(bad); }),
                "'" + std::string(bad) + "' is not a valid integer value");
}

TEST(NearestPixel, HalvesToEvenHeldAtTheLimitNaNAtZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {{2.5, 2}, {-3.5, -4}, {99.4, 99}, {100.6, 100},
            {-1e300, -100}, {inf, 100}, {-inf, -100}, {std::nan(""), 0}};
    for (const auto &[x, expected] : cases)
        EXPECT_EQ(nearestPixel(x, 100), expected) << x;
    EXPECT_EQ(nearestPixel(3e9, kIntPixelLimit), kIntPixelLimit);
}

TEST(TrimBlanks, EachSetTrimsOnlyItsOwnBlanksAtBothEnds)
{
    using enum Blanks;
    using namespace std::literals;
    const std::tuple<Blanks, std::string_view, std::string_view> cases[] = {
            {SpaceTab, " \tx y\t ", "x y"}, {SpaceTab, "\rx\n", "\rx\n"},
            {SpaceTabCr, "\r \tx\t\r", "x"}, {SpaceTabCr, "\nx\0"sv, "\nx\0"sv},
            {ControlOrSpace, "\0\n\x1F x \r\x01"sv, "x"},
            {ControlOrSpace, "\x7F\xA0x\xFF", "\x7F\xA0x\xFF"}};
    for (const auto &[blanks, text, trimmed] : cases)
        EXPECT_EQ(trimBlanks(text, blanks), trimmed) << int(blanks) << " '" << text << "'";
    EXPECT_EQ(trimLeadingBlanks(" \tx\t ", SpaceTab), "x\t ");
}

TEST(Nearest, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2},
            {2.4999999999999996, 2}, {9.9, 10}, {-0.4, 0}, {4503599627370497.0, 4503599627370497.0},
            {1e300, 1e300}};
    for (const auto &[x, expected] : cases)
        EXPECT_EQ(nearest(x), expected) << x;
    EXPECT_TRUE(std::isnan(nearest(std::nan(""))));
    EXPECT_TRUE(std::signbit(nearest(-0.3))); // -0 shows as "0" all the same
}

TEST(GeneralFormat, FifteenDigitsCommaNoTrailingZeros)
{
    const std::pair<double, const char *> cases[] = {{5.5, "5,5"}, {5.0, "5"}, {-0.0, "0"},
            {0.1 + 0.2, "0,3"}, {1.0 / 3.0, "0,333333333333333"}, {9999.9, "9999,9"},
            {-4.6, "-4,6"}, {123456789012345.0, "123456789012345"}, {1e15, "1E15"},
            {1.5e20, "1,5E20"}, {0.00001, "0,00001"}, {0.000001, "1E-6"}, {-1.5e-7, "-1,5E-7"},
            {0.9999999999999999, "1"}, {std::numeric_limits<double>::infinity(), "INF"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatGeneral(value), text) << value;
}

// Rounded values take a shortcut through whole numbers; it must agree with
// the full conversion everywhere.
TEST(GeneralFormat, RoundedValuesMatchTheFullConversion)
{
    std::uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(seed >> 11) / double(1ULL << 53);
    };
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, next() * 16.0 - 3.0);
        const double x = (next() < 0.5 ? -1 : 1) * magnitude;
        for (double v : {nearest1(x), nearest2(x)}) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.15g", v);
            std::string expected = buffer;
            if (expected.find('e') != std::string::npos)
                continue; // exponent forms are covered by the table above
            for (char &c : expected)
                c = c == '.' ? ',' : c;
            if (expected == "-0")
                expected = "0";
            ASSERT_EQ(formatGeneral(v), expected) << v;
        }
    }
}

// Display rounding: nearest1/nearest2 then the general format; the readouts
// and the tissue table check the everyday values.
TEST(DisplayRounding, HalvesToEvenAndNoNegativeZero)
{
    EXPECT_EQ(formatGeneral(nearest1(0.05)), "0"); // 0.5 tenths, half to even
    EXPECT_EQ(formatGeneral(nearest2(0.125)), "0,12");
    EXPECT_EQ(formatGeneral(nearest2(-0.001)), "0");
}

TEST(ShownValue, ReadsBackWhatTheLabelShows)
{
    // 3 * 0.1 is 0.30000000000000004; the label shows 0,3 and reads back 0.3.
    EXPECT_EQ(shownValue(nearest1(0.3)), 0.3);
    EXPECT_EQ(shownValue(3 * 0.1), 0.3);
    EXPECT_EQ(shownValue(nearest2(5.555)), 5.56);
    EXPECT_EQ(shownValue(1.0 / 3.0), 0.333333333333333);
    EXPECT_EQ(shownValue(-7.0), -7.0);
    EXPECT_EQ(messageOf([] { shownValue(std::nan("")); }),
            "'NAN' is not a valid floating point value");
}

TEST(Hash2Format, AtMostTwoDecimalsHalvesUp)
{
    const std::pair<double, const char *> cases[] = {{12.5, "12,5"}, {3.0, "3"}, {1.456, "1,46"},
            {1.455, "1,46"}, {2.675, "2,68"}, {-20.0, "-20"}, {0.004, "0"}, {-0.004, "0"},
            {0.005, "0,01"}, {0.5, "0,5"}, {-17.5, "-17,5"}, {99.999, "100"},
            {1e20, "100000000000000000000"}, {123456.78, "123456,78"}, {1e-30, "0"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatHash2(value), text) << value;
}

TEST(LongTimeFormat, HoursWithoutLeadingZero)
{
    EXPECT_EQ(formatLongTime(0), "0:00:00");
    EXPECT_EQ(formatLongTime(90000), "0:01:30");
    EXPECT_EQ(formatLongTime(330999), "0:05:30");
    EXPECT_EQ(formatLongTime(36000000), "10:00:00");
    EXPECT_EQ(formatLongTime(86399999), "23:59:59");
}

TEST(CheckedDivide, ZeroDivisorsFailWithThePlatformMessages)
{
    EXPECT_EQ(checkedDivide(1.0, 4.0), 0.25);
    EXPECT_EQ(messageOf([] { checkedDivide(1.0, 0.0); }), "Floating point division by zero");
    EXPECT_EQ(messageOf([] { checkedDivide(0.0, -0.0); }), "Invalid floating point operation");
}

} // namespace
