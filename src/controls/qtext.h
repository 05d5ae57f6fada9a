#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

// Text and file names between the widget-free layers (UTF-8 strings, paths
// as the file system's bytes) and Qt: one conversion each for every window.

/// A UTF-8 text of the layers below as Qt text.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

/// A file name the user chose or Qt gave, as the bytes the file system holds.
inline std::filesystem::path onDisk(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

/// A file name of the layers below as the user reads it.
inline QString fromDisk(const std::filesystem::path &path)
{
    return QFile::decodeName(path.c_str());
}
