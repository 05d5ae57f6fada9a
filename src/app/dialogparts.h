#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

/// The pieces the small settings dialogs are built of, so that they look and
/// behave alike.
namespace dialogparts {

/// A label named \a name at \a geometry.
QLabel *label(QWidget *parent, const QString &name, const QRect &geometry);
/// A one-line field named \a name at \a geometry taking at most \a maxLength
/// characters.
QLineEdit *field(QWidget *parent, const QString &name, const QRect &geometry, int maxLength);
/// The red, word-wrapped line that says why a dialog refused what was typed
/// (object name "message"; plain text, since it may quote the user's input).
QLabel *refusal(QWidget *parent, const QRect &geometry);

struct OkCancel
{
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};
/// "OK" (the default button, accepting) and "Отмена" (rejecting), 75 × 25
/// each, side by side with the right one ending at \a right, at height \a y.
OkCancel okCancel(QDialog *dialog, int right, int y);

} // namespace dialogparts
