#include "taboutform.h"

#include "appfonts.h"
#include "language.h"
#include "pictures.h"
#include "util/version.h"

#include <QLabel>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    setFixedSize(318, 150);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));

    auto *icon = new QLabel(this);
    icon->setPixmap(loopwrightIconPixmap(64));
    icon->setGeometry(16, 16, 64, 64);

    auto *name = new QLabel(QStringLiteral("Loopwright"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setFont(designFont(QStringLiteral("Comic Sans MS"), 22, true));
    name->setGeometry(96, 14, 210, 32);
    auto *version = new QLabel(this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(96, 48, 210, 16);
    auto *what = new QLabel(this);
    what->setObjectName(QStringLiteral("Comments"));
    what->setWordWrap(true);
    what->setGeometry(96, 66, 210, 40);

    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(8, 120, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    whenLanguageChanges(this, [this, version, what, ok] {
        setWindowTitle(tr("О программе"));
        version->setText(tr("Версия %1 (бэта)").arg(QLatin1String(kLoopwrightVersion)));
        what->setText(tr("Тренажёр погружения с ребризером замкнутого цикла"));
        ok->setText(tr("Угу"));
    });
}
