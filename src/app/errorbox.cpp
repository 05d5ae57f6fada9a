#include "errorbox.h"

#include <QMessageBox>

#include <algorithm>

namespace {

constexpr qsizetype kLine = 40; // characters between break opportunities
constexpr qsizetype kLongest = 240; // a longer run keeps its two ends
constexpr QChar kEllipsis(0x2026);
constexpr QChar kZeroWidthSpace(0x200B);

// Cut positions must not split a surrogate pair.
qsizetype whole(const QString &s, qsizetype at)
{
    return at > 0 && at < s.size() && s[at - 1].isHighSurrogate() ? at + 1 : at;
}

QString fitted(const QString &message)
{
    QString out;
    for (qsizetype i = 0; i < message.size();) {
        if (message[i].isSpace()) {
            out += message[i++];
            continue;
        }
        qsizetype end = i;
        while (end < message.size() && !message[end].isSpace())
            ++end;
        QString run = message.mid(i, end - i);
        i = end;
        if (run.size() > kLongest) {
            const qsizetype head = whole(run, kLongest / 2);
            const qsizetype tail = whole(run, run.size() - kLongest / 2);
            run = run.left(head) + kEllipsis + run.mid(tail);
        }
        for (qsizetype at = 0; at < run.size();) {
            const qsizetype next = whole(run, std::min(at + kLine, run.size()));
            if (at > 0)
                out += kZeroWidthSpace;
            out += run.mid(at, next - at);
            at = next;
        }
    }
    return out;
}

} // namespace

void setErrorText(QMessageBox &box, const QString &message)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(fitted(message));
}
