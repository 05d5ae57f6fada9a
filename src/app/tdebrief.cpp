#include "tdebrief.h"

#include "controls/tplotchart.h"
#include "errorbox.h"
#include "util/atomicfile.h"
#include "util/numtext.h"

#include <QDir>
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
#include <cerrno>
#include <cstring>

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
        return QStringLiteral("PPO2 от %1 до %2")
                .arg(number(objective->low), number(objective->high));
    case ObjectiveKind::NoCeilingViolation:
        return QStringLiteral("Не подниматься выше потолка");
    case ObjectiveKind::SurfaceWithin:
        return QStringLiteral("Выйти на поверхность за %1 мин").arg(number(objective->high));
    case ObjectiveKind::CnsBelow:
        return QStringLiteral("CNS ниже %1 %").arg(number(objective->high));
    case ObjectiveKind::ReserveAbove:
        return QStringLiteral("Остаток газа в баллонах не меньше %1 %")
                .arg(number(objective->high));
    }
    return fromUtf8(result.name);
}

// What the value measures.
QString measured(ObjectiveKind kind)
{
    switch (kind) {
    case ObjectiveKind::Ppo2Between:
        return QStringLiteral("вне пределов");
    case ObjectiveKind::NoCeilingViolation:
        return QStringLiteral("выше потолка");
    case ObjectiveKind::SurfaceWithin:
        return QStringLiteral("время погружения");
    case ObjectiveKind::CnsBelow:
        return QStringLiteral("наибольшее CNS");
    case ObjectiveKind::ReserveAbove:
        return QStringLiteral("меньший остаток");
    }
    return {};
}

// The system's reason, as a trainee reads it.
QString russianReason(const FileWriteError &error)
{
    const std::pair<int, const char *> known[] = {{ENOENT, "такой папки нет"},
            {EACCES, "нет прав на запись"}, {EPERM, "нет прав на запись"},
            {EROFS, "диск доступен только для чтения"}, {ENOSPC, "на диске нет места"},
            {EISDIR, "это папка, а не файл"}, {ENOTDIR, "в пути есть файл вместо папки"}};
    for (const auto &[code, text] : known) {
        if (error.reason() == std::strerror(code))
            return QString::fromUtf8(text);
    }
    return fromUtf8(error.reason());
}

TPlotChart *makeChart(const char *name, const QString &axisY)
{
    auto *chart = new TPlotChart;
    chart->setObjectName(QLatin1String(name));
    chart->SetShowLegend(false);
    chart->SetShowTitle(false);
    chart->SetAxisXTitle(QStringLiteral("Время (мин)"));
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
    setWindowTitle(QStringLiteral("Разбор"));

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

    auto *goals = new QGroupBox(QStringLiteral("Цели"));
    m_objectives = new QGridLayout(goals);
    m_objectives->setColumnStretch(1, 1);

    auto *figures = new QGroupBox(QStringLiteral("Показатели"));
    auto *figureGrid = new QGridLayout(figures);
    const auto lines = figureLines(DrillFigures {});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto *value = new QLabel;
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figureGrid->addWidget(new QLabel(fromUtf8(lines[i].first)), int(i), 0);
        figureGrid->addWidget(value, int(i), 1);
        m_figureValues.push_back(value);
    }

    m_depthChart = makeChart("depthChart", QStringLiteral("Глубина (м)"));
    m_ppo2Chart = makeChart("ppo2Chart", QStringLiteral("PPO2"));

    auto *save = new QPushButton(QStringLiteral("Сохранить как текст…"));
    save->setObjectName(QStringLiteral("saveButton"));
    connect(save, &QPushButton::clicked, this, &TDebrief::saveClicked);
    auto *close = new QPushButton(QStringLiteral("Закрыть"));
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
}

void TDebrief::showDebrief(const Debrief &debrief, const std::vector<Objective> &objectives)
{
    m_debrief = debrief;
    m_heading->setText(QStringLiteral("Разбор тренировки «%1»").arg(fromUtf8(debrief.title)));
    m_ending->setText(QStringLiteral("Окончание: %1").arg(fromUtf8(endedByText(debrief.endedBy))));

    clearLayout(m_objectives);
    for (std::size_t i = 0; i < debrief.objectives.size(); ++i) {
        const ObjectiveResult &r = debrief.objectives[i];
        const Objective *o = i < objectives.size() ? &objectives[i] : nullptr;
        auto *status = colouredLabel(
                r.passed ? QStringLiteral("✔ выполнена") : QStringLiteral("✘ не выполнена"),
                r.passed ? kPassed : kFailed);
        status->setObjectName(QStringLiteral("objective%1").arg(i));
        auto *what = new QLabel(goal(r, o));
        what->setToolTip(fromUtf8(r.name));
        auto *value = new QLabel(
                QStringLiteral("%1: %2").arg(measured(r.kind), fromUtf8(objectiveValueText(r))));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = int(i);
        m_objectives->addWidget(status, row, 0);
        m_objectives->addWidget(what, row, 1);
        m_objectives->addWidget(value, row, 2);
    }
    if (debrief.objectives.empty())
        m_objectives->addWidget(new QLabel(QStringLiteral("У тренировки нет целей.")), 0, 0);

    const auto lines = figureLines(debrief.figures);
    for (std::size_t i = 0; i < lines.size() && i < m_figureValues.size(); ++i)
        m_figureValues[i]->setText(fromUtf8(lines[i].second));

    // Depth is drawn below zero, so that deeper lies lower.
    for (TPlotChart *chart : {m_depthChart, m_ppo2Chart}) {
        chart->BeginUpdate();
        chart->Clear();
        TPlotSeries *series = chart->AddSeries(SeriesKind::Line);
        const bool depth = chart == m_depthChart;
        series->SetCaption(depth ? "Глубина" : "PPO2");
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
            m_errorSink(QStringLiteral("Разбор не сохранён в файл «%1»: %2.")
                                .arg(QFile::decodeName(path.c_str()), russianReason(e)));
        return false;
    }
}

void TDebrief::saveClicked()
{
    QString name = QStringLiteral("Разбор — %1.txt").arg(fromUtf8(m_debrief.title));
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить разбор"),
            QDir::home().filePath(name), QStringLiteral("Текст (*.txt);;Все файлы (*)"));
    if (!chosen.isEmpty())
        saveText(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
}
