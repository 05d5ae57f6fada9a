#pragma once

#include <QDialog>

/// "О программе": the program's name and version, and a button to close.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
};
