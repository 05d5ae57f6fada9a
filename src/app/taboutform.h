#pragma once

#include <QDialog>

/// "О программе": the program's name and version, and a button to close.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    /// Escape ends the dialog as "Угу" does: there is nothing to cancel.
    void reject() override { accept(); }
};
