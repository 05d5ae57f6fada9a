#include "tdivecomputersettings.h"

#include "appfonts.h"
#include "dialogparts.h"
#include "language.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *label(QWidget *parent, const char *name, int x, int y, int width, int height)
{
    return dialogparts::label(parent, QLatin1String(name), QRect(x, y, width, height));
}

QLineEdit *percentField(QWidget *parent, const char *name, int x, int y)
{
    return dialogparts::field(parent, QLatin1String(name), QRect(x, y, 41, 21), 3);
}

} // namespace

TDiveComputerSettings::TDiveComputerSettings(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DiveComputerSettings"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    setModal(true);

    m_title = label(this, "title", 8, 8, 264, 16);
    m_lowCaption = label(this, "lowCaption", 8, 34, 110, 16);
    m_low = percentField(this, "gfLow", 120, 32);
    m_highCaption = label(this, "highCaption", 8, 60, 110, 16);
    m_high = percentField(this, "gfHigh", 120, 58);
    m_range = label(this, "range", 170, 34, 102, 44);
    m_range->setWordWrap(true);
    m_message = dialogparts::refusal(this, QRect(8, 86, 264, 44));
    const auto buttons = dialogparts::okCancel(this, 272, 136);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    whenLanguageChanges(this, [this] { translate(); });
    setFixedSize(280, 169);
}

void TDiveComputerSettings::translate()
{
    setWindowTitle(tr("Настройки дайв-компьютера"));
    m_title->setText(tr("Градиент-факторы (GF), %"));
    m_lowCaption->setText(tr("GF низкий"));
    m_highCaption->setText(tr("GF высокий"));
    m_range->setText(tr("от 10 до 100, низкий не выше высокого"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Отмена"));
    if (m_refused)
        m_message->setText(tr("Не принято: GF низкий и GF высокий — целые числа от 10 до 100, "
                              "и низкий не больше высокого."));
}

void TDiveComputerSettings::setPair(const GradientFactors &current)
{
    m_pair = current;
    m_low->setText(QString::number(current.low));
    m_high->setText(QString::number(current.high));
    m_refused = false;
    m_message->clear();
    m_low->setFocus();
    m_low->selectAll();
}

QString TDiveComputerSettings::message() const
{
    return m_message->text();
}

void TDiveComputerSettings::accept()
{
    const auto pair = parseGradientFactors(
            m_low->text().trimmed().toStdString(), m_high->text().trimmed().toStdString());
    if (!pair) {
        m_refused = true;
        translate();
        return;
    }
    m_pair = *pair;
    m_refused = false;
    m_message->clear();
    QDialog::accept();
}
