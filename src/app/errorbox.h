#pragma once

class QMessageBox;
class QString;

/// Puts \a message into \a box as plain text (a typed value is never taken
/// for markup), made to fit: a box widens to the longest run of characters it
/// cannot break, so long runs get break opportunities and very long ones
/// (a field holds thousands of characters) are shortened in the middle. The
/// box then stays well narrower than the main window, its text whole.
void setErrorText(QMessageBox &box, const QString &message);
