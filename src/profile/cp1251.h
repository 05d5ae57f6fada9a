#pragma once

#include <string>
#include <string_view>

/// The single-byte Windows-1251 code page of the settings file, without any
/// locale or conversion library: the program's texts are UTF-8 in memory and
/// Windows-1251 on disk.
namespace cp1251 {

/// Converts UTF-8 text to Windows-1251. A character that the code page does
/// not hold, and each byte that is not part of valid UTF-8, becomes '?'.
std::string fromUtf8(std::string_view utf8);

/// Converts Windows-1251 bytes to UTF-8. Every byte has a character (the one
/// unassigned byte, 0x98, stands for U+0098), so fromUtf8(toUtf8(b)) == b for
/// any bytes b.
std::string toUtf8(std::string_view bytes);

/// The first character of \a utf8 that fromUtf8 cannot convert faithfully,
/// as UTF-8 (or the single offending byte of invalid UTF-8); empty when the
/// whole text converts.
std::string firstUnencodable(std::string_view utf8);

/// A Windows-1251 byte with its letter, Latin or Cyrillic, in lower case.
unsigned char foldCase(unsigned char byte);

/// Whether two Windows-1251 texts are equal without regard to letter case.
bool equalNoCase(std::string_view a, std::string_view b);

} // namespace cp1251
