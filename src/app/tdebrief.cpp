#include "tdebrief.h"

#include "controls/qtext.h"
#include "controls/tplotchart.h"
#include "errorbox.h"
#include "util/atomicfile.h"
#include "util/numtext.h"
#include "writefailure.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPassed(0, 128, 0);
const QColor kFailed(200, 0, 0);

QString number(double value)
{
    return fromUtf8(numtext::formatGeneral(value));
}

// A value as the debrief shows it: rounded to 0,1 (or 0,01) with its unit,
// never as zero when it is not, "—" without a value.
QString shown(const std::optional<double> &v, int decimals, const QString &unit)
{
    if (!v)
        return QStringLiteral("—");
    const double rounded = decimals == 1 ? numtext::nearest1(*v) : numtext::nearest2(*v);
    // A failed objective must not read as zero: a few seconds outside the
    // band show as less than the last digit.
    QString text = rounded == 0.0 && *v > 0.0
            ? QStringLiteral("< ") + number(decimals == 1 ? 0.1 : 0.01)
            : number(rounded);
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

QString minutesUnit()
{
    return TDebrief::tr("мин");
}

QString unitOf(ObjectiveKind kind)
{
    switch (kind) {
    case ObjectiveKind::CnsBelow:
    case ObjectiveKind::ReserveAbove:
    case ObjectiveKind::BailoutReserveAbove:
        return QStringLiteral("%");
    case ObjectiveKind::ReactWithin:
        return TDebrief::tr("с");
    default:
        return minutesUnit();
    }
}

// What the objective asks, in the trainee's words.
QString goal(const ObjectiveResult &o)
{
    switch (o.kind) {
    case ObjectiveKind::Ppo2Between:
        return TDebrief::tr("PPO2 от %1 до %2").arg(number(o.low), number(o.high));
    case ObjectiveKind::NoCeilingViolation:
        return TDebrief::tr("Не подниматься выше потолка");
    case ObjectiveKind::SurfaceWithin:
        return TDebrief::tr("Выйти на поверхность за %1 мин").arg(number(o.high));
    case ObjectiveKind::CnsBelow:
        return TDebrief::tr("CNS ниже %1 %").arg(number(o.high));
    case ObjectiveKind::ReserveAbove:
        return TDebrief::tr("Остаток газа в баллонах не меньше %1 %").arg(number(o.high));
    case ObjectiveKind::BailoutReserveAbove:
        return TDebrief::tr("Остаток газа байлаута не меньше %1 %").arg(number(o.high));
    case ObjectiveKind::ReactWithin:
        return TDebrief::tr("Отреагировать на отказ за %1 с").arg(number(o.high));
    }
    return fromUtf8(o.name);
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
    case ObjectiveKind::ReactWithin:
        return TDebrief::tr("время реакции");
    }
    return {};
}

QString valueText(const ObjectiveResult &o)
{
    return measured(o.kind) + QStringLiteral(": ") + shown(o.value, 1, unitOf(o.kind));
}

QString endedByText(DrillEnd end)
{
    switch (end) {
    case DrillEnd::Surface:
        return TDebrief::tr("всплытие на поверхность");
    case DrillEnd::EndAfter:
        return TDebrief::tr("истекло время тренировки");
    case DrillEnd::Reset:
        return TDebrief::tr("СБРОС");
    case DrillEnd::Limit:
        return TDebrief::tr("предел: сутки погружения или миллион тактов");
    case DrillEnd::Error:
        return TDebrief::tr("тысяча тактов подряд с ошибкой");
    case DrillEnd::None:
        break;
    }
    return TDebrief::tr("тренировка не окончена");
}

std::vector<std::pair<QString, QString>> figureRows(const DrillFigures &f)
{
    const QString m = minutesUnit();
    const QString l = TDebrief::tr("л");
    return {{TDebrief::tr("Время погружения"), shown(f.diveTimeMin, 1, m)},
            {TDebrief::tr("Наибольшая глубина"), shown(f.maxDepthM, 1, TDebrief::tr("м"))},
            {TDebrief::tr("PPO2 ниже 0,4"), shown(f.minutesPpo2Below04, 1, m)},
            {TDebrief::tr("PPO2 выше 1,6"), shown(f.minutesPpo2Above16, 1, m)},
            {TDebrief::tr("Наименьшее PPO2"), shown(f.minPpo2, 2, {})},
            {TDebrief::tr("Наибольшее PPO2"), shown(f.maxPpo2, 2, {})},
            {TDebrief::tr("Выше потолка"), shown(f.minutesAboveCeiling, 1, m)},
            {TDebrief::tr("Наибольшее CNS"), shown(f.maxCnsPercent, 1, QStringLiteral("%"))},
            {QStringLiteral("OTU"), shown(f.otu, 1, {})},
            {TDebrief::tr("Израсходовано кислорода"), shown(f.o2UsedL, 1, l)},
            {TDebrief::tr("Израсходовано дилюента"), shown(f.dilUsedL, 1, l)},
            {TDebrief::tr("На байлауте"), shown(f.openCircuitMinutes, 1, m)},
            {TDebrief::tr("Израсходовано газа байлаута"), shown(f.bailoutUsedL, 1, l)},
            {TDebrief::tr("Без газа"), shown(f.minutesOutOfGas, 1, m)}};
}

QString actorText(Actor by)
{
    return by == Actor::Drill ? TDebrief::tr("тренировка") : TDebrief::tr("обучаемый");
}

QString reactionText(const Debrief &d)
{
    return TDebrief::tr("Время реакции: %1")
            .arg(d.reactionS ? shown(d.reactionS, 1, TDebrief::tr("с")) : TDebrief::tr("нет"));
}

// "строка 31: 9:33 (из 8–12 мин)" for each time drawn.
QString drawnText(const Debrief &d)
{
    QStringList times;
    for (const DrawnTime &t : d.drawn) {
        times << TDebrief::tr("строка %1: %2 (из %3–%4 мин)")
                         .arg(t.line)
                         .arg(TDebrief::diveClock(std::int64_t(std::floor(t.minutes * 60000.0))),
                                 number(t.fromMinutes), number(t.toMinutes));
    }
    if (times.isEmpty())
        return {};
    return TDebrief::tr("Случайное время событий: %1").arg(times.join(QStringLiteral("; ")));
}

TPlotChart *makeChart(const char *name)
{
    auto *chart = new TPlotChart;
    chart->setObjectName(QLatin1String(name));
    chart->SetShowLegend(false);
    chart->SetShowTitle(false);
    chart->SetRoundSteps(true);
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

QString TDebrief::diveClock(std::int64_t diveTimeMs)
{
    const std::int64_t seconds = diveTimeMs / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

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
    m_reaction = new QLabel;
    m_reaction->setObjectName(QStringLiteral("reaction"));
    m_reaction->setTextFormat(Qt::PlainText);
    m_reaction->setWordWrap(true);

    m_goals = new QGroupBox;
    m_objectives = new QGridLayout(m_goals);
    m_objectives->setColumnStretch(1, 1);

    m_figures = new QGroupBox;
    auto *figureGrid = new QGridLayout(m_figures);
    // Fourteen rows: close together, so that the debrief fits a 768-pixel
    // screen.
    figureGrid->setVerticalSpacing(1);
    const auto rows = figureRows(DrillFigures {});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto *name = new QLabel;
        auto *value = new QLabel;
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figureGrid->addWidget(name, int(i), 0);
        figureGrid->addWidget(value, int(i), 1);
        m_figureNames.push_back(name);
        m_figureValues.push_back(value);
    }

    m_depthChart = makeChart("depthChart");
    m_ppo2Chart = makeChart("ppo2Chart");

    m_logBox = new QGroupBox;
    m_log = new QTreeWidget;
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setColumnCount(3);
    m_log->setRootIsDecorated(false);
    m_log->setSelectionMode(QAbstractItemView::NoSelection);
    m_log->setFocusPolicy(Qt::NoFocus);
    m_log->header()->setStretchLastSection(true);
    m_log->setFixedHeight(104);
    auto *logLayout = new QVBoxLayout(m_logBox);
    logLayout->addWidget(m_reaction);
    logLayout->addWidget(m_log);

    m_save = new QPushButton;
    m_save->setObjectName(QStringLiteral("saveButton"));
    connect(m_save, &QPushButton::clicked, this, &TDebrief::saveClicked);
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto *left = new QVBoxLayout;
    left->addWidget(m_goals);
    left->addWidget(m_figures);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_depthChart, 1);
    right->addWidget(m_ppo2Chart, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto *all = new QVBoxLayout(this);
    all->addWidget(m_heading);
    all->addWidget(m_ending);
    all->addLayout(columns, 1);
    all->addWidget(m_logBox);
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
    m_logBox->setTitle(tr("Журнал"));
    m_log->setHeaderLabels({tr("Время"), tr("Кто"), tr("Что")});
    const auto rows = figureRows(DrillFigures {});
    for (std::size_t i = 0; i < rows.size(); ++i)
        m_figureNames[i]->setText(rows[i].first);
    for (TPlotChart *chart : {m_depthChart, m_ppo2Chart})
        chart->SetAxisXTitle(tr("Время (мин)"));
    m_depthChart->SetAxisYTitle(tr("Глубина (м)"));
    m_ppo2Chart->SetAxisYTitle(QStringLiteral("PPO2"));
    m_save->setText(tr("Сохранить как текст…"));
    m_close->setText(tr("Закрыть"));
    if (m_shown)
        showDebrief(m_debrief);
}

void TDebrief::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translate();
    QDialog::changeEvent(event);
}

void TDebrief::showDebrief(const Debrief &debrief)
{
    m_debrief = debrief;
    m_shown = true;
    m_heading->setText(tr("Разбор тренировки «%1»").arg(fromUtf8(debrief.title)));
    m_ending->setText(tr("Окончание: %1").arg(endedByText(debrief.endedBy)));
    const QString drawn = drawnText(debrief);
    m_reaction->setText(
            reactionText(debrief) + (drawn.isEmpty() ? QString() : QLatin1Char('\n') + drawn));

    clearLayout(m_objectives);
    for (std::size_t i = 0; i < debrief.objectives.size(); ++i) {
        const ObjectiveResult &r = debrief.objectives[i];
        auto *status = colouredLabel(
                r.passed ? tr("✔ выполнена") : tr("✘ не выполнена"), r.passed ? kPassed : kFailed);
        status->setObjectName(QStringLiteral("objective%1").arg(i));
        auto *what = new QLabel(goal(r));
        what->setToolTip(fromUtf8(r.name));
        auto *value = new QLabel(valueText(r));
        value->setObjectName(QStringLiteral("value%1").arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = int(i);
        m_objectives->addWidget(status, row, 0);
        m_objectives->addWidget(what, row, 1);
        m_objectives->addWidget(value, row, 2);
    }
    if (debrief.objectives.empty())
        m_objectives->addWidget(new QLabel(tr("У тренировки нет целей.")), 0, 0);

    const auto rows = figureRows(debrief.figures);
    for (std::size_t i = 0; i < rows.size(); ++i)
        m_figureValues[i]->setText(rows[i].second);

    m_log->clear();
    for (const LogEntry &e : debrief.events) {
        auto *item = new QTreeWidgetItem(
                m_log, {diveClock(e.diveTimeMs), actorText(e.by), fromUtf8(e.what)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_log->resizeColumnToContents(0);
    m_log->resizeColumnToContents(1);
    showCharts();
}

void TDebrief::showCharts()
{
    const std::vector<DrillSample> &samples = m_debrief.samples;
    // Depth is drawn below zero, so that deeper lies lower.
    for (TPlotChart *chart : {m_depthChart, m_ppo2Chart}) {
        chart->BeginUpdate();
        chart->Clear();
        TPlotSeries *series = chart->AddSeries(SeriesKind::Line);
        const bool depth = chart == m_depthChart;
        series->SetCaption(depth ? tr("Глубина").toStdString() : "PPO2");
        for (const DrillSample &s : samples)
            series->AddXY(s.minutes, depth ? -s.depthM : s.ppo2);
    }
    // The first PPO2 band the drill asks for, across the dive, inside the
    // frame: the axis reaches past both of its lines.
    const auto band = std::find_if(m_debrief.objectives.begin(), m_debrief.objectives.end(),
            [](const ObjectiveResult &o) { return o.kind == ObjectiveKind::Ppo2Between; });
    double low = 0.0;
    double high = NAN;
    if (band != m_debrief.objectives.end() && !samples.empty()) {
        for (double limit : {band->low, band->high}) {
            TPlotSeries *line = m_ppo2Chart->AddSeries(SeriesKind::Line);
            line->SetCaption(numtext::formatGeneral(limit));
            line->AddXY(samples.front().minutes, limit);
            line->AddXY(samples.back().minutes, limit);
        }
        const double margin = 0.05 * std::max(band->high - band->low, 0.1);
        low = std::min(0.0, band->low - margin);
        high = band->high + margin;
    }
    m_ppo2Chart->SetAxisYCovers(low, high);
    // The deepest part of the dive a little above the frame too.
    double deepest = 0.0;
    for (const DrillSample &s : samples)
        deepest = std::max(deepest, s.depthM);
    m_depthChart->SetAxisYCovers(-1.05 * deepest, 0.0);
    m_depthChart->EndUpdate();
    m_ppo2Chart->EndUpdate();
}

QString TDebrief::debriefText() const
{
    const Debrief &d = m_debrief;
    QString out = tr("Разбор тренировки «%1»").arg(fromUtf8(d.title)) + QLatin1Char('\n');
    out += tr("Окончание: %1").arg(endedByText(d.endedBy)) + QStringLiteral("\n\n");
    out += tr("Цели:") + QLatin1Char('\n');
    if (d.objectives.empty())
        out += QStringLiteral("  ") + tr("нет") + QLatin1Char('\n');
    for (const ObjectiveResult &o : d.objectives) {
        out += QStringLiteral("  %1  %2; %3\n")
                       .arg(o.passed ? tr("выполнена") : tr("НЕ выполнена"), goal(o), valueText(o));
    }
    out += QLatin1Char('\n') + tr("Показатели:") + QLatin1Char('\n');
    for (const auto &[caption, value] : figureRows(d.figures))
        out += QStringLiteral("  %1: %2\n").arg(caption, value);
    out += QLatin1Char('\n') + reactionText(d) + QLatin1Char('\n');
    if (const QString drawn = drawnText(d); !drawn.isEmpty())
        out += drawn + QLatin1Char('\n');
    out += QLatin1Char('\n') + tr("Журнал:") + QLatin1Char('\n');
    for (const LogEntry &e : d.events)
        out += QStringLiteral("  %1  %2  %3\n")
                       .arg(diveClock(e.diveTimeMs), actorText(e.by), fromUtf8(e.what));
    return out;
}

void TDebrief::setErrorSink(std::function<void(const QString &)> sink)
{
    m_errorSink = std::move(sink);
}

bool TDebrief::saveText(const std::filesystem::path &path)
{
    try {
        writeFileAtomically(path, debriefText().toStdString());
        return true;
    } catch (const FileWriteError &e) {
        if (m_errorSink)
            m_errorSink(tr("Разбор не сохранён в файл «%1»: %2.")
                                .arg(fromDisk(path), writeFailureReason(e)));
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
        saveText(onDisk(chosen));
}
