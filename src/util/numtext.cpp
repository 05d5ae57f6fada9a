#include "numtext.h"

#include "util/blanks.h"
#include "util/error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace errors {
std::string excerpt(std::string_view text)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size() && characters < kQuotedCharacters;
            ++characters) {
        const auto lead = static_cast<unsigned char>(text[end++]);
        const int continuations = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        for (int k = 0; k < continuations && end < text.size()
                && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
                ++k)
            ++end;
    }
    std::string out(text.substr(0, end));
    if (end < text.size())
        out += "…";
    return out;
}

LoopwrightError notADecimal(std::string_view text)
{
    return LoopwrightError("'" + excerpt(text) + "' is not a valid floating point value");
}

LoopwrightError notAWholeNumber(std::string_view text)
{
    return LoopwrightError("'" + excerpt(text) + "' is not a valid integer value");
}
} // namespace errors

namespace numtext {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The 15 significant digits of a finite non-zero |x| and its decimal
// exponent: |x| ~ 0.d1d2...d15 * 10^(exponent + 1).
struct Digits
{
    std::array<char, 15> digit;
    int exponent;
};

Digits decimalDigits(double magnitude)
{
    char buffer[48];
    const auto result = std::to_chars(
            buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    // "d.ddddddddddddddde[+-]xx"
    Digits d {};
    d.digit[0] = buffer[0];
    for (int i = 1; i < 15; ++i)
        d.digit[i] = buffer[i + 1];
    const char *e = buffer + 17; // past the 'e'
    std::from_chars(e[0] == '+' ? e + 1 : e, result.ptr, d.exponent);
    return d;
}

} // namespace

double parseDecimal(std::string_view text)
{
    const std::string_view t = trimBlanks(text, Blanks::SpaceTab);
    char buffer[64];
    if (t.empty() || t.size() >= sizeof buffer)
        throw errors::notADecimal(text);
    std::size_t start = 0;
    if (t[0] == '+' || t[0] == '-')
        start = 1;
    // The body must begin with a digit or a separator: this keeps out "inf",
    // "nan" and a second sign, which the conversion below would accept.
    if (start >= t.size() || !(isDigit(t[start]) || t[start] == ',' || t[start] == '.'))
        throw errors::notADecimal(text);
    std::size_t n = 0;
    if (t[0] == '-')
        buffer[n++] = '-';
    for (std::size_t i = start; i < t.size(); ++i)
        buffer[n++] = t[i] == ',' ? '.' : t[i];
    double value = 0.0;
    const auto result = std::from_chars(buffer, buffer + n, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != buffer + n)
        throw errors::notADecimal(text);
    return value;
}

int parseWhole(std::string_view text)
{
    const std::string_view t = trimBlanks(text, Blanks::SpaceTab);
    std::size_t start = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    if (start >= t.size())
        throw errors::notAWholeNumber(text);
    std::int64_t value = 0;
    for (std::size_t i = start; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            throw errors::notAWholeNumber(text);
        value = value * 10 + (t[i] - '0');
        if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
            throw errors::notAWholeNumber(text);
    }
    if (t[0] == '-')
        value = -value;
    if (value > std::numeric_limits<int>::max())
        throw errors::notAWholeNumber(text);
    return static_cast<int>(value);
}

double shownValue(double x)
{
    // Values rounded to tenths or hundredths by nearest1/nearest2 are k * 0.1
    // or k * 0.01; their 15-digit text is the exact decimal k/10 or k/100, and
    // reading it back gives the correctly rounded quotient.
    for (const double scale : {10.0, 100.0}) {
        const double k = nearest(x * scale);
        if (std::fabs(k) < 1e14 && k * (1.0 / scale) == x)
            return k / scale;
    }
    return parseDecimal(formatGeneral(x));
}

namespace {
// Most texts the program writes are values rounded to tenths or hundredths,
// k * 0.1 or k * 0.01; their 15-digit form is the exact decimal k/10 or
// k/100, written here from the whole number k without a conversion of the
// double.
bool formatScaledWhole(double x, std::string &out)
{
    for (const auto &[scale, decimals] : {std::pair {10.0, 1}, std::pair {100.0, 2}}) {
        const double k = nearest(x * scale);
        if (!(std::fabs(k) < 1e14) || k * (1.0 / scale) != x)
            continue;
        auto digits = static_cast<long long>(std::fabs(k));
        int places = decimals;
        while (places > 0 && digits % 10 == 0) {
            digits /= 10;
            --places;
        }
        std::string text = std::to_string(digits);
        if (places > 0) {
            if (int(text.size()) <= places)
                text.insert(0, std::size_t(places + 1 - int(text.size())), '0');
            text.insert(text.size() - std::size_t(places), 1, ',');
        }
        out = (k < 0 && digits != 0) ? "-" + text : text;
        return true;
    }
    return false;
}
} // namespace

std::string formatGeneral(double x)
{
    std::string fast;
    if (formatScaledWhole(x, fast))
        return fast;
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    if (x == 0.0)
        return "0";
    const Digits d = decimalDigits(std::fabs(x));
    int count = 15;
    while (count > 1 && d.digit[count - 1] == '0')
        --count;
    std::string out;
    if (x < 0)
        out += '-';
    const int e = d.exponent;
    if (e >= -5 && e < 15) {
        if (e >= 0) {
            for (int i = 0; i <= e; ++i)
                out += i < count ? d.digit[i] : '0';
            if (count > e + 1) {
                out += ',';
                out.append(d.digit.data() + e + 1, count - e - 1);
            }
        } else {
            out += "0,";
            out.append(-e - 1, '0');
            out.append(d.digit.data(), count);
        }
    } else {
        out += d.digit[0];
        if (count > 1) {
            out += ',';
            out.append(d.digit.data() + 1, count - 1);
        }
        out += 'E';
        out += std::to_string(e);
    }
    return out;
}

std::string formatHash2(double x)
{
    if (!std::isfinite(x))
        return formatGeneral(x);
    if (x == 0.0)
        return "0";
    const Digits d = decimalDigits(std::fabs(x));
    // The 15 digits as an integer m, so |x| = m * 10^(exponent - 14); we need
    // the number of hundredths, round(m * 10^(exponent - 12)), halves up.
    std::uint64_t m = 0;
    for (char c : d.digit)
        m = m * 10 + std::uint64_t(c - '0');
    const int shift = d.exponent - 12;
    std::string integerPart;
    unsigned hundredths = 0;
    if (shift >= 0) {
        // |x| * 100 is the whole number m * 10^shift: its last two digits are
        // the hundredths.
        std::string all(d.digit.data(), 15);
        all.append(std::size_t(shift), '0');
        integerPart = all.substr(0, all.size() - 2);
        hundredths = unsigned((all[all.size() - 2] - '0') * 10 + (all[all.size() - 1] - '0'));
    } else {
        const int cut = -shift;
        std::uint64_t cents = 0;
        if (cut <= 18) {
            std::uint64_t p = 1;
            for (int i = 0; i < cut; ++i)
                p *= 10;
            cents = m / p;
            if ((m % p) * 2 >= p)
                ++cents;
        }
        integerPart = std::to_string(cents / 100);
        hundredths = unsigned(cents % 100);
    }
    // Drop leading zeros of the integer part but keep one digit.
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    std::string out;
    if (x < 0 && (integerPart != "0" || hundredths != 0))
        out += '-';
    out += integerPart;
    if (hundredths != 0) {
        out += ',';
        out += char('0' + hundredths / 10);
        if (hundredths % 10 != 0)
            out += char('0' + hundredths % 10);
    }
    return out;
}

std::string formatLongTime(std::int64_t msOfDay)
{
    const std::int64_t seconds = msOfDay / 1000;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld",
            static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
            static_cast<long long>(seconds % 60));
    return buffer;
}

std::string formatShortest(double x)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

} // namespace numtext
