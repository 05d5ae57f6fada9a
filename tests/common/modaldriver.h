#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

/// Drives the modal dialog of type D that the code about to run opens:
/// \a act runs on it once it is the active modal widget. A dialog that does
/// not appear within \a timeoutMs is a failure, not a hang, and one that \a act
/// leaves open (an assertion failed inside it) is rejected, so that its
/// exec() returns.
template<typename D>
void whenModal(std::function<void(D *)> act, int timeoutMs = 5000)
{
    auto *poll = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, act] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!dialog && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog appeared in time";
            if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                other->reject();
        } else if (act(dialog); dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
    poll->start(10);
}
