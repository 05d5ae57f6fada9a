#include "tbailoutsettings.h"

#include "appfonts.h"
#include "dialogparts.h"
#include "language.h"
#include "util/error.h"
#include "util/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

QLabel *label(QWidget *parent, const QString &name, int x, int y, int width, int height)
{
    return dialogparts::label(parent, name, QRect(x, y, width, height));
}

QLineEdit *numberField(QWidget *parent, const QString &name, int x, int y)
{
    return dialogparts::field(parent, name, QRect(x, y, 61, 21), 12);
}

QString numberText(double value)
{
    return QString::fromStdString(numtext::formatGeneral(value));
}

// A field's number as the program reads numbers; not a number for anything
// else.
double fieldValue(const QLineEdit *field)
{
    try {
        return numtext::parseDecimal(field->text().trimmed().toStdString());
    } catch (const LoopwrightError &) {
        return NAN;
    }
}

} // namespace

TBailoutSettings::TBailoutSettings(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BailoutSettings"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    setModal(true);

    // A row a gas, a column a value.
    const char *columns[3] = {"o2", "he", "litres"};
    for (int c = 0; c < 3; ++c)
        m_columnCaptions[std::size_t(c)] = label(this,
                QStringLiteral("%1Caption").arg(QLatin1String(columns[c])), 90 + c * 70, 8, 66, 16);
    for (int g = 0; g < 2; ++g) {
        const int y = 28 + g * 28;
        m_gasCaptions[std::size_t(g)] =
                label(this, QStringLiteral("gas%1Caption").arg(g + 1), 8, y + 2, 80, 16);
        for (int c = 0; c < 3; ++c)
            m_fields[std::size_t(g)][std::size_t(c)] = numberField(this,
                    QStringLiteral("gas%1%2").arg(g + 1).arg(QLatin1String(columns[c])),
                    90 + c * 70, y);
    }
    m_rmvCaption = label(this, QStringLiteral("rmvCaption"), 8, 94, 220, 16);
    m_rmv = numberField(this, QStringLiteral("rmv"), 230, 92);
    m_range = label(this, QStringLiteral("range"), 8, 120, 284, 30);
    m_range->setWordWrap(true);
    m_message = dialogparts::refusal(this, QRect(8, 154, 284, 44));
    const auto buttons = dialogparts::okCancel(this, 292, 204);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    whenLanguageChanges(this, [this] { translate(); });
    setFixedSize(300, 237);
}

void TBailoutSettings::translate()
{
    setWindowTitle(tr("Настройки байлаута"));
    m_columnCaptions[0]->setText(tr("O2, %"));
    m_columnCaptions[1]->setText(tr("He, %"));
    m_columnCaptions[2]->setText(tr("Литры"));
    for (std::size_t g = 0; g < 2; ++g)
        m_gasCaptions[g]->setText(tr("Газ %1").arg(g + 1));
    m_rmvCaption->setText(tr("Расход на открытой схеме (RMV), л/мин"));
    m_range->setText(tr("O2 от 5 до 100 %, O2 и He вместе не больше 100 %; 0 литров — газа "
                        "нет с собой."));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Отмена"));
    const QString gas = tr("Газ %1").arg(m_refusedGas + 1);
    switch (m_refusal) {
    case Refusal::None:
        m_message->clear();
        break;
    case Refusal::NotANumber:
        m_message->setText(tr("Не принято: все семь значений должны быть числами."));
        break;
    case Refusal::Oxygen:
        m_message->setText(tr("Не принято: %1 — кислорода от 5 до 100 %.").arg(gas));
        break;
    case Refusal::Helium:
        m_message->setText(tr("Не принято: %1 — гелий не может быть отрицательным.").arg(gas));
        break;
    case Refusal::Mix:
        m_message->setText(
                tr("Не принято: %1 — кислорода и гелия вместе не больше 100 %.").arg(gas));
        break;
    case Refusal::Litres:
        m_message->setText(tr("Не принято: %1 — литры не могут быть отрицательными (0 — "
                              "баллона нет).")
                                   .arg(gas));
        break;
    case Refusal::Rmv:
        m_message->setText(tr("Не принято: расход на открытой схеме должен быть больше нуля."));
        break;
    }
}

void TBailoutSettings::setSettings(const BailoutSettings &current)
{
    m_settings = current;
    for (std::size_t g = 0; g < 2; ++g) {
        const BailoutGas &gas = current.gases[g];
        m_fields[g][0]->setText(numberText(gas.o2Percent));
        m_fields[g][1]->setText(numberText(gas.hePercent));
        m_fields[g][2]->setText(numberText(gas.litres));
    }
    m_rmv->setText(numberText(current.rmvLpm));
    m_refusal = Refusal::None;
    m_message->clear();
    m_fields[0][0]->setFocus();
    m_fields[0][0]->selectAll();
}

QString TBailoutSettings::message() const
{
    return m_message->text();
}

TBailoutSettings::Refusal TBailoutSettings::check(BailoutSettings &out, int &gas) const
{
    for (const auto &row : m_fields) {
        for (const QLineEdit *field : row) {
            if (!std::isfinite(fieldValue(field)))
                return Refusal::NotANumber;
        }
    }
    if (!std::isfinite(fieldValue(m_rmv)))
        return Refusal::NotANumber;
    for (std::size_t g = 0; g < 2; ++g) {
        gas = int(g);
        BailoutGas &mix = out.gases[g];
        mix.o2Percent = fieldValue(m_fields[g][0]);
        mix.hePercent = fieldValue(m_fields[g][1]);
        mix.litres = fieldValue(m_fields[g][2]);
        if (!(BailoutGas::kMinimumO2 <= mix.o2Percent && mix.o2Percent <= 100.0))
            return Refusal::Oxygen;
        if (mix.hePercent < 0.0)
            return Refusal::Helium;
        if (!BailoutGas::validMix(mix.o2Percent, mix.hePercent))
            return Refusal::Mix;
        if (!BailoutGas::validLitres(mix.litres))
            return Refusal::Litres;
    }
    out.rmvLpm = fieldValue(m_rmv);
    return BailoutSettings::validRmv(out.rmvLpm) ? Refusal::None : Refusal::Rmv;
}

void TBailoutSettings::accept()
{
    BailoutSettings taken;
    m_refusal = check(taken, m_refusedGas);
    translate();
    if (m_refusal != Refusal::None)
        return;
    m_settings = taken;
    QDialog::accept();
}
