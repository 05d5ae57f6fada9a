#include "profile/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace cp1251 {
namespace {

// Unicode code points of bytes 0x80..0xBF (Windows-1251 code page table).
constexpr std::array<char32_t, 64> kHigh = {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
        0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
        0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
        0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
        0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
        0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
        0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
        0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

// The character of a Windows-1251 byte: ASCII below 0x80, the table up to
// 0xBF, and from 0xC0 the capitals and small letters А..я in alphabet order.
constexpr char32_t codePointOf(unsigned char b)
{
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xC0) {
        return 0x0410 + (b - 0xC0);
    }
    return kHigh[b - 0x80];
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

using Reverse = std::array<std::pair<char32_t, unsigned char>, 128>;

const Reverse &reverseTable()
{
    static const Reverse table = [] {
        Reverse r {};
        for (unsigned i = 0; i < 128; ++i) {
            const auto b = static_cast<unsigned char>(0x80 + i);
            r[i] = {codePointOf(b), b};
        }
        std::sort(r.begin(), r.end());
        return r;
    }();
    return table;
}

// The byte for code point c, or -1 when the code page lacks it.
int byteFor(char32_t c)
{
    if (c < 0x80) {
        return static_cast<int>(c);
    }
    const Reverse &r = reverseTable();
    const auto it = std::lower_bound(r.begin(), r.end(), std::pair<char32_t, unsigned char> {c, 0});
    return it != r.end() && it->first == c ? it->second : -1;
}

// Decodes one UTF-8 sequence at the start of s, strictly: overlong forms,
// surrogates and values above U+10FFFF are invalid. Returns the code point
// (kInvalid for a bad sequence) and the number of bytes taken (1 when bad, so
// that one bad byte is replaced by one '?').
std::pair<char32_t, std::size_t> decodeOne(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) {
        return {b0, 1};
    }
    // Sequence length, payload bits of the lead byte, smallest code point
    // that needs that length (anything below is an overlong form).
    struct Lead
    {
        unsigned char mask, value, payload;
        std::size_t len;
        char32_t min;
    };
    static constexpr std::array<Lead, 3> kLeads = {{
            {0xE0, 0xC0, 0x1F, 2, 0x80},
            {0xF0, 0xE0, 0x0F, 3, 0x800},
            {0xF8, 0xF0, 0x07, 4, 0x10000},
    }};
    const auto lead = std::find_if(
            kLeads.begin(), kLeads.end(), [b0](const Lead &l) { return (b0 & l.mask) == l.value; });
    if (lead == kLeads.end()) {
        return {kInvalid, 1};
    }
    const std::size_t len = lead->len;
    const char32_t min = lead->min;
    char32_t c = b0 & lead->payload;
    if (s.size() < len) {
        return {kInvalid, 1};
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) {
            return {kInvalid, 1};
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {kInvalid, 1};
    }
    return {c, len};
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // The table holds nothing beyond the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t lowerCodePoint(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0x0410 && c <= 0x042F)) {
        return c + 0x20;
    }
    if (c >= 0x0400 && c <= 0x040F) { // Ё, Ђ, Є, І, Ї, Ў and the others
        return c + 0x50;
    }
    if (c == 0x0490) { // Ґ
        return 0x0491;
    }
    return c;
}

using FoldTable = std::array<unsigned char, 256>;

const FoldTable &foldTable()
{
    static const FoldTable table = [] {
        FoldTable t {};
        for (unsigned b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            t[b] = static_cast<unsigned char>(byteFor(lowerCodePoint(codePointOf(byte))));
        }
        return t;
    }();
    return table;
}

} // namespace

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [c, len] = decodeOne(utf8);
        const int b = c == kInvalid ? -1 : byteFor(c);
        out += b < 0 ? '?' : static_cast<char>(b);
        utf8.remove_prefix(len);
    }
    return out;
}

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            appendUtf8(out, codePointOf(b));
        }
    }
    return out;
}

std::string firstUnencodable(std::string_view utf8)
{
    while (!utf8.empty()) {
        const auto [c, len] = decodeOne(utf8);
        if (c == kInvalid || byteFor(c) < 0) {
            return std::string(utf8.substr(0, len));
        }
        utf8.remove_prefix(len);
    }
    return {};
}

unsigned char foldCase(unsigned char byte)
{
    return foldTable()[byte];
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    const FoldTable &t = foldTable();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (t[static_cast<unsigned char>(a[i])] != t[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

} // namespace cp1251
