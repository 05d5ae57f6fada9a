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
// Two columns of read-outs and a status line across them: low enough for a
// 768-pixel screen with room below for more read-outs.
constexpr int kColumn = 216;
constexpr int kRight = 8 + kColumn + 8; // the right column's left edge
constexpr int kWidth = kRight + kColumn + 8;
constexpr int kStatusTop = 350;
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

QString warningText(DiveWarning warning)
{
    switch (warning) {
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

    m_cns = readout(QT_TR_NOOP("ЦНС, %"), 8, 6, 104, 30);
    m_cns->setObjectName(QStringLiteral("cns"));
    m_otu = readout("OTU", 120, 6, 104, 30);
    m_otu->setObjectName(QStringLiteral("otu"));
    m_gf99 = readout("GF99", 8, 58, 104, 30);
    m_gf99->setObjectName(QStringLiteral("gf99"));
    m_surfaceGf = readout(QT_TR_NOOP("Пов. GF"), 120, 58, 104, 30);
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

    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("warnings"));
    m_warnings->setGeometry(8, 264, kColumn, 80);
    m_warnings->setAlignment(Qt::AlignCenter);
    m_warnings->setFont(designFont(QStringLiteral("Tahoma"), 15, true));
    setColours(m_warnings, Qt::white, kConsole);

    m_noDeco = readout(QT_TR_NOOP("Бездекомпрессионное время"), kRight, 6, kColumn, 30);
    m_noDeco->setObjectName(QStringLiteral("noDecoTime"));
    m_tts = readout(QT_TR_NOOP("Время до поверхности"), kRight, 58, kColumn, 30);
    m_tts->setObjectName(QStringLiteral("tts"));
    m_firstStop = readout(QT_TR_NOOP("Первая остановка"), kRight, 110, kColumn, 30);
    m_firstStop->setObjectName(QStringLiteral("firstStop"));

    // Every stop, deepest first, in the read-outs' own look; a long plan
    // scrolls.
    auto *stopsTitle = new QLabel(this);
    m_titles.emplace_back(stopsTitle, QT_TR_NOOP("Остановки"));
    stopsTitle->setGeometry(kRight, 162, kColumn, 16);
    stopsTitle->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    setColours(stopsTitle, Qt::white, kConsole);
    m_stopsArea = new QScrollArea(this);
    m_stopsArea->setObjectName(QStringLiteral("stopsArea"));
    m_stopsArea->setGeometry(kRight, 179, kColumn, 165);
    m_stopsArea->setFrameShape(QFrame::NoFrame);
    m_stopsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stopsArea->setWidgetResizable(true);
    m_stopsArea->setFocusPolicy(Qt::NoFocus);
    m_stops = new QLabel;
    m_stops->setObjectName(QStringLiteral("stops"));
    m_stops->setFont(designFont(QStringLiteral("Tahoma"), 18, true, true));
    m_stops->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_stops->setTextFormat(Qt::PlainText);
    setColours(m_stops, kReadoutText, kReadoutBack);
    m_stopsArea->setWidget(m_stops);
    setColours(m_stopsArea->viewport(), kReadoutText, kReadoutBack);

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
    showGradientFactors();
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
    m_titles.emplace_back(title, caption);
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

void TDiveComputer::showWarnings()
{
    QStringList warnings;
    for (DiveWarning w : m_exposure.warnings)
        warnings << warningText(w);
    if (m_cells.votedOut != 0)
        warnings << tr("ДАТЧИК %1 ИСКЛЮЧЁН").arg(m_cells.votedOut);
    if (m_cells.disagree)
        warnings << tr("ДАТЧИКИ НЕ СОГЛАСНЫ");
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
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
        // An ascent of more than a day is no good news, whatever its stops.
        tts = plan->endless ? tr("> 24 ч") : minutes(plan->ttsMinutes);
        if (!plan->endless) {
            for (const DecoStop &stop : plan->stops)
                stops << stopText(stop);
            firstStop = stops.isEmpty() ? tr("нет") : stops.front();
        }
    }
    m_tts->setText(tts);
    m_firstStop->setText(firstStop);
    m_stops->setText(stops.isEmpty() ? QStringLiteral("—") : stops.join(QLatin1Char('\n')));
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
    m_simulation.state().gradientFactors = m_settings->pair();
    showGradientFactors();
    // The surface GF's amber follows the high factor; the outlook at once.
    refreshNow();
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
