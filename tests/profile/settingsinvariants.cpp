#include "settingsinvariants.h"

#include "profile/cp1251.h"
#include "setup/presetname.h"
#include "profile/settingsfile.h"
#include "tempfolder.h"
#include "util/error.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A default that no stored value can be: U+2713 is not in Windows-1251.
const std::string kMissing = "\xE2\x9C\x93";
const std::string kFlag = "Флаг";

struct Entry
{
    std::string section;
    std::string key;
    std::string value;
};

std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : bytes) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return h;
}

// Section names worth trying: the program's own, and the first few header
// names of the file itself (each as the file spells it).
std::vector<std::string> candidateSections(std::string_view bytes)
{
    std::vector<std::string> names = {"TEdit", "Настройка 1Tedit", "Listboxvalue"};
    std::size_t pos = 0;
    while (pos < bytes.size() && names.size() < 10) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == line.npos || line[start] != '[') {
            continue;
        }
        line = line.substr(start + 1);
        line = line.substr(0, line.find(']'));
        const std::size_t first = line.find_first_not_of(" \t");
        line = first == line.npos ? std::string_view()
                                  : line.substr(first, line.find_last_not_of(" \t") - first + 1);
        names.push_back(cp1251::toUtf8(line));
    }
    return names;
}

// The file's lines, each with its own line end.
std::vector<std::string_view> linesOf(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t next = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        if (next < bytes.size()) {
            next += bytes.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        }
        lines.push_back(bytes.substr(pos, next - pos));
        pos = next;
    }
    return lines;
}

// Whether \a after is \a before with whole lines taken out, the rest untouched.
bool onlyLinesRemoved(std::string_view before, std::string_view after)
{
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    std::size_t i = 0;
    for (const std::string_view line : b) {
        while (i < a.size() && a[i] != line) {
            ++i;
        }
        if (i == a.size()) {
            return false;
        }
        ++i;
    }
    return true;
}

std::size_t characters(const std::string &utf8)
{
    return cp1251::fromUtf8(utf8).size();
}

bool sameName(const std::string &a, const std::string &b)
{
    return cp1251::equalNoCase(cp1251::fromUtf8(a), cp1251::fromUtf8(b));
}

// Every snapshot entry not excluded still reads as before.
std::string checkUnchanged(const SettingsFile &file, const std::vector<Entry> &entries,
        const std::string &what, auto excluded)
{
    for (const Entry &e : entries) {
        if (!excluded(e) && file.ReadString(e.section, e.key, kMissing) != e.value) {
            return what + " changed [" + e.section + "] " + e.key;
        }
    }
    return {};
}

std::string run(std::string_view bytes, const std::filesystem::path &folder)
{
    if (cp1251::fromUtf8(cp1251::toUtf8(bytes)) != bytes) {
        return "the code page does not round-trip the file";
    }
    const std::filesystem::path path = folder / "config.ini";
    writeBytes(path, bytes);
    SettingsFile file(path);
    const std::vector<std::string> sections = candidateSections(bytes);

    std::vector<Entry> snapshot;
    std::vector<std::vector<std::string>> keysOf;
    for (const std::string &section : sections) {
        std::vector<std::string> keys = file.ReadSectionKeys(section);
        if (!keys.empty() && !file.SectionExists(section)) {
            return "[" + section + "] lists keys but does not exist";
        }
        for (std::size_t i = 0; i < keys.size() && i < 16; ++i) {
            const std::string value = file.ReadString(section, keys[i], kMissing);
            if (value == kMissing) {
                return "listed key " + keys[i] + " reads as absent";
            }
            if (characters(value) > SettingsFile::kMaxValueLength) {
                return "value of " + keys[i] + " is too long";
            }
            file.ReadBool(section, keys[i], false);
            snapshot.push_back({section, keys[i], value});
        }
        keysOf.push_back(std::move(keys));
    }
    if (readBytes(path) != bytes) {
        return "a read changed the file";
    }
    // Read once into memory, the file answers as a fresh read of it does.
    SettingsFile once(path);
    once.ReadOnce();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (once.ReadSectionKeys(sections[i]) != keysOf[i]
                || once.SectionExists(sections[i]) != file.SectionExists(sections[i])
                || once.ReadString(sections[i], kFlag, kMissing)
                        != file.ReadString(sections[i], kFlag, kMissing)) {
            return "read once, [" + sections[i] + "] reads otherwise";
        }
    }
    if (auto problem = checkUnchanged(
                once, snapshot, "reading once", [](const Entry &) { return false; });
            !problem.empty()) {
        return problem;
    }

    // Write: an existing key or a new one, into one of the sections.
    const std::uint64_t h = fnv1a(bytes);
    const std::size_t si = h % sections.size();
    const std::string &section = sections[si];
    const std::vector<std::string> &before = keysOf[si];
    const bool existing = !before.empty() && (h >> 8) % 2 == 0;
    const std::string key =
            existing ? before[(h >> 16) % before.size()] : "НовыйКлюч" + std::to_string(h % 997);
    const std::string value = "значение = " + std::to_string(h % 10007) + " ;[x]";
    file.WriteString(section, key, value);
    const std::string written = readBytes(path);
    if (file.ReadString(section, key, kMissing) != value) {
        return "written value does not read back";
    }
    std::size_t prefix = 0;
    while (prefix < bytes.size() && prefix < written.size() && bytes[prefix] == written[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < bytes.size() - prefix && suffix < written.size() - prefix
            && bytes[bytes.size() - 1 - suffix] == written[written.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view replaced = bytes.substr(prefix, bytes.size() - prefix - suffix);
    if (replaced.find_first_of("\r\n") != replaced.npos) {
        return "the write changed more than one line";
    }
    const auto isWritten = [&](const Entry &e) {
        return sameName(e.section, section) && (sameName(e.key, key) || sameName(e.key, kFlag));
    };
    if (auto problem = checkUnchanged(file, snapshot, "the write", isWritten); !problem.empty()) {
        return problem;
    }
    const std::vector<std::string> after = file.ReadSectionKeys(section);
    if (after.size() < before.size() || !std::equal(before.begin(), before.end(), after.begin())) {
        return "the write reordered or lost listed keys";
    }
    if (before.empty() && after != std::vector<std::string> {key}) {
        return "the written key is not listed";
    }
    file.WriteString(section, key, value);
    if (readBytes(path) != written) {
        return "writing the same value again changed the file";
    }

    file.WriteBool(section, kFlag, true);
    if (!file.ReadBool(section, "флаг", false)) {
        return "a true state reads back false";
    }
    file.WriteBool(section, kFlag, false);
    if (file.ReadBool(section, "ФЛАГ", true)) {
        return "a false state reads back true";
    }

    const std::string beforeDelete = readBytes(path);
    file.DeleteKey(section, key);
    const std::string beforeErase = readBytes(path);
    if (!onlyLinesRemoved(beforeDelete, beforeErase)) {
        return "deleting changed other lines";
    }
    if (file.ReadString(section, key, kMissing) != kMissing) {
        return "a deleted key still reads";
    }
    if (auto problem = checkUnchanged(file, snapshot, "deleting", isWritten); !problem.empty()) {
        return problem;
    }

    const std::string &erased = sections[(h >> 24) % sections.size()];
    file.EraseSection(erased);
    if (!onlyLinesRemoved(beforeErase, readBytes(path))) {
        return "erasing changed other lines";
    }
    if (file.SectionExists(erased) || !file.ReadSectionKeys(erased).empty()) {
        return "an erased section still exists";
    }
    const auto gone = [&](const Entry &e) { return isWritten(e) || sameName(e.section, erased); };
    if (auto problem = checkUnchanged(file, snapshot, "erasing", gone); !problem.empty()) {
        return problem;
    }

    // A preset name that the check lets through must come back as itself.
    const std::string name(bytes.substr(0, 40));
    if (!name.empty() && presetNameProblem(name).empty()) {
        file.WriteString("Listboxvalue", name, "");
        file.WriteString(name + "Tedit", "Edit25", name);
        if (file.ReadString("Listboxvalue", name, kMissing) != ""
                || file.ReadString(name + "Tedit", "Edit25", kMissing) != name) {
            return "an accepted preset name does not read back";
        }
    }
    return {};
}

} // namespace

std::string checkSettingsInvariants(std::string_view bytes, const std::filesystem::path &folder)
{
    try {
        return run(bytes, folder);
    } catch (const LoopwrightError &error) {
        return std::string("unexpected error: ") + error.what();
    }
}
