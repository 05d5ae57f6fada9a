#include "writefailure.h"

#include "util/atomicfile.h"

#include <QCoreApplication>

#include <cerrno>
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
    switch (error.refusal()) {
    case FileRefusal::NotRegularFile:
        return QCoreApplication::translate(
                "WriteFailure", "это не обычный файл (устройство, канал или сокет)");
    case FileRefusal::OpenFileLink:
        return QCoreApplication::translate(
                "WriteFailure", "это ссылка на открытый программой файл, а не имя файла");
    case FileRefusal::StandardStream:
        return QCoreApplication::translate(
                "WriteFailure", "это стандартный ввод, вывод или поток ошибок программы");
    case FileRefusal::ReadOnly:
    case FileRefusal::None:
        break;
    }
    for (const auto &[code, text] : known) {
        if (error.errorCode() == code)
            return QCoreApplication::translate("WriteFailure", text);
    }
    return QString::fromLocal8Bit(error.reason().c_str());
}
