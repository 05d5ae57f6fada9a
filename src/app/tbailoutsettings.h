#pragma once

#include "engine/bailout.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

/// "Настройки байлаута": the two bailout gases (oxygen and helium in percent,
/// the cylinder's litres) and the open-circuit breathing rate. OK takes only
/// values in their ranges (oxygen 5 to 100 %, helium from 0 and the two at
/// most 100 %, litres from 0, the rate above 0): anything else is refused
/// with a message naming the value, and the dialog stays open.
class TBailoutSettings : public QDialog
{
    Q_OBJECT

public:
    explicit TBailoutSettings(QWidget *parent = nullptr);

    /// Shows \a current in the fields, with no message.
    void setSettings(const BailoutSettings &current);
    /// The settings last taken with OK.
    const BailoutSettings &settings() const { return m_settings; }

    /// Gas \a gas's (0 or 1) oxygen, helium and litres fields.
    QLineEdit *o2Field(int gas) const { return m_fields[std::size_t(gas)][0]; }
    QLineEdit *heField(int gas) const { return m_fields[std::size_t(gas)][1]; }
    QLineEdit *litresField(int gas) const { return m_fields[std::size_t(gas)][2]; }
    QLineEdit *rmvField() const { return m_rmv; }
    QPushButton *okButton() const { return m_ok; }
    /// The refusal, empty while there is none.
    QString message() const;

    void accept() override;

private:
    /// What is wrong with the fields, as a refusal names it.
    enum class Refusal { None, NotANumber, Oxygen, Helium, Mix, Litres, Rmv };
    void translate();
    Refusal check(BailoutSettings &out, int &gas) const;

    BailoutSettings m_settings;
    std::array<std::array<QLineEdit *, 3>, 2> m_fields {};
    QLineEdit *m_rmv = nullptr;
    std::array<QLabel *, 2> m_gasCaptions {};
    std::array<QLabel *, 3> m_columnCaptions {};
    QLabel *m_rmvCaption = nullptr;
    QLabel *m_range = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    Refusal m_refusal = Refusal::None;
    int m_refusedGas = 0;
};
