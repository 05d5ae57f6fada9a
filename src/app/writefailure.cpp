#include "writefailure.h"

#include "util/atomicfile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <utility>

QString writeFailureReason(const FileWriteError &error)
{
    static const std::pair<int, const char *> known[] = {
            {ENOENT, QT_TRANSLATE_NOOP("WriteFailure", "такой папки нет")},
            {EACCES, QT_TRANSLATE_NOOP("WriteFailure", "нет прав на запись")},
            {EPERM, QT_TRANSLATE_NOOP("WriteFailure", "нет прав на запись")},
            {EROFS, QT_TRANSLATE_NOOP("WriteFailure", "диск доступен только для чтения")},
            {ENOSPC, QT_TRANSLATE_NOOP("WriteFailure", "на диске нет места")},
            {EDQUOT, QT_TRANSLATE_NOOP("WriteFailure", "превышена квота на диске")},
            {EISDIR, QT_TRANSLATE_NOOP("WriteFailure", "это папка, а не файл")},
            {ENOTDIR, QT_TRANSLATE_NOOP("WriteFailure", "в пути есть файл вместо папки")},
            {ENAMETOOLONG, QT_TRANSLATE_NOOP("WriteFailure", "слишком длинное имя")},
    };
    for (const auto &[code, text] : known) {
        if (error.reason() == std::strerror(code))
            return QCoreApplication::translate("WriteFailure", text);
    }
    return QString::fromLocal8Bit(error.reason().c_str());
}
