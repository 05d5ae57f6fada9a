#include "dialogparts.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace dialogparts {

QLabel *label(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

QLineEdit *field(QWidget *parent, const QString &name, const QRect &geometry, int maxLength)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(geometry);
    f->setMaxLength(maxLength);
    return f;
}

QLabel *refusal(QWidget *parent, const QRect &geometry)
{
    QLabel *message = label(parent, QStringLiteral("message"), geometry);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    message->setPalette(red);
    return message;
}

OkCancel okCancel(QDialog *dialog, int right, int y)
{
    OkCancel buttons;
    buttons.ok = new QPushButton(dialog);
    buttons.ok->setObjectName(QStringLiteral("ok"));
    buttons.ok->setGeometry(right - 156, y, 75, 25);
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(dialog);
    buttons.cancel->setObjectName(QStringLiteral("cancel"));
    buttons.cancel->setGeometry(right - 75, y, 75, 25);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace dialogparts
