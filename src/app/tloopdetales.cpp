#include "tloopdetales.h"

#include "appfonts.h"
#include "controls/qtext.h"
#include "language.h"
#include "util/error.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TLoopdetales::TLoopdetales(ParameterSource &params, QWidget *parent)
    : QDialog(parent), m_params(params)
{
    setObjectName(QStringLiteral("Loopdetales"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));

    auto *done = new QPushButton(this);
    done->setObjectName(QStringLiteral("Button1"));
    done->setGeometry(112, 128, 75, 25);
    connect(done, &QPushButton::clicked, this, &TLoopdetales::Button1Click);

    struct Row
    {
        const char *design;
        int fieldY;
        const char *label;
        int labelY;
        const char *hint;
    };
    static constexpr Row rows[] = {
            {"6", 8, QT_TR_NOOP("Объём лёгких на вдохе (литры)"), 10,
                    QT_TR_NOOP("Объём лёгких при глубоком вдохе")},
            {"1", 32, QT_TR_NOOP("Объём лёгких на выдохе (литры)"), 35,
                    QT_TR_NOOP("Объём лёгких при полном выдохе")},
            {"6", 64, QT_TR_NOOP("Объём дыхательного мешка (литры)"), 68,
                    QT_TR_NOOP("Объём надутого дыхательного мешка")},
            {"2", 88, QT_TR_NOOP("Объём свободного пространства в шлангах и"), 91,
                    QT_TR_NOOP("Сколько примерно свободного пространства в системе "
                               "шлангов/коннекторов и между зерен ХП в канистре")},
    };
    QLabel *labels[5] = {};
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(QString::fromUtf8(rows[i].design), this);
        field->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        field->setGeometry(8, rows[i].fieldY, 33, 21);
        m_fields[i] = field;
        labels[i] = new QLabel(this);
        labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        labels[i]->move(48, rows[i].labelY);
    }
    labels[4] = new QLabel(this);
    labels[4]->setObjectName(QStringLiteral("Label5"));
    labels[4]->move(48, 105);
    whenLanguageChanges(this, [this, done, labels] {
        setWindowTitle(tr("Подробные настройки контура"));
        done->setText(tr("Готово"));
        for (int i = 0; i < 4; ++i) {
            m_fields[i]->setToolTip(tr(rows[i].hint));
            labels[i]->setText(tr(rows[i].label));
            labels[i]->setToolTip(tr(rows[i].hint));
        }
        labels[4]->setText(tr("межзерновое пространство в скруббере (литры)"));
        labels[4]->setToolTip(tr(rows[3].hint));
        for (QLabel *label : labels)
            label->adjustSize();
    });

    // The button comes first in the tab order, then the four fields.
    setTabOrder(done, m_fields[0]);
    for (int i = 0; i < 3; ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    done->setFocus();
    // 321 × 203 is the outer size; the client area is what is left inside the
    // frame of a typical desktop. Fixed, like the About dialog: the layout
    // does not stretch, and a fixed dialog gets the same frame as the others.
    setFixedSize(313, 176);
}

LoopDetailTexts TLoopdetales::texts() const
{
    return {m_fields[0]->text().toStdString(), m_fields[1]->text().toStdString(),
            m_fields[2]->text().toStdString(), m_fields[3]->text().toStdString()};
}

QString TLoopdetales::failureMessage(const LoopwrightError &error)
{
    if (const auto *tooLarge = dynamic_cast<const LoopVolumeTooLarge *>(&error))
        return tr("Объём «%1» слишком велик: не больше 1E15 л").arg(fromUtf8(tooLarge->text()));
    return QString::fromUtf8(error.what());
}

void TLoopdetales::derive()
{
    deriveLoopDetails(texts(), m_params);
}

void TLoopdetales::Button1Click()
{
    setResult(QDialog::Accepted);
    try {
        derive();
    } catch (const LoopwrightError &e) {
        emit failed(failureMessage(e));
    }
    accept();
}
