#include "tdebrief.h"

#include "controls/tplotchart.h"
#include "errorbox.h"
#include "util/atomicfile.h"
#include "util/numtext.h"
#include "writefailure.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kPassed(0, 128, 0);
const QColor kFailed(200, 0, 0);

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString number(double value)
{
    return fromUtf8(numtext::formatGeneral(value));
}

// What the objective asks, in the trainee's words.
QString goal(const ObjectiveResult &result, const Objective *objective)
{
    if (!objective)
        return fromUtf8(result.name);
    switch (objective->kind) {
    case ObjectiveKind::Ppo2Between:
        return TDebrief::tr("PPO2 от %1 до %2")
                .arg(number(objective->low), number(objective->high));
    case ObjectiveKind::NoCeilingViolation:
        return TDebrief::tr("Не подниматься выше потолка");
    case ObjectiveKind::SurfaceWithin:
        return TDebrief::tr("Выйти на поверхность за %1 мин").arg(number(objective->high));
    case ObjectiveKind::CnsBelow:
        return TDebrief::tr("CNS ниже %1 %").arg(number(objective->high));
    case ObjectiveKind::ReserveAbove:
        return TDebrief::tr("Остаток газа в баллонах не меньше %1 %").arg(number(objective->high));
    case ObjectiveKind::BailoutReserveAbove:
        return TDebrief::tr("Остаток газа байлаута не меньше %1 %").arg(number(objective->high));
    }
    return fromUtf8(result.name);
}

// What the value measures.
QString measured(ObjectiveKind kind)
{
    switch (kind) {
    case ObjectiveKind::Ppo2Between:
        return TDebrief::tr("вне пределов");
    case ObjectiveKind::NoCeilingViolation:
        return TDebrief::tr("выше потолка");
    case ObjectiveKind::SurfaceWithin:
        return TDebrief::tr("время погружения");
    case ObjectiveKind::CnsBelow:
        return TDebrief::tr("наибольшее CNS");
    case ObjectiveKind::ReserveAbove:
    case ObjectiveKind::BailoutReserveAbove:
        return TDebrief::tr("меньший остаток");
    }
    return {};
}

// The debrief's own words (drills/debrief writes them in Russian for the
// text file), shown in the interface's language.
constexpr const char *kDebriefWords[] = {QT_TRANSLATE_NOOP("TDebrief", "всплытие на поверхность"),
        QT_TRANSLATE_NOOP("TDebrief", "истекло время тренировки"),
        QT_TRANSLATE_NOOP("TDebrief", "СБРОС"),
        QT_TRANSLATE_NOOP("TDebrief", "предел: сутки погружения или миллион тактов"),
        QT_TRANSLATE_NOOP("TDebrief", "тысяча тактов подряд с ошибкой"),
        QT_TRANSLATE_NOOP("TDebrief", "тренировка не окончена"),
        QT_TRANSLATE_NOOP("TDebrief", "Время погружения"),
        QT_TRANSLATE_NOOP("TDebrief", "Наибольшая глубина"),
        QT_TRANSLATE_NOOP("TDebrief", "PPO2 ниже 0,4"),
        QT_TRANSLATE_NOOP("TDebrief", "PPO2 выше 1,6"),
        QT_TRANSLATE_NOOP("TDebrief", "Наименьшее PPO2"),
        QT_TRANSLATE_NOOP("TDebrief", "Наибольшее PPO2"),
        QT_TRANSLATE_NOOP("TDebrief", "Выше потолка"),
        QT_TRANSLATE_NOOP("TDebrief", "Наибольшее CNS"),
        QT_TRANSLATE_NOOP("TDebrief", "Израсходовано кислорода"),
        QT_TRANSLATE_NOOP("TDebrief", "Израсходовано дилюента"),
        QT_TRANSLATE_NOOP("TDebrief", "На байлауте"),
        QT_TRANSLATE_NOOP("TDebrief", "Израсходовано газа байлаута"),
        QT_TRANSLATE_NOOP("TDebrief", "Без газа")};
constexpr const char *kUnits[] = {QT_TRANSLATE_NOOP("TDebrief", "мин"),
        QT_TRANSLATE_NOOP("TDebrief", "м"), QT_TRANSLATE_NOOP("TDebrief", "л")};

// A word of the debrief or a value with its unit ("12,5 мин") in the
// interface's language; anything else as it is.
QString translated(const std::string &text)
{
    for (const char *word : kDebriefWords) {
        if (text == word)
            return TDebrief::tr(word);
    }
    QString shown = fromUtf8(text);
    for (const char *unit : kUnits) {
        const QString suffix = QLatin1Char(' ') + QString::fromUtf8(unit);
        if (shown.endsWith(suffix)) {
            shown.chop(suffix.size());
            return shown + QLatin1Char(' ') + TDebrief::tr(unit);
        }
    }
    return shown;
}

TPlotChart *makeChart(const char *name, const QString &axisY)
{
    auto *chart = new TPlotChart;
    chart->setObjectName(QLatin1String(name));
    chart->SetShowLegend(false);
    chart->SetShowTitle(false);
    chart->SetAxisXTitle(TDebrief::tr("Время (мин)"));
    chart->SetAxisYTitle(axisY);
    chart->setMinimumSize(380, 190);
    return chart;
}

void clearLayout(QGridLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QLabel *colouredLabel(const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

} // namespace

TDebrief::TDebrief(QWidget *parent)
    : QDialog(parent,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Debrief"));

    m_heading = new QLabel;
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setWordWrap(true);
    QFont big = m_heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_heading->setFont(big);
    m_ending = new QLabel;
    m_ending->setObjectName(QStringLiteral("ending"));
    m_ending->setTextFormat(Qt::PlainText);

    auto *goals = new QGroupBox;
    m_goals = goals;
    m_objectives = new QGridLayout(goals);
    m_objectives->setColumnStretch(1, 1);

    auto *figures = new QGroupBox;
    m_figures = figures;
    auto *figureGrid = new QGridLayout(figures);
    const auto lines = figureLines(DrillFigures {});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto *value = new QLabel;
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *name = new QLabel;
        m_figureNames.push_back(name);
        figureGrid->addWidget(name, int(i), 0);
        figureGrid->addWidget(value, int(i), 1);
        m_figureValues.push_back(value);
    }

    m_depthChart = makeChart("depthChart", QString());
    m_ppo2Chart = makeChart("ppo2Chart", QStringLiteral("PPO2"));

    auto *save = new QPushButton;
    m_save = save;
    save->setObjectName(QStringLiteral("saveButton"));
    connect(save, &QPushButton::clicked, this, &TDebrief::saveClicked);
    auto *close = new QPushButton;
    m_close = close;
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *left = new QVBoxLayout;
    left->addWidget(goals);
    left->addWidget(figures);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_depthChart, 1);
    right->addWidget(m_ppo2Chart, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *all = new QVBoxLayout(this);
    all->addWidget(m_heading);
    all->addWidget(m_ending);
    all->addLayout(columns, 1);
    all->addLayout(buttons);

    m_errorSink = [this](const QString &message) {
        auto *box = new QMessageBox(
                QMessageBox::Critical, windowTitle(), QString(), QMessageBox::Ok, this);
        setErrorText(*box, message);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    translate();
}

void TDebrief::translate()
{
    setWindowTitle(tr("Разбор"));
    m_goals->setTitle(tr("Цели"));
    m_figures->setTitle(tr("Показатели"));
    const auto lines = figureLines(DrillFigures {});
    for (std::size_t i = 0; i < lines.size() && i < m_figureNames.size(); ++i)
        m_figureNames[i]->setText(translated(lines[i].first));
    for (TPlotChart *chart : {m_depthChart, m_ppo2Chart})
        chart->SetAxisXTitle(tr("Время (мин)"));
    m_depthChart->SetAxisYTitle(tr("Глубина (м)"));
    m_save->setText(tr("Сохранить как текст…"));
    m_close->setText(tr("Закрыть"));
    if (m_shown)
        showDebrief(m_debrief, m_shownObjectives);
}

void TDebrief::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translate();
    QDialog::changeEvent(event);
}

void TDebrief::showDebrief(const Debrief &debrief, const std::vector<Objective> &objectives)
{
    m_debrief = debrief;
    m_shownObjectives = objectives;
    m_shown = true;
    m_heading->setText(tr("Разбор тренировки «%1»").arg(fromUtf8(debrief.title)));
    m_ending->setText(tr("Окончание: %1").arg(translated(endedByText(debrief.endedBy))));

    clearLayout(m_objectives);
    for (std::size_t i = 0; i < debrief.objectives.size(); ++i) {
        const ObjectiveResult &r = debrief.objectives[i];
        const Objective *o = i < objectives.size() ? &objectives[i] : nullptr;
        auto *status = colouredLabel(
                r.passed ? tr("✔ выполнена") : tr("✘ не выполнена"), r.passed ? kPassed : kFailed);
        status->setObjectName(QStringLiteral("objective%1").arg(i));
        auto *what = new QLabel(goal(r, o));
        what->setToolTip(fromUtf8(r.name));
        auto *value = new QLabel(
                QStringLiteral("%1: %2").arg(measured(r.kind), translated(objectiveValueText(r))));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = int(i);
        m_objectives->addWidget(status, row, 0);
        m_objectives->addWidget(what, row, 1);
        m_objectives->addWidget(value, row, 2);
    }
    if (debrief.objectives.empty())
        m_objectives->addWidget(new QLabel(tr("У тренировки нет целей.")), 0, 0);

    const auto lines = figureLines(debrief.figures);
    for (std::size_t i = 0; i < lines.size() && i < m_figureValues.size(); ++i)
        m_figureValues[i]->setText(translated(lines[i].second));

    // Depth is drawn below zero, so that deeper lies lower.
    for (TPlotChart *chart : {m_depthChart, m_ppo2Chart}) {
        chart->BeginUpdate();
        chart->Clear();
        TPlotSeries *series = chart->AddSeries(SeriesKind::Line);
        const bool depth = chart == m_depthChart;
        series->SetCaption(depth ? tr("Глубина").toStdString() : "PPO2");
        for (const DrillSample &s : debrief.samples)
            series->AddXY(s.minutes, depth ? -s.depthM : s.ppo2);
    }
    // The first PPO2 band the drill asks for, across the dive.
    const auto band = std::find_if(objectives.begin(), objectives.end(),
            [](const Objective &o) { return o.kind == ObjectiveKind::Ppo2Between; });
    if (band != objectives.end() && !debrief.samples.empty()) {
        for (double limit : {band->low, band->high}) {
            TPlotSeries *line = m_ppo2Chart->AddSeries(SeriesKind::Line);
            line->SetCaption(numtext::formatGeneral(limit));
            line->AddXY(debrief.samples.front().minutes, limit);
            line->AddXY(debrief.samples.back().minutes, limit);
        }
    }
    m_depthChart->EndUpdate();
    m_ppo2Chart->EndUpdate();
}

void TDebrief::setErrorSink(std::function<void(const QString &)> sink)
{
    m_errorSink = std::move(sink);
}

bool TDebrief::saveText(const std::filesystem::path &path)
{
    try {
        writeFileAtomically(path, debriefText(m_debrief));
        return true;
    } catch (const FileWriteError &e) {
        if (m_errorSink)
            m_errorSink(tr("Разбор не сохранён в файл «%1»: %2.")
                                .arg(QFile::decodeName(path.c_str()), writeFailureReason(e)));
        return false;
    }
}

void TDebrief::saveClicked()
{
    QString name = tr("Разбор — %1.txt").arg(fromUtf8(m_debrief.title));
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Сохранить разбор"),
            QDir::home().filePath(name), tr("Текст (*.txt);;Все файлы (*)"));
    if (!chosen.isEmpty())
        saveText(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
}
