#pragma once

#include "deco/gradientfactors.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

/// "Настройки дайв-компьютера": the gradient factors, low and high, in whole
/// percent. OK takes a valid pair only (10 <= low <= high <= 100): anything
/// else is refused with a message and the dialog stays open.
class TDiveComputerSettings : public QDialog
{
    Q_OBJECT

public:
    explicit TDiveComputerSettings(QWidget *parent = nullptr);

    /// Shows \a current in the fields, with no message.
    void setPair(const GradientFactors &current);
    /// The pair last taken with OK.
    const GradientFactors &pair() const { return m_pair; }

    QLineEdit *lowField() const { return m_low; }
    QLineEdit *highField() const { return m_high; }
    QPushButton *okButton() const { return m_ok; }
    /// The refusal, empty while there is none.
    QString message() const;

    void accept() override;

private:
    void translate();

    GradientFactors m_pair;
    QLineEdit *m_low = nullptr;
    QLineEdit *m_high = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_lowCaption = nullptr;
    QLabel *m_highCaption = nullptr;
    QLabel *m_range = nullptr;
    QLabel *m_message = nullptr;
    bool m_refused = false;
};
