#pragma once

#include "engine/loopdetails.h"

#include <QDialog>

#include <array>

class QLineEdit;
class ParameterSource;

/// "Подробные настройки контура": the lung, counterlung and dead-space volumes
/// from which the loop volume fields of the main window and the valve
/// thresholds are derived.
class TLoopdetales : public QDialog
{
    Q_OBJECT

public:
    /// \a params is the main window's: the derivation writes its loop volume
    /// fields and keeps the four loop detail values there.
    explicit TLoopdetales(ParameterSource &params, QWidget *parent = nullptr);

    QLineEdit *field(int index) const { return m_fields[index]; } ///< Edit1..Edit4 as 0..3
    LoopDetailTexts texts() const;

    /// "Готово": closes the dialog with OK and derives; an error is reported
    /// and the dialog closes all the same.
    void Button1Click();
    /// The derivation from the current texts; throws the conversion error
    /// or LoopVolumeTooLarge.
    void derive();
    /// What the user is told of an error of the derivation.
    static QString failureMessage(const LoopwrightError &error);

signals:
    /// An error to show, as the main window reports it.
    void failed(const QString &message);

private:
    ParameterSource &m_params;
    std::array<QLineEdit *, 4> m_fields {};
};
