#pragma once

#include <QString>

class FileWriteError;

/// Why a file could not be written, in the interface's language where the
/// system's reason is one a user meets (no such folder, no permission, a
/// full or read-only disk...); any other as the system gives it.
QString writeFailureReason(const FileWriteError &error);
