#include "tloopdetales.h"

#include "appfonts.h"
#include "util/error.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TLoopdetales::TLoopdetales(ParameterSource &params, QWidget *parent)
    : QDialog(parent), m_params(params)
{
    setObjectName(QStringLiteral("Loopdetales"));
    setWindowTitle(QStringLiteral("Подробные настройки контура"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));

    auto *done = new QPushButton(QStringLiteral("Готово"), this);
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
    const Row rows[] = {
            {"6", 8, "Объём лёгких на вдохе (литры)", 10, "Объём лёгких при глубоком вдохе"},
            {"1", 32, "Объём лёгких на выдохе (литры)", 35, "Объём лёгких при полном выдохе"},
            {"6", 64, "Объём дыхательного мешка (литры)", 68, "Объём надутого дыхательного мешка"},
            {"2", 88, "Объём свободного пространства в шлангах и", 91,
                    "Сколько примерно свободного пространства в системе шлангов/коннекторов и "
                    "между зерен ХП в канистре"},
    };
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(QString::fromUtf8(rows[i].design), this);
        field->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        field->setGeometry(8, rows[i].fieldY, 33, 21);
        field->setToolTip(QString::fromUtf8(rows[i].hint));
        m_fields[i] = field;
        auto *label = new QLabel(QString::fromUtf8(rows[i].label), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->move(48, rows[i].labelY);
        label->adjustSize();
        label->setToolTip(QString::fromUtf8(rows[i].hint));
    }
    auto *second = new QLabel(QStringLiteral("межзерновое пространство в скруббере (литры)"), this);
    second->setObjectName(QStringLiteral("Label5"));
    second->move(48, 105);
    second->adjustSize();
    second->setToolTip(QString::fromUtf8(rows[3].hint));

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
        emit failed(QString::fromUtf8(e.what()));
    }
    accept();
}
