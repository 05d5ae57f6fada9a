#include "graph/tdivegraph.h"

#include "controls/qtext.h"
#include "controls/tplotchart.h"
#include "history/divehistory.h"
#include "util/numtext.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kClientWidth = 799;
constexpr int kClientHeight = 558;
constexpr int kWheelStep = 20;
// The wheel shrinks the window to no less than half its design size each way:
// a quarter of its area, where both charts still show a few ticks.
constexpr int kMinClientWidth = (kClientWidth + 1) / 2;
constexpr int kMinClientHeight = (kClientHeight + 1) / 2;
constexpr int kWheelNotch = 120; // angle delta of one notch of a standard wheel
// The lower chart starts this far above the bottom of the upper one and hides
// the upper chart's time labels.
constexpr int kChartOverlap = 59;

QString format(double value)
{
    return fromUtf8(numtext::formatHash2(value));
}

// "MS Sans Serif" is rarely installed outside Windows; the next faces have
// close metrics, so the fixed-size legend labels still fit their text.
QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
            QStringLiteral("Liberation Sans")});
    font.setPixelSize(11);
    return font;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    // Readouts follow the pointer; they must not take its moves from the chart.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setMargin(0);
    label->setIndent(0);
    return label;
}

TPlotChart *makeChart(
        QWidget *parent, const char *name, const QString &title, const QString &axisYTitle)
{
    auto *chart = new TPlotChart(parent);
    chart->setObjectName(QString::fromLatin1(name));
    chart->setCursor(Qt::CrossCursor);
    chart->SetShowLegend(false);
    chart->SetShowTitle(false);
    chart->SetShowXGrid(true);
    chart->SetShowYGrid(true);
    chart->SetTitle(title);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    chart->SetTitleFont(titleFont);
    chart->SetAxisYTitle(axisYTitle);
    chart->SetAxisXOnePerValue(false);
    chart->SetAxisXScale(1.0f);
    chart->SetAxisYScale(1.0f);
    chart->SetMonochrome(false);
    chart->SetSoftColors(false);
    return chart;
}

void place(QLabel *label, int left, int top, const QString &text)
{
    label->setText(text);
    label->adjustSize();
    label->move(left, top);
}

// How a chart's readout differs from the other's: the captions before its two
// values, and how far right the pair follows the pointer.
struct ReadoutStyle
{
    QString timeCaption;
    QString valueCaption;
    int rightmost;
};

TDiveGraph::Readout readout(
        const ReadoutStyle &style, int x, bool inside, double minutes, double value)
{
    TDiveGraph::Readout r;
    if (inside) {
        r.time = style.timeCaption + format(minutes) + QStringLiteral("  ");
        r.value = style.valueCaption + format(value) + QStringLiteral("  ");
    } else {
        r.time = TDiveGraph::tr("За гранью");
        r.value = TDiveGraph::tr("возможного");
    }
    const int p = std::min(x, style.rightmost);
    r.top = 5;
    r.timeLeft = p - 70;
    r.valueLeft = p + 10;
    return r;
}

} // namespace

TDiveGraph::TDiveGraph(const DiveHistory &history, QWidget *parent)
    : QDialog(parent,
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                    | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_history(history)
{
    setObjectName(QStringLiteral("DiveGraph"));
    setFont(windowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(kClientWidth, kClientHeight);

    m_chart = makeChart(this, "Chart", QString(), QString());
    m_chart->setGeometry(0, 0, 801, 393);
    m_label4 = makeLabel(m_chart->clientArea(), "Label4", QString(), QColor(255, 0, 0));
    m_label4->setGeometry(58, 4, 65, 13);
    m_label3 = makeLabel(m_chart->clientArea(), "Label3", QString(), QColor(0, 0, 255));
    m_label3->setGeometry(128, 4, 153, 13);
    m_label1 = makeLabel(m_chart->clientArea(), "Label1", QString(), QColor(0, 0, 0));
    m_label1->move(505, 5);
    m_label2 = makeLabel(m_chart->clientArea(), "Label2", QString(), QColor(0, 0, 0));
    m_label2->move(611, 5);

    m_chart1 = makeChart(this, "Chart1", QStringLiteral("PPO2"), QString());
    m_chart1->setGeometry(-1, 336, 801, 224);
    m_label5 = makeLabel(m_chart1->clientArea(), "Label5", QString(), QColor(0, 0, 0));
    m_label5->move(502, 3);
    m_label6 = makeLabel(m_chart1->clientArea(), "Label6", QString(), QColor(0, 0, 0));
    m_label6->move(611, 3);
    for (QLabel *label : {m_label1, m_label2, m_label5, m_label6})
        label->adjustSize();

    connect(m_chart, &TPlotChart::mouseMoved, this, &TDiveGraph::ChartMouseMove);
    connect(m_chart1, &TPlotChart::mouseMoved, this, &TDiveGraph::Chart1MouseMove);
    translate();
}

void TDiveGraph::translate()
{
    setWindowTitle(tr("График погружения"));
    m_chart->SetTitle(tr("История дайва"));
    m_chart->SetAxisYTitle(tr("Глубина (метры)"));
    m_chart1->SetAxisYTitle(tr("PPO2 (Кг/см2)"));
    for (TPlotChart *chart : {m_chart, m_chart1})
        chart->SetAxisXTitle(tr("Время (минуты)"));
    m_label4->setText(tr("----- Глубина"));
    m_label3->setText(tr("----- Безопасная глубина"));
}

void TDiveGraph::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translate();
    QDialog::changeEvent(event);
}

void TDiveGraph::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDiveGraph::FormShow()
{
    const int n = m_history.count();
    m_chart->BeginUpdate();
    TPlotSeries *depth = m_chart->AddSeries(SeriesKind::Line);
    depth->SetCaption("Глубина");
    // Depths are plotted negative so that deeper lies lower.
    for (int i = 0; i <= n; ++i)
        depth->AddXY(i, -1.0 * m_history.depth()[std::size_t(i)]);
    TPlotSeries *safe = m_chart->AddSeries(SeriesKind::Line);
    safe->SetCaption("Безопасная глубина");
    for (int i = 0; i <= n; ++i)
        safe->AddXY(i, -1.0 * m_history.safeDepth()[std::size_t(i)]);
    m_chart->EndUpdate();

    m_chart1->BeginUpdate();
    TPlotSeries *ppo2 = m_chart1->AddSeries(SeriesKind::Smooth);
    ppo2->SetCaption("PPO2");
    for (int i = 0; i <= n; ++i)
        ppo2->AddXY(i, m_history.ppo2()[std::size_t(i)]);
    m_chart1->EndUpdate();
}

void TDiveGraph::FormClose()
{
    m_chart->Clear();
    m_chart1->Clear();
    setResult(1);
}

void TDiveGraph::done(int)
{
    FormClose();
    QDialog::done(1);
}

TDiveGraph::Readout TDiveGraph::depthReadout(int x, bool inside, double minutes, double chartValue)
{
    const ReadoutStyle style {tr(" Время: "), tr(" Глубина: "), 700};
    // The chart plots depths negative; the readout shows them as depths.
    return readout(style, x, inside, minutes, -chartValue);
}

TDiveGraph::Readout TDiveGraph::ppo2Readout(int x, bool inside, double minutes, double ppo2)
{
    const ReadoutStyle style {tr("Время: "), QStringLiteral("PPO2: "), 710};
    return readout(style, x, inside, minutes, ppo2);
}

void TDiveGraph::showReadout(TPlotChart &chart, ReadoutFor readoutFor, QLabel *timeLabel,
        QLabel *valueLabel, int x, int y)
{
    double vx = 0.0;
    double vy = 0.0;
    const bool inside = chart.ClientToValue(x, y, vx, vy);
    const Readout r = readoutFor(x, inside, vx, vy);
    place(timeLabel, r.timeLeft, r.top, r.time);
    place(valueLabel, r.valueLeft, r.top, r.value);
}

void TDiveGraph::ChartMouseMove(int x, int y)
{
    showReadout(*m_chart, depthReadout, m_label1, m_label2, x, y);
}

void TDiveGraph::Chart1MouseMove(int x, int y)
{
    showReadout(*m_chart1, ppo2Readout, m_label5, m_label6, x, y);
}

void TDiveGraph::FormMouseWheelUp()
{
    resizeBy(-kWheelStep);
}

void TDiveGraph::FormMouseWheelDown()
{
    resizeBy(kWheelStep);
}

bool TDiveGraph::resizeBy(int delta)
{
    // W and H are the outer size, border and caption included.
    const QSize frame = frameGeometry().size() - size();
    const int h = frameGeometry().height() + delta;
    const int w = frameGeometry().width() + delta;
    // A notch that would make the charts unreadable or the window larger
    // than the screen is ignored; the window keeps its size.
    const QSize client(w - frame.width(), h - frame.height());
    const bool tooSmall = client.width() < kMinClientWidth || client.height() < kMinClientHeight;
    const QScreen *shownOn = screen();
    const bool tooLarge = shownOn
            && (w > shownOn->availableGeometry().width()
                    || h > shownOn->availableGeometry().height());
    if (delta < 0 ? tooSmall : tooLarge)
        return false;
    setFixedSize(client);

    m_chart->resize(w, numtext::nearestPixel(h / 100.0 * 60, numtext::kIntPixelLimit));
    m_chart1->resize(w, numtext::nearestPixel(h / 100.0 * 45, numtext::kIntPixelLimit));
    m_chart1->move(m_chart1->x(), m_chart->height() - kChartOverlap);
    return true;
}

void TDiveGraph::wheelEvent(QWheelEvent *event)
{
    // One step per notch; fine-grained wheels and touchpads add up to one.
    // Once a step meets a size limit the rest of a long spin is dropped, so
    // however large the reported angle, the loop ends at the limit.
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder >= kWheelNotch || m_wheelRemainder <= -kWheelNotch) {
        const bool up = m_wheelRemainder > 0;
        m_wheelRemainder += up ? -kWheelNotch : kWheelNotch;
        if (!resizeBy(up ? -kWheelStep : kWheelStep)) {
            m_wheelRemainder = 0;
            break;
        }
    }
    // Not marked as handled: the wheel message goes on as before.
    event->ignore();
}
