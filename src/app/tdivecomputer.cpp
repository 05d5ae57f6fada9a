#include "tdivecomputer.h"

#include "app/appfonts.h"
#include "app/tdivecomputersettings.h"
#include "controls/qtext.h"
#include "deco/plan.h"
#include "util/numtext.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace {

const QColor kConsole(110, 110, 110);
const QColor kReadoutBack(235, 235, 235);
const QColor kReadoutText(0, 0, 255);
constexpr int kOutlookIntervalMs = 250; // at most four outlooks a second
// Two columns of read-outs, the bailout plan's two columns under them, and the
// warnings and the status line across: low enough for a 768-pixel screen.
constexpr int kColumn = 216;
constexpr int kHalf = (kColumn - 8) / 2; // a read-out of two side by side
constexpr int kRight = 8 + kColumn + 8; // the right column's left edge
constexpr int kWidth = kRight + kColumn + 8;
constexpr int kBailoutTop = 370; // the bailout plan's title
constexpr int kWarningsTop = 548;
constexpr int kWarningsHeight = 56;
constexpr int kStatusTop = kWarningsTop + kWarningsHeight + 6;
constexpr int kStatusHeight = 42;
constexpr int kHeight = kStatusTop + kStatusHeight + 6;

QColor toQColor(Rgb c)
{
    return {c.r, c.g, c.b};
}

void setColours(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A read-out's look at its alert level: blue on grey, or white on amber or red.
void setAlertColours(QWidget *w, AlertLevel level)
{
    const QColor back = level == AlertLevel::Red ? toQColor(kAlertRed)
            : level == AlertLevel::Amber         ? toQColor(kAlertAmber)
                                                 : kReadoutBack;
    setColours(w, level == AlertLevel::Normal ? kReadoutText : Qt::white, back);
}

QString whole(const std::optional<double> &value)
{
    return value ? fromUtf8(numtext::formatGeneral(numtext::nearest(*value))) : QStringLiteral("—");
}

QString minutes(double value)
{
    return TDiveComputer::tr("%1 мин").arg(fromUtf8(numtext::formatGeneral(value)));
}

QString stopText(const DecoStop &stop)
{
    return TDiveComputer::tr("%1 м, %2 мин")
            .arg(fromUtf8(stopDepthText(stop.depthM)))
            .arg(stop.minutes);
}

// A plan's time to the surface: an ascent of more than a day is no good
// news, whatever its stops.
QString ttsText(bool endless, int ttsMinutes)
{
    return endless ? TDiveComputer::tr("> 24 ч") : minutes(ttsMinutes);
}

QString warningText(DiveWarning warning)
{
    switch (warning) {
    case DiveWarning::OutOfGas:
        return TDiveComputer::tr("НЕТ ГАЗА");
    case DiveWarning::Hypoxia:
        return TDiveComputer::tr("ГИПОКСИЯ");
    case DiveWarning::Hyperoxia:
        return TDiveComputer::tr("ГИПЕРОКСИЯ");
    case DiveWarning::Ceiling:
        return TDiveComputer::tr("ПОТОЛОК");
    case DiveWarning::OxygenLow:
        return TDiveComputer::tr("КИСЛОРОД < 10 %");
    case DiveWarning::DiluentLow:
        return TDiveComputer::tr("ДИЛЮЕНТ < 10 %");
    }
    return {};
}

// As much of \a text as \a label shows, wrapped within its width: what does
// not fit ends in "…".
QString fitted(const QLabel *label, const QString &text)
{
    const QFontMetrics metrics(label->font());
    const QRect room(0, 0, label->width(), label->height());
    auto fits = [&](const QString &t) {
        return metrics.boundingRect(room, Qt::TextWordWrap, t).height() <= room.height();
    };
    if (fits(text))
        return text;
    qsizetype lo = 0;
    qsizetype hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(text.left(mid) + QStringLiteral("…")))
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.left(lo).trimmed() + QStringLiteral("…");
}

} // namespace

TDiveComputer::TDiveComputer(Simulation &simulation, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowDoesNotAcceptFocus), m_simulation(simulation),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TDiveComputer"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWidth, kHeight);
    setColours(this, Qt::white, kConsole);

    m_cns = readout(QT_TR_NOOP("ЦНС, %"), 8, 6, kHalf, 30);
    m_cns->setObjectName(QStringLiteral("cns"));
    m_otu = readout("OTU", 16 + kHalf, 6, kHalf, 30);
    m_otu->setObjectName(QStringLiteral("otu"));
    m_gf99 = readout("GF99", 8, 58, kHalf, 30);
    m_gf99->setObjectName(QStringLiteral("gf99"));
    m_surfaceGf = readout(QT_TR_NOOP("Пов. GF"), 16 + kHalf, 58, kHalf, 30);
    m_surfaceGf->setObjectName(QStringLiteral("surfaceGf"));

    // The pair the plan and the no-stop time use; a press opens the settings.
    m_gradientFactors = new QPushButton(this);
    m_gradientFactors->setObjectName(QStringLiteral("gradientFactors"));
    m_gradientFactors->setGeometry(8, 110, kColumn, 24);
    m_gradientFactors->setFocusPolicy(Qt::NoFocus);
    m_gradientFactors->setFont(designFont(QStringLiteral("Tahoma"), 14, true));
    connect(m_gradientFactors, &QPushButton::clicked, this, &TDiveComputer::openSettings);

    // The three cells and their vote in a row under one title; the small
    // captions above the boxes say which is which.
    auto *cellsTitle = new QLabel(this);
    m_titles.emplace_back(cellsTitle, QT_TR_NOOP("Датчики PPO2"));
    cellsTitle->setGeometry(8, 142, kColumn, 16);
    cellsTitle->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    setColours(cellsTitle, Qt::white, kConsole);
    for (int i = 0; i < 4; ++i) {
        const int x = 8 + i * 55;
        auto *caption = new QLabel(this);
        caption->setGeometry(x, 159, 51, 13);
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(designFont(QStringLiteral("Tahoma"), 11));
        setColours(caption, Qt::white, kConsole);
        auto *value = new QLabel(this);
        value->setGeometry(x, 173, 51, 30);
        value->setFont(designFont(QStringLiteral("Tahoma"), 19, true, true));
        value->setAlignment(Qt::AlignCenter);
        value->setTextFormat(Qt::PlainText);
        setColours(value, kReadoutText, kReadoutBack);
        if (i < 3) {
            caption->setText(QString::number(i + 1));
            value->setObjectName(QStringLiteral("cell%1").arg(i + 1));
            m_cellReadings[std::size_t(i)] = value;
        } else {
            m_titles.emplace_back(caption, QT_TR_NOOP("Итог"));
            value->setObjectName(QStringLiteral("votedPpo2"));
            m_voted = value;
        }
    }
    m_diluentPpo2 = readout(QT_TR_NOOP("Промывка дилюентом: PPO2"), 8, 210, kColumn, 30);
    m_diluentPpo2->setObjectName(QStringLiteral("diluentPpo2"));

    // What the diver breathes and the bailout cylinders with their mixes.
    m_breathingNow = readout(QT_TR_NOOP("Дыхание"), 8, 262, kColumn, 30);
    m_breathingNow->setObjectName(QStringLiteral("breathing"));
    for (std::size_t j = 0; j < 2; ++j) {
        m_cylinders[j] = readout(nullptr, 8 + int(j) * (kHalf + 8), 314, kHalf, 30);
        m_cylinders[j]->setObjectName(QStringLiteral("bailout%1Left").arg(j + 1));
        m_cylinderCaptions[j] = m_titles.back().first;
        m_titles.pop_back(); // named from the settings, not translated once
    }

    m_noDeco = readout(QT_TR_NOOP("Бездекомпрессионное время"), kRight, 6, kColumn, 30);
    m_noDeco->setObjectName(QStringLiteral("noDecoTime"));
    m_tts = readout(QT_TR_NOOP("Время до поверхности"), kRight, 58, kColumn, 30);
    m_tts->setObjectName(QStringLiteral("tts"));
    m_firstStop = readout(QT_TR_NOOP("Первая остановка"), kRight, 110, kColumn, 30);
    m_firstStop->setObjectName(QStringLiteral("firstStop"));

    m_stops = stopList("stops", QT_TR_NOOP("Остановки"), kRight, 162, 361 - 162);

    // "Bail out now": the ascent on the bailout gases and what it needs of
    // each, under the loop's read-outs.
    auto *bailoutTitle = new QLabel(this);
    m_titles.emplace_back(bailoutTitle, QT_TR_NOOP("План байлаута"));
    bailoutTitle->setGeometry(8, kBailoutTop, kWidth - 16, 16);
    bailoutTitle->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    bailoutTitle->setAlignment(Qt::AlignCenter);
    setColours(bailoutTitle, Qt::white, kConsole);
    m_bailoutTts = readout(QT_TR_NOOP("Время до поверхности"), 8, kBailoutTop + 20, kColumn, 30);
    m_bailoutTts->setObjectName(QStringLiteral("bailoutTts"));
    for (std::size_t j = 0; j < 2; ++j) {
        m_needs[j] = readout(nullptr, 8, kBailoutTop + 72 + int(j) * 52, kColumn, 30);
        m_needs[j]->setObjectName(QStringLiteral("bailout%1Need").arg(j + 1));
        m_needCaptions[j] = m_titles.back().first;
        m_titles.pop_back();
    }
    m_bailoutStops = stopList("bailoutStops", QT_TR_NOOP("Остановки"), kRight, kBailoutTop + 20,
            kWarningsTop - 7 - kBailoutTop - 20);

    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("warnings"));
    m_warnings->setGeometry(8, kWarningsTop, kWidth - 16, kWarningsHeight);
    m_warnings->setAlignment(Qt::AlignCenter);
    m_warnings->setWordWrap(true);
    m_warnings->setFont(designFont(QStringLiteral("Tahoma"), 14, true));
    setColours(m_warnings, Qt::white, kConsole);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setGeometry(8, kStatusTop, kWidth - 16, kStatusHeight);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setFont(designFont(QStringLiteral("Tahoma"), 11));
    m_status->setTextFormat(Qt::PlainText);
    setColours(m_status, Qt::white, kConsole);

    m_outlookLater.setSingleShot(true);
    connect(&m_outlookLater, &QTimer::timeout, this, [this] { updateOutlook(); });

    // Over the main window, which can take the keyboard: this one cannot.
    m_settings = new TDiveComputerSettings(mainWindow);
    connect(m_settings, &QDialog::accepted, this, &TDiveComputer::settingsTaken);
    translate();
}

void TDiveComputer::translate()
{
    setWindowTitle(tr("Дайв-компьютер"));
    for (const auto &[title, caption] : m_titles)
        title->setText(tr(caption));
    m_cns->setToolTip(tr("Кислородная нагрузка на нервную систему, % от предела"));
    m_otu->setToolTip(tr("Кислородная нагрузка на лёгкие, единиц OTU"));
    m_voted->setToolTip(tr("PPO2, по которому работает контроллер: голосование трёх датчиков"));
    m_diluentPpo2->setToolTip(
            tr("Что должен показать каждый датчик сразу после промывки контура дилюентом"));
    m_gf99->setToolTip(tr("Насыщение ведущего отсека на текущей глубине, % от предела"));
    m_surfaceGf->setToolTip(
            tr("Насыщение ведущего отсека при всплытии на поверхность сейчас, % от предела"));
    m_gradientFactors->setToolTip(tr("Градиент-факторы плана: нажмите, чтобы изменить"));
    m_breathingNow->setToolTip(tr("Чем дышит дайвер: контур или газ байлаута (меню «Байлаут»)"));
    m_bailoutTts->setToolTip(
            tr("Всплытие на газах байлаута, если перейти на них сейчас, с остановками по GF"));
    showGradientFactors();
    showBreathing(m_breathing);
    showExposure(m_exposure);
    showCells(m_cells);
    showOutlook(m_outlook);
}

void TDiveComputer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translate();
    QWidget::changeEvent(event);
}

QLabel *TDiveComputer::readout(const char *caption, int x, int y, int width, int height)
{
    auto *title = new QLabel(this);
    m_titles.emplace_back(title, caption); // a caller without a caption takes it out again
    title->setGeometry(x, y, width, 16);
    title->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    setColours(title, Qt::white, kConsole);
    auto *value = new QLabel(this);
    value->setGeometry(x, y + 17, width, height);
    value->setFont(designFont(QStringLiteral("Tahoma"), 21, true, true));
    value->setAlignment(Qt::AlignCenter);
    value->setTextFormat(Qt::PlainText);
    setColours(value, kReadoutText, kReadoutBack);
    return value;
}

QLabel *TDiveComputer::stopList(const char *name, const char *caption, int x, int y, int height)
{
    auto *title = new QLabel(this);
    m_titles.emplace_back(title, caption);
    title->setGeometry(x, y, kColumn, 16);
    title->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    setColours(title, Qt::white, kConsole);
    // Every stop, deepest first, in the read-outs' own look.
    auto *area = new QScrollArea(this);
    area->setObjectName(QLatin1String(name) + QStringLiteral("Area"));
    area->setGeometry(x, y + 17, kColumn, height - 17);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    auto *stops = new QLabel;
    stops->setObjectName(QLatin1String(name));
    stops->setFont(designFont(QStringLiteral("Tahoma"), 18, true, true));
    stops->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    stops->setTextFormat(Qt::PlainText);
    setColours(stops, kReadoutText, kReadoutBack);
    area->setWidget(stops);
    setColours(area->viewport(), kReadoutText, kReadoutBack);
    return stops;
}

void TDiveComputer::showExposure(const ExposureView &view)
{
    m_exposure = view;
    m_cns->setText(whole(view.cnsPercent));
    setAlertColours(m_cns, view.cnsLevel);
    m_otu->setText(whole(view.otu));
    m_gf99->setText(whole(view.gf99));
    m_surfaceGf->setText(whole(view.surfaceGf));
    setAlertColours(m_surfaceGf, view.surfaceGfLevel);
    showWarnings();
}

void TDiveComputer::showCells(const CellsView &view)
{
    m_cells = view;
    for (std::size_t k = 0; k < 3; ++k) {
        QLabel *cell = m_cellReadings[k];
        cell->setText(fromUtf8(view.readings[k].display()));
        // The cell the vote leaves out, struck through in red.
        const bool out = view.votedOut == int(k) + 1;
        QFont font = cell->font();
        font.setStrikeOut(out);
        cell->setFont(font);
        setColours(cell, out ? toQColor(kAlertRed) : kReadoutText, kReadoutBack);
        cell->setToolTip(out ? tr("Датчик %1 исключён голосованием").arg(k + 1)
                             : tr("Датчик %1").arg(k + 1));
    }
    m_voted->setText(fromUtf8(view.voted.display()));
    m_diluentPpo2->setText(fromUtf8(view.diluentPpo2.display()));
    showWarnings();
}

void TDiveComputer::showBreathing(const BreathingView &view)
{
    m_breathing = view;
    for (std::size_t j = 0; j < 2; ++j) {
        const QString name = tr("Газ %1 (%2)").arg(j + 1).arg(fromUtf8(mixText(view.gases[j])));
        m_cylinderCaptions[j]->setText(name);
        m_needCaptions[j]->setText(tr("%1: нужно / есть, л").arg(name));
        m_cylinders[j]->setText(
                view.diving ? tr("%1 л").arg(view.litresLeft[j]) : QStringLiteral("—"));
    }
    QString now = QStringLiteral("—");
    if (view.diving)
        now = view.breathing == Breathing::Loop
                ? tr("Контур")
                : m_cylinderCaptions[gasIndex(view.breathing)]->text();
    m_breathingNow->setText(now);
    // An empty cylinder on the diver's mouth: red, as the warning below.
    setAlertColours(m_breathingNow, view.outOfGas ? AlertLevel::Red : AlertLevel::Normal);
}

void TDiveComputer::showBailoutPlan(const BailoutOutlook &plan)
{
    using Status = BailoutOutlook::Status;
    QString tts = QStringLiteral("—");
    QStringList stops;
    if (plan.status == Status::Endless) {
        tts = ttsText(true, 0);
    } else if (plan.status == Status::NoGas) {
        stops << tr("Нет газа\nдля байлаута");
    } else if (plan.status == Status::Planned) {
        tts = ttsText(false, plan.ttsMinutes);
        for (const DecoStop &stop : plan.stops)
            stops << stopText(stop);
        if (stops.isEmpty())
            stops << tr("нет");
    }
    m_bailoutTts->setText(tts);
    m_bailoutStops->setText(stops.isEmpty() ? QStringLiteral("—") : stops.join(QLatin1Char('\n')));
    for (std::size_t j = 0; j < 2; ++j) {
        const BailoutOutlook::Gas &gas = plan.gases[j];
        QString text = QStringLiteral("—");
        AlertLevel level = AlertLevel::Normal;
        if (plan.status == Status::Planned) {
            text = gas.carried ? QStringLiteral("%1 / %2").arg(gas.needL).arg(gas.contentL)
                               : tr("не взят");
            // Not enough of a gas the ascent breathes.
            if (gas.carried && !gas.enough)
                level = AlertLevel::Red;
        }
        m_needs[j]->setText(text);
        setAlertColours(m_needs[j], level);
    }
}

void TDiveComputer::showWarnings()
{
    QStringList warnings;
    for (DiveWarning w : m_exposure.warnings)
        warnings << warningText(w);
    if (m_cells.votedOut != 0)
        warnings << tr("ДАТЧИК %1 ИСКЛЮЧЁН").arg(m_cells.votedOut);
    if (m_cells.disagree)
        warnings << tr("ДАТЧИКИ НЕ СОГЛАСНЫ");
    m_warnings->setText(warnings.join(QStringLiteral("   ")));
    setColours(m_warnings, Qt::white, warnings.isEmpty() ? kConsole : toQColor(kAlertRed));
}

void TDiveComputer::showNoStop()
{
    switch (m_outlook.noStop) {
    case OutlookView::NoStop::Unknown:
        m_noDeco->setText(QStringLiteral("—"));
        break;
    case OutlookView::NoStop::Minutes:
        m_noDeco->setText(minutes(m_outlook.noStopMinutes));
        break;
    case OutlookView::NoStop::Endless:
        m_noDeco->setText(tr("Вечн"));
        break;
    case OutlookView::NoStop::Deco:
        m_noDeco->setText(tr("ДЕКО"));
        break;
    }
}

void TDiveComputer::showOutlook(const OutlookView &view)
{
    m_outlook = view;
    showNoStop();
    QString tts = QStringLiteral("—");
    QString firstStop = QStringLiteral("—");
    QStringList stops;
    if (const std::optional<DecoPlan> &plan = view.plan) {
        tts = ttsText(plan->endless, plan->ttsMinutes);
        if (!plan->endless) {
            for (const DecoStop &stop : plan->stops)
                stops << stopText(stop);
            firstStop = stops.isEmpty() ? tr("нет") : stops.front();
        }
    }
    m_tts->setText(tts);
    m_firstStop->setText(firstStop);
    m_stops->setText(stops.isEmpty() ? QStringLiteral("—") : stops.join(QLatin1Char('\n')));
    showBailoutPlan(view.bailout);
    updateStatus();
}

void TDiveComputer::updateStatus()
{
    QStringList lines;
    if (!m_drillStatus.isEmpty())
        lines << m_drillStatus;
    if (!m_outlook.status.empty())
        lines << fromUtf8(m_outlook.status);
    if (m_outlook.negativeConservatismIgnored)
        lines << tr("Отрицательный консерватизм не учитывается: план считается с 0");
    const QString text = lines.join(QLatin1Char('\n'));
    m_status->setText(fitted(m_status, text));
    m_status->setToolTip(text);
}

void TDiveComputer::setDrillStatus(const QString &text)
{
    m_drillStatus = text;
    updateStatus();
}

void TDiveComputer::showGradientFactors()
{
    const GradientFactors &pair = m_simulation.state().gradientFactors;
    m_gradientFactors->setText(tr("GF %1/%2").arg(pair.low).arg(pair.high));
}

void TDiveComputer::openSettings()
{
    m_settings->setPair(m_simulation.state().gradientFactors);
    m_settings->open();
}

void TDiveComputer::settingsTaken()
{
    GradientFactors &pair = m_simulation.state().gradientFactors;
    const bool changed = !(pair == m_settings->pair());
    pair = m_settings->pair();
    showGradientFactors();
    // The surface GF's amber follows the high factor; the outlook at once.
    refreshNow();
    if (changed)
        emit gradientFactorsChanged();
}

void TDiveComputer::updateOutlook()
{
    m_outlookLater.stop();
    m_sinceOutlook.start();
    m_outlookStale = false;
    showOutlook(m_lastRun == RunState::Idle ? OutlookView {} : outlookView(m_simulation));
}

void TDiveComputer::simulationChanged()
{
    const RunState run = runState(m_simulation.view().controls);
    const bool stopped = m_lastRun == RunState::Running && run != RunState::Running;
    m_lastRun = run;
    showGradientFactors(); // a drill's set-up may have changed them
    const ExposureView exposure = exposureView(m_simulation.state(), run);
    if (!(exposure == m_exposure))
        showExposure(exposure);
    const CellsView cells = cellsView(m_simulation, run);
    if (!(cells == m_cells))
        showCells(cells);
    const BreathingView breathing = breathingView(m_simulation.state(), run);
    if (!(breathing == m_breathing))
        showBreathing(breathing);
    m_outlookStale = true;
    if (!isVisible())
        return;
    if (stopped || !m_sinceOutlook.isValid() || m_sinceOutlook.elapsed() >= kOutlookIntervalMs)
        updateOutlook();
    else if (!m_outlookLater.isActive())
        m_outlookLater.start(int(kOutlookIntervalMs - m_sinceOutlook.elapsed()));
}

void TDiveComputer::refreshNow()
{
    m_lastRun = runState(m_simulation.view().controls);
    showGradientFactors();
    showExposure(exposureView(m_simulation.state(), m_lastRun));
    showCells(cellsView(m_simulation, m_lastRun));
    showBreathing(breathingView(m_simulation.state(), m_lastRun));
    updateOutlook();
}

void TDiveComputer::placeBesideMainWindow()
{
    const QRect main = m_mainWindow->frameGeometry();
    QPoint at(main.right() + 1, main.top());
    if (const QScreen *screen = m_mainWindow->screen()) {
        const QRect room = screen->availableGeometry();
        // Keep it on the screen: over the main window's edge rather than off it.
        at.setX(std::min(at.x(), room.right() + 1 - frameGeometry().width()));
    }
    move(at);
}

void TDiveComputer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_outlookStale)
        refreshNow();
}

void TDiveComputer::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closedByUser();
}
