#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// One settings file of the private profile kind: "[Section]" header lines,
/// each followed by "Key=Value" entry lines, single-byte Windows-1251 text,
/// CR LF line ends. Texts passed in and returned are UTF-8; a character that
/// Windows-1251 lacks is stored as '?'.
///
/// The object only remembers the path: every call reads the file afresh, and
/// every change rewrites it at once, atomically (a temporary file in the same
/// folder is written, flushed to disk and renamed over the old one), so an
/// interrupted or refused save leaves the previous file whole. A change that
/// would leave the file as it is writes nothing, but still fails when the
/// file or its folder is read-only, as the write would.
///
/// Reading rules, chosen so that hand-edited and damaged files read sensibly:
/// - Lines end at CR LF, a lone CR or a lone LF; the last line needs no end.
/// - A line whose first non-blank character is '[' starts a section; its
///   name runs to the first ']' (to the line's end if there is none), with
///   blanks (spaces, tabs) around it ignored. Anything after ']' is ignored.
/// - Inside a section, a line with '=' is an entry: the key is the text
///   before the first '=' without surrounding blanks; the value is the rest of
///   the line exactly as stored. Any other line, and every line before the
///   first section, is kept but means nothing.
/// - Section names and keys compare without regard to the case of Latin and
///   Cyrillic letters.
/// - When a section name appears more than once, the first such section is
///   the one read and written; when a key appears more than once in it, the
///   first entry is. Later duplicates are kept as they are.
/// - A change rewrites only the lines it must; every other byte of the file,
///   including lines it does not understand, stays as it was.
class SettingsFile
{
public:
    /// Longest value, in characters, that a read returns; longer stored
    /// values are cut to this length (the file keeps them whole).
    static constexpr std::size_t kMaxValueLength = 2047;
    /// ReadSectionKeys lists keys as long as they fit into this many bytes,
    /// counting each key's Windows-1251 length plus one.
    static constexpr std::size_t kKeyListBytes = 16384;

    /// Binds the object to the file at \a path (made absolute). The file need
    /// not exist.
    explicit SettingsFile(const std::filesystem::path &path);

    const std::filesystem::path &path() const { return m_path; }

    /// The value of \a key in \a section (at most kMaxValueLength characters),
    /// or \a defaultValue when the file, the section or the key is absent or
    /// the file cannot be read.
    std::string ReadString(
            std::string_view section, std::string_view key, std::string_view defaultValue) const;

    /// Stores \a value under \a key in \a section, creating the file, the
    /// section (at the end of the file) and the key (at the end of its
    /// section) as needed; an existing key keeps its line. A line break in
    /// \a value is stored as a space. Throws LoopwrightError "Unable to write
    /// to <path>" when the file cannot be written, and a LoopwrightError
    /// naming the section or key when it cannot be stored so that it reads
    /// back the same (a section name with ']', a key with '=' or starting with
    /// '[', a line break in either, or blanks around either); the file is
    /// then unchanged.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    /// The stored value read as a whole number (decimal, or hexadecimal after
    /// "0x"/"0X"; an optional sign; blanks around it ignored): true unless it
    /// is zero. \a defaultValue when the entry is absent or not such a number.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    /// WriteString of "1" for true, "0" for false.
    void WriteBool(std::string_view section, std::string_view key, bool value);

    /// The keys of \a section in file order, each once, stopping before the
    /// first key that would overflow kKeyListBytes. Empty when the section or
    /// the file is absent.
    std::vector<std::string> ReadSectionKeys(std::string_view section) const;

    /// Whether \a section holds at least one key.
    bool SectionExists(std::string_view section) const;

    /// Removes every section named \a section, with its header and all its
    /// lines. Throws like WriteString when the file cannot be written.
    void EraseSection(std::string_view section);

    /// Removes the lines of \a key (duplicates included) from the first
    /// section named \a section. A failure is ignored.
    void DeleteKey(std::string_view section, std::string_view key) noexcept;

    /// Starts a batch: the file is read once now (throws like WriteString
    /// when it exists but cannot be read), and from then on reads and changes
    /// work on that copy in memory; nothing reaches the disk until
    /// CommitBatch. Many changes thus cost one safe replace, and a batch that
    /// fails half-way leaves the file exactly as it was.
    void BeginBatch();
    /// Writes everything the batch changed in one atomic replace and ends the
    /// batch. Throws like WriteString when the file cannot be written; the
    /// batch has ended either way, and the file is then unchanged.
    void CommitBatch();
    /// Ends the batch, dropping its changes.
    void AbandonBatch() noexcept;

    /// Reads the file once, now, and answers every later read from that
    /// copy in memory, looked up through an index of its sections and keys:
    /// start-up makes some fifty reads, and a file of many megabytes (a
    /// damaged one) must not be read and scanned fifty times. Like every
    /// read, a file that cannot be read reads as empty. For reading only: a
    /// change ends the snapshot first.
    void ReadOnce();

private:
    struct Index;
    struct Contents
    {
        std::string bytes;
        bool existed = false;
    };
    const Contents &loadForWrite(Contents &fresh) const;
    std::string bytesForLookup() const;
    void replaceContents(const Contents &old, std::string newBytes);
    void writeContents(const Contents &old, const std::string &newBytes) const;
    [[noreturn]] void failWrite() const;

    std::filesystem::path m_path;
    bool m_batching = false;
    Contents m_batchOriginal; ///< the file as the batch found it
    Contents m_batchCurrent; ///< the file as the batch has changed it
    std::shared_ptr<const Index> m_snapshot; ///< set by ReadOnce
};

/// Whether this process may change the file at \a path, or create and
/// replace files in the folder at \a path: the system grants it and the mode
/// has a write bit (root is granted everything, but a file or folder without
/// write bits is meant to be read-only).
bool permitsWriting(const std::filesystem::path &path);

/// A batch held open for a scope: Commit() writes it; a scope left without
/// Commit (an error on the way) drops it, so the file stays as it was.
class SettingsBatch
{
public:
    explicit SettingsBatch(SettingsFile &file) : m_file(file) { m_file.BeginBatch(); }
    ~SettingsBatch()
    {
        if (m_open)
            m_file.AbandonBatch();
    }
    SettingsBatch(const SettingsBatch &) = delete;
    SettingsBatch &operator=(const SettingsBatch &) = delete;

    void Commit()
    {
        m_open = false;
        m_file.CommitBatch();
    }

private:
    SettingsFile &m_file;
    bool m_open = true;
};
