#include "profile/settingsfile.h"

#include "profile/cp1251.h"
#include "util/atomicfile.h"
#include "util/blanks.h"
#include "util/error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Blanks around section names, keys and states are not part of them.
constexpr Blanks kBlanks = Blanks::SpaceTab;

enum class Kind { Other, Header, Entry };

// One line of the file as byte offsets: its text is [begin, end), its line
// end [end, next). Lines cover the file without gaps, so copying the ranges
// of the lines to keep reproduces them byte for byte.
struct Line
{
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    Kind kind = Kind::Other;
    std::string_view name; // section name or key, Windows-1251, trimmed
    std::size_t valueBegin = 0; // entries: just after the first '='
};

// Splits the file into classified lines, one at a time.
class LineScanner
{
public:
    explicit LineScanner(std::string_view bytes) : m_bytes(bytes) { }

    bool next(Line &line)
    {
        const std::size_t pos = m_pos;
        if (pos >= m_bytes.size()) {
            return false;
        }
        const std::size_t end = std::min(nextOf('\r', m_nextCr, pos), nextOf('\n', m_nextLf, pos));
        line = Line {};
        line.begin = pos;
        line.end = end;
        line.next = end;
        if (end < m_bytes.size()) {
            const bool crLf = m_bytes.compare(end, 2, kLineEnd) == 0;
            line.next += crLf ? 2 : 1;
        }
        m_pos = line.next;

        const std::string_view text = m_bytes.substr(pos, end - pos);
        std::string_view head = trimLeadingBlanks(text, kBlanks);
        if (!head.empty() && head.front() == '[') {
            // A header without its ']' still ends the section before it, so
            // that the entries after a damaged header are not taken for
            // entries of the previous section.
            head.remove_prefix(1);
            line.kind = Kind::Header;
            line.name = trimBlanks(head.substr(0, head.find(']')), kBlanks);
            m_inSection = true;
        } else if (m_inSection) {
            if (const std::size_t eq = text.find('='); eq != text.npos) {
                line.kind = Kind::Entry;
                line.name = trimBlanks(text.substr(0, eq), kBlanks);
                line.valueBegin = pos + eq + 1;
            }
        }
        return true;
    }

private:
    // The first \a c at or after \a from, remembered in \a cached so that a
    // file of many lines is searched once for each kind of line end, not
    // once per line (a file without CR would otherwise be searched to its
    // end for every line).
    std::size_t nextOf(char c, std::size_t &cached, std::size_t from) const
    {
        if (cached < from || cached == kUnknown) {
            const void *found = std::memchr(m_bytes.data() + from, c, m_bytes.size() - from);
            cached = found
                    ? static_cast<std::size_t>(static_cast<const char *>(found) - m_bytes.data())
                    : m_bytes.size();
        }
        return cached;
    }

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_nextCr = kUnknown;
    std::size_t m_nextLf = kUnknown;
    bool m_inSection = false;
};

// Shows \a visit the lines of the first section named \a name, after its
// header, until it returns false. Everything works in one pass over the file
// and stops as early as it can, building no list of lines. Returns the
// section's header line, or nothing when there is no such section.
template<typename Visit>
std::optional<Line> visitSection(std::string_view bytes, std::string_view name, Visit visit)
{
    LineScanner scanner(bytes);
    std::optional<Line> header;
    for (Line line; scanner.next(line);) {
        if (line.kind == Kind::Header) {
            if (header) {
                break;
            }
            if (cp1251::equalNoCase(line.name, name)) {
                header = line;
            }
        } else if (header && !visit(line)) {
            break;
        }
    }
    return header;
}

bool isEntry(const Line &line, std::string_view key)
{
    return line.kind == Kind::Entry && cp1251::equalNoCase(line.name, key);
}

bool isBlankLine(std::string_view bytes, const Line &line)
{
    return trimBlanks(bytes.substr(line.begin, line.end - line.begin), kBlanks).empty();
}

enum class Load { Read, Absent, Failed };

using Stat = struct stat;

// Reads the whole file. Anything that is not a regular file fails, so that a
// directory or a FIFO at the path can neither hang a read nor be replaced.
Load loadFile(const fs::path &path, std::string &bytes)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? Load::Absent : Load::Failed;
    }
    Stat st {};
    Load result = Load::Read;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = Load::Failed;
    } else {
        // Room for one byte more than the size, so that the end of the file
        // normally shows with the second read; a file that grows meanwhile
        // is read whole all the same.
        std::size_t got = 0;
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        for (;;) {
            if (got == bytes.size()) {
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                result = Load::Failed;
                break;
            }
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (result != Load::Read) {
        bytes.clear();
    }
    return result;
}

// The file as a read sees it: absent and unreadable both read as empty.
std::string readForLookup(const fs::path &path)
{
    std::string bytes;
    loadFile(path, bytes);
    return bytes;
}

bool hasLineBreak(std::string_view s)
{
    return s.find_first_of(kLineEnd) != s.npos;
}

// Empty when the Windows-1251 \a section and \a key read back as themselves
// once written; else the message for the user.
std::string nameProblem(std::string_view section, std::string_view key,
        std::string_view sectionUtf8, std::string_view keyUtf8)
{
    const auto blankEnds = [](std::string_view s) {
        return !s.empty() && (isBlank(s.front(), kBlanks) || isBlank(s.back(), kBlanks));
    };
    std::string_view bad;
    if (section.find(']') != section.npos || hasLineBreak(section) || blankEnds(section)) {
        bad = sectionUtf8;
    } else if (key.find('=') != key.npos || hasLineBreak(key) || blankEnds(key)
            || (!key.empty() && key.front() == '[')) {
        bad = keyUtf8;
    } else {
        return {};
    }
    return "Имя «" + std::string(bad) + "» нельзя сохранить в файле настроек";
}

std::optional<bool> parseState(std::string_view text)
{
    text = trimBlanks(text, kBlanks);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex) {
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    bool nonZero = false;
    for (const char c : text) {
        const bool digit = (c >= '0' && c <= '9')
                || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) {
            return std::nullopt;
        }
        nonZero = nonZero || c != '0';
    }
    // Only zero or not matters, so a number of any length is fine.
    return nonZero;
}

std::string folded(std::string_view name)
{
    std::string out(name);
    for (char &c : out) {
        c = static_cast<char>(cp1251::foldCase(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace

// The file's first section of each name with its entries, built in one pass
// over the bytes: what a read would find by scanning, found at once.
struct SettingsFile::Index
{
    struct Section
    {
        bool hasKey = false;
        std::vector<std::string> keys; ///< each key once, file order, as spelled
        std::unordered_map<std::string, std::string_view> values; ///< by folded key
    };
    std::string bytes;
    std::unordered_map<std::string, Section> sections; ///< by folded name

    explicit Index(std::string fileBytes) : bytes(std::move(fileBytes))
    {
        const std::string_view all = bytes;
        LineScanner scanner(all);
        Section *current = nullptr;
        for (Line line; scanner.next(line);) {
            if (line.kind == Kind::Header) {
                const auto [it, first] = sections.try_emplace(folded(line.name));
                current = first ? &it->second : nullptr;
            } else if (current && line.kind == Kind::Entry) {
                current->hasKey = true;
                const std::string_view value =
                        all.substr(line.valueBegin, line.end - line.valueBegin);
                if (current->values.try_emplace(folded(line.name), value).second) {
                    current->keys.emplace_back(line.name);
                }
            }
        }
    }

    const Section *find(std::string_view section) const
    {
        const auto it = sections.find(folded(cp1251::fromUtf8(section)));
        return it == sections.end() ? nullptr : &it->second;
    }
};

SettingsFile::SettingsFile(const fs::path &path) : m_path(fs::absolute(path)) { }

void SettingsFile::ReadOnce()
{
    AbandonBatch();
    m_snapshot = std::make_shared<const Index>(readForLookup(m_path));
}

std::string SettingsFile::ReadString(
        std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    if (m_snapshot) {
        if (const Index::Section *found = m_snapshot->find(section)) {
            if (const auto it = found->values.find(folded(cp1251::fromUtf8(key)));
                    it != found->values.end()) {
                return cp1251::toUtf8(it->second.substr(0, kMaxValueLength));
            }
        }
        return std::string(defaultValue);
    }
    const std::string bytes = bytesForLookup();
    const std::string keyBytes = cp1251::fromUtf8(key);
    std::optional<std::string_view> value;
    visitSection(bytes, cp1251::fromUtf8(section), [&](const Line &line) {
        if (isEntry(line, keyBytes)) {
            const std::size_t length = std::min(line.end - line.valueBegin, kMaxValueLength);
            value = std::string_view(bytes).substr(line.valueBegin, length);
        }
        return !value;
    });
    return value ? cp1251::toUtf8(*value) : std::string(defaultValue);
}

void SettingsFile::WriteString(
        std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionBytes = cp1251::fromUtf8(section);
    const std::string keyBytes = cp1251::fromUtf8(key);
    if (const std::string problem = nameProblem(sectionBytes, keyBytes, section, key);
            !problem.empty()) {
        throw LoopwrightError(problem);
    }
    std::string valueBytes = cp1251::fromUtf8(value);
    // A line break would end the entry and start a line of its own, which
    // could even read as a header or an entry of someone else.
    for (char &c : valueBytes) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }

    Contents fresh;
    const Contents &old = loadForWrite(fresh);
    const std::string_view bytes = old.bytes;
    std::optional<Line> entry;
    std::optional<Line> last; // the section's last non-blank line
    const auto header = visitSection(bytes, sectionBytes, [&](const Line &line) {
        if (isEntry(line, keyBytes)) {
            entry = line;
        } else if (!isBlankLine(bytes, line)) {
            last = line;
        }
        return !entry;
    });

    const std::string newLine = keyBytes + "=" + valueBytes + std::string(kLineEnd);
    std::string out;
    out.reserve(bytes.size() + newLine.size() + sectionBytes.size() + 4);
    if (entry) {
        // Keep everything up to the '=' as it is (the key's spelling, blanks)
        // and the line's own line end.
        out.append(bytes.substr(0, entry->valueBegin));
        out.append(valueBytes);
        out.append(bytes.substr(entry->end));
    } else if (header) {
        // After the section's last non-blank line, so that blank lines
        // separating it from the next section stay between them.
        const Line &after = last ? *last : *header;
        out.append(bytes.substr(0, after.next));
        if (after.next == after.end) { // the file's last line, without its end
            out += kLineEnd;
        }
        out.append(newLine);
        out.append(bytes.substr(after.next));
    } else {
        out = bytes;
        if (!out.empty() && out.back() != '\r' && out.back() != '\n') {
            out += kLineEnd;
        }
        out += "[" + sectionBytes + "]" + std::string(kLineEnd) + newLine;
    }
    replaceContents(old, std::move(out));
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    // A default that no stored value can equal: a read value comes from
    // Windows-1251 bytes, which never decode to U+FFFF.
    static const std::string kAbsent = "\xEF\xBF\xBF";
    const std::string text = ReadString(section, key, kAbsent);
    if (text == kAbsent) {
        return defaultValue;
    }
    return parseState(text).value_or(defaultValue);
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

std::vector<std::string> SettingsFile::ReadSectionKeys(std::string_view section) const
{
    std::vector<std::string> keys;
    if (m_snapshot) {
        std::size_t used = 0;
        if (const Index::Section *found = m_snapshot->find(section)) {
            for (const std::string &key : found->keys) {
                used += key.size() + 1;
                if (used > kKeyListBytes) {
                    break;
                }
                keys.push_back(cp1251::toUtf8(key));
            }
        }
        return keys;
    }
    const std::string bytes = bytesForLookup();
    std::unordered_set<std::string> seen;
    std::size_t used = 0;
    visitSection(bytes, cp1251::fromUtf8(section), [&](const Line &line) {
        if (line.kind != Kind::Entry) {
            return true;
        }
        std::string folded(line.name);
        for (char &c : folded) {
            c = static_cast<char>(cp1251::foldCase(static_cast<unsigned char>(c)));
        }
        if (!seen.insert(std::move(folded)).second) {
            return true; // only the first entry of a key is ever read
        }
        used += line.name.size() + 1;
        if (used > kKeyListBytes) {
            return false;
        }
        keys.push_back(cp1251::toUtf8(line.name));
        return true;
    });
    return keys;
}

bool SettingsFile::SectionExists(std::string_view section) const
{
    if (m_snapshot) {
        const Index::Section *found = m_snapshot->find(section);
        return found && found->hasKey;
    }
    const std::string bytes = bytesForLookup();
    bool hasKey = false;
    visitSection(bytes, cp1251::fromUtf8(section), [&](const Line &line) {
        hasKey = line.kind == Kind::Entry;
        return !hasKey;
    });
    return hasKey;
}

void SettingsFile::EraseSection(std::string_view section)
{
    const std::string name = cp1251::fromUtf8(section);
    Contents fresh;
    const Contents &old = loadForWrite(fresh);
    const std::string_view bytes = old.bytes;
    std::string out;
    out.reserve(bytes.size());
    // Every copy of the section goes: erasing only the first would bring a
    // later duplicate to life.
    bool dropping = false;
    LineScanner scanner(bytes);
    for (Line line; scanner.next(line);) {
        if (line.kind == Kind::Header) {
            dropping = cp1251::equalNoCase(line.name, name);
        }
        if (!dropping) {
            out.append(bytes.substr(line.begin, line.next - line.begin));
        }
    }
    replaceContents(old, std::move(out));
}

void SettingsFile::DeleteKey(std::string_view section, std::string_view key) noexcept
{
    try {
        const std::string name = cp1251::fromUtf8(section);
        const std::string keyBytes = cp1251::fromUtf8(key);
        Contents fresh;
        const Contents &old = loadForWrite(fresh);
        const std::string_view bytes = old.bytes;
        std::string out;
        out.reserve(bytes.size());
        bool seen = false; // the first section of that name has begun
        bool inside = false; // and this line belongs to it
        LineScanner scanner(bytes);
        for (Line line; scanner.next(line);) {
            if (line.kind == Kind::Header) {
                inside = !seen && cp1251::equalNoCase(line.name, name);
                seen = seen || inside;
            } else if (inside && isEntry(line, keyBytes)) {
                // Duplicates of the key go too, or the next one would read in
                // its place and the key would seem not deleted.
                continue;
            }
            const std::string_view text = bytes.substr(line.begin, line.next - line.begin);
            // With the entry gone, a line ending in a lone CR could meet an
            // empty line ending in LF and the two would read as one line with
            // a CR LF end; such empty lines go too, so that every line left
            // is one of the old lines, unchanged.
            if (!out.empty() && out.back() == '\r' && text.front() == '\n') {
                continue;
            }
            out.append(text);
        }
        replaceContents(old, std::move(out));
    } catch (...) {
        // Deleting is best effort by contract: the caller goes on either way.
    }
}

std::string SettingsFile::bytesForLookup() const
{
    return m_batching ? m_batchCurrent.bytes : readForLookup(m_path);
}

void SettingsFile::BeginBatch()
{
    m_snapshot.reset();
    m_batching = false;
    Contents fresh;
    m_batchOriginal = loadForWrite(fresh);
    m_batchCurrent = m_batchOriginal;
    m_batching = true;
}

void SettingsFile::CommitBatch()
{
    if (!m_batching)
        return;
    m_batching = false;
    const Contents original = std::move(m_batchOriginal);
    const std::string changed = std::move(m_batchCurrent.bytes);
    m_batchOriginal = {};
    m_batchCurrent = {};
    writeContents(original, changed);
}

void SettingsFile::AbandonBatch() noexcept
{
    m_batching = false;
    m_batchOriginal = {};
    m_batchCurrent = {};
}

const SettingsFile::Contents &SettingsFile::loadForWrite(Contents &fresh) const
{
    // A batch changes its copy in place: a file of megabytes is not copied
    // again for every entry written.
    if (m_batching)
        return m_batchCurrent;
    const Load load = loadFile(m_path, fresh.bytes);
    // A file that exists but cannot be read must not be replaced by one that
    // holds only the new entry.
    if (load == Load::Failed) {
        failWrite();
    }
    fresh.existed = load == Load::Read;
    return fresh;
}

void SettingsFile::replaceContents(const Contents &old, std::string newBytes)
{
    m_snapshot.reset();
    if (m_batching) {
        m_batchCurrent.bytes = std::move(newBytes);
        return;
    }
    writeContents(old, newBytes);
}

void SettingsFile::writeContents(const Contents &old, const std::string &newBytes) const
{
    // Writing through a symbolic link updates the file it points to rather
    // than replacing the link with a plain file.
    fs::path target = m_path;
    std::error_code error;
    if (fs::is_symlink(m_path, error)) {
        const fs::path resolved = fs::canonical(m_path, error);
        if (!error) {
            target = resolved;
        }
    }
    const fs::path folder = target.parent_path();

    // A read-only file must refuse the change, although renaming over it
    // would work. The same checks stand in for the write when nothing
    // changes, so that a save into a read-only place is reported whether or
    // not it had anything new to store.
    const bool writable = (!old.existed || permitsWriting(target)) && permitsWriting(folder);
    if (!writable) {
        failWrite();
    }
    if (newBytes == old.bytes) {
        return;
    }

    // One safe replacement for every file the program writes: only a
    // regular file is replaced, its mode and owner are kept.
    try {
        writeFileAtomically(m_path, newBytes);
    } catch (const FileWriteError &) {
        failWrite();
    }
}

bool permitsWriting(const fs::path &path)
{
    // access() lets root through whatever the mode says, so a mode without
    // any write bit is refused as well: that is how a user marks a file or
    // folder read-only, and a read-only mount fails access() for everyone.
    Stat st {};
    if (::stat(path.c_str(), &st) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    const int wanted = S_ISDIR(st.st_mode) ? W_OK | X_OK : W_OK;
    return ::access(path.c_str(), wanted) == 0;
}

void SettingsFile::failWrite() const
{
    throw LoopwrightError("Unable to write to " + m_path.string());
}
