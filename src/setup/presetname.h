#pragma once

#include <string>
#include <string_view>

/// Why a named preset cannot be saved under \a name, as a message for the
/// user; empty when it can. The name becomes a key and part of four section
/// names in the settings file, so it must not hold '=', '[', ']' or a line
/// break, start or end with a space or tab, or hold a character that
/// Windows-1251 lacks. The empty name passes: the caller decides about it.
std::string presetNameProblem(std::string_view name);
