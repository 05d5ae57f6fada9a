#pragma once

#include <filesystem>
#include <string>
#include <string_view>

/// Stores \a bytes as "config.ini" in \a folder and runs reads, writes,
/// key deletion and section erasure on it, checking what must hold for any
/// file: listed keys read back, a write reads back and changes no other
/// entry and no byte outside its own line, rewriting the same value changes
/// nothing, deleted keys and erased sections read as absent. Returns a
/// description of the first broken rule, or an empty text when all hold.
/// Shared by the fuzzer and the corpus replay test.
std::string checkSettingsInvariants(std::string_view bytes, const std::filesystem::path &folder);
