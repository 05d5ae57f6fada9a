#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

/// A fresh folder under the system's temporary folder, removed with
/// everything in it (read-only parts included) when the object goes.
class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern =
                (std::filesystem::temp_directory_path() / "loopwright-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code error;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(m_path, error)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                    std::filesystem::perm_options::add, error);
        }
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// A folder of this test program's own for the whole run (made at first use,
/// removed at exit), so that two runs at once never share a file.
inline const std::filesystem::path &programTempFolder()
{
    static const TempFolder folder;
    return folder.path();
}

inline std::string readBytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path &file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
