#include "controls/tplotchart.h"

#include "controls/bsplinepainter.h"
#include "controls/qtext.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QResizeEvent>

#include <array>

namespace {

constexpr std::array<QRgb, 14> kNormalColors {0xFF0000, 0x0000FF, 0x008000, 0xFF00FF, 0x000080,
        0x800000, 0x000000, 0x808000, 0x800080, 0x008080, 0x808080, 0x00FF00, 0xFFFF00, 0x00FFFF};
constexpr std::array<QRgb, 14> kSoftColors {0xFFC266, 0xDAFA5A, 0x4DC8F4, 0xF44DB5, 0xFF9F66,
        0x5A4DF4, 0xFFE066, 0xFFFF66, 0xAE4DF4, 0xFE6368, 0x74F44D, 0x4D93F4, 0xC0C0C0, 0x808080};
constexpr int kMarkerShapes = 5;
const QColor kGridGrey(0x80, 0x80, 0x80);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

enum Marker { Square, Circle, TriangleUp, TriangleDown, Diamond };

// Rectangles follow the fill-and-frame convention of the layout: right and
// bottom exclusive. A 1-pixel Qt outline of w x h covers w + 1 pixels.
QRect outlineRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

// Text is placed by the top-left corner of its line box.
void drawTextAt(QPainter &painter, int left, int top, const QString &text)
{
    painter.drawText(QPoint(left, top + painter.fontMetrics().ascent()), text);
}

QPen dottedGreyPen()
{
    QPen pen(kGridGrey, 1, Qt::DotLine);
    pen.setCosmetic(true);
    return pen;
}

// The part of the chart inside the border: it paints the chart and reports
// the pointer in client coordinates.
class ChartClientArea : public QWidget
{
public:
    explicit ChartClientArea(TPlotChart *chart) : QWidget(chart), m_chart(chart)
    {
        setAttribute(Qt::WA_OpaquePaintEvent); // painting fills every pixel
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_chart->paintClient(painter);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        emit m_chart->mouseMoved(p.x(), p.y());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        emit m_chart->mousePressed(event->button(), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        emit m_chart->mouseReleased(event->button(), p.x(), p.y());
    }

private:
    TPlotChart *m_chart;
};

} // namespace

TPlotChart::TPlotChart(QWidget *parent)
    : QFrame(parent), m_title(QStringLiteral("Chart Title")),
      m_axisXTitle(QStringLiteral("X Axis")), m_axisYTitle(QStringLiteral("Y Axis"))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWhite);
    pal.setColor(QPalette::WindowText, kBlack);
    setPalette(pal);

    // "Arial" in pixels, as the chart's geometry is in pixels; fontconfig
    // substitutes a metric-compatible face where Arial itself is missing.
    m_normalFont = QFont(QStringLiteral("Arial"));
    m_normalFont.setPixelSize(11);
    m_titleFont = QFont(QStringLiteral("Arial"));
    m_titleFont.setPixelSize(19);
    m_options.title = m_title.toStdString();
    rebuildMeasurer();

    m_client = new ChartClientArea(this);
    resize(300, 200);
    m_client->setGeometry(contentsRect());
}

TPlotChart::~TPlotChart() = default;

void TPlotChart::rebuildMeasurer()
{
    m_measurer = std::make_unique<FontTextMeasurer>(m_normalFont, m_titleFont);
}

TPlotSeries *TPlotChart::AddSeries(SeriesKind kind)
{
    SeriesOwner *owner = this;
    m_series.push_back(std::make_unique<TPlotSeries>(kind, owner));
    return m_series.back().get();
}

void TPlotChart::Clear()
{
    m_series.clear();
    // The ticks and the mapping go at once, even inside BeginUpdate: they
    // belong to series that no longer exist, and a pointer read-out must not
    // map through them.
    layoutNow();
    if (!m_updating)
        m_client->update();
}

void TPlotChart::BeginUpdate()
{
    m_updating = true;
}

void TPlotChart::EndUpdate()
{
    m_updating = false;
    layoutNow();
    m_client->update();
}

void TPlotChart::seriesChanged()
{
    relayoutAndRedraw();
}

void TPlotChart::relayoutAndRedraw()
{
    if (m_updating)
        return;
    layoutNow();
    m_client->update();
}

void TPlotChart::layoutNow()
{
    const QRect client = contentsRect();
    m_layout.run(m_options, m_series, *m_measurer, client.width(), client.height());
    if (m_layout.barCount() > 0)
        m_options.axisXOnePerValue = true;
}

void TPlotChart::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_client->setGeometry(contentsRect());
    relayoutAndRedraw();
}

bool TPlotChart::ClientToValue(int x, int y, double &valueX, double &valueY) const
{
    return m_layout.clientToValue(x, y, valueX, valueY);
}

void TPlotChart::SetShowLegend(bool on)
{
    if (on == m_options.showLegend)
        return;
    m_options.showLegend = on;
    relayoutAndRedraw();
}

void TPlotChart::SetShowTitle(bool on)
{
    if (on == m_options.showTitle)
        return;
    m_options.showTitle = on;
    relayoutAndRedraw();
}

void TPlotChart::SetShowXGrid(bool on)
{
    if (on == m_showXGrid)
        return;
    m_showXGrid = on;
    if (!m_updating)
        m_client->update();
}

void TPlotChart::SetShowYGrid(bool on)
{
    if (on == m_showYGrid)
        return;
    m_showYGrid = on;
    if (!m_updating)
        m_client->update();
}

void TPlotChart::SetTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    m_options.title = title.toStdString();
    relayoutAndRedraw();
}

void TPlotChart::SetTitleFont(const QFont &font)
{
    if (font == m_titleFont)
        return;
    m_titleFont = font;
    rebuildMeasurer();
    relayoutAndRedraw();
}

void TPlotChart::SetAxisXTitle(const QString &title)
{
    if (title == m_axisXTitle)
        return;
    m_axisXTitle = title;
    relayoutAndRedraw();
}

void TPlotChart::SetAxisYTitle(const QString &title)
{
    if (title == m_axisYTitle)
        return;
    m_axisYTitle = title;
    relayoutAndRedraw();
}

void TPlotChart::SetAxisXOnePerValue(bool on)
{
    if (on == m_options.axisXOnePerValue)
        return;
    m_options.axisXOnePerValue = on;
    relayoutAndRedraw();
}

void TPlotChart::SetAxisXScale(float scale)
{
    if (scale == m_options.axisXScale)
        return;
    // Labels divide by the scale.
    m_options.axisXScale = scale == 0.0f ? 1.0f : scale;
    relayoutAndRedraw();
}

void TPlotChart::SetAxisYScale(float scale)
{
    if (scale == m_options.axisYScale)
        return;
    m_options.axisYScale = scale == 0.0f ? 1.0f : scale;
    relayoutAndRedraw();
}

void TPlotChart::SetRoundSteps(bool on)
{
    m_options.roundSteps = on;
    relayoutAndRedraw();
}

void TPlotChart::SetAxisYCovers(double low, double high)
{
    m_options.yCoversLow = low;
    m_options.yCoversHigh = high;
    relayoutAndRedraw();
}

void TPlotChart::SetMonochrome(bool on)
{
    if (on == m_monochrome)
        return;
    m_monochrome = on;
    relayoutAndRedraw();
}

void TPlotChart::SetSoftColors(bool on)
{
    if (on == m_softColors)
        return;
    m_softColors = on;
    relayoutAndRedraw();
}

QColor TPlotChart::seriesColor(int index) const
{
    if (m_monochrome)
        return kBlack;
    const std::size_t k = std::size_t(index % 14);
    return QColor::fromRgb(m_softColors ? kSoftColors[k] : kNormalColors[k]);
}

void TPlotChart::paintClient(QPainter &painter)
{
    painter.fillRect(m_client->rect(), kWhite);
    if (m_updating)
        return; // the series are half-filled; EndUpdate repaints
    painter.setPen(QPen(kBlack, 1));
    painter.setBrush(kWhite);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (m_layout.legendShown())
        paintLegend(painter);
    if (m_layout.titleShown()) {
        painter.setFont(m_titleFont);
        const PixelRect &t = m_layout.title();
        painter.drawText(QRect(t.left, t.top, t.width(), t.height()),
                Qt::AlignCenter | Qt::TextWordWrap, m_title);
    }
    paintXAxis(painter);
    paintYAxis(painter);

    const PixelRect &plot = m_layout.plot();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, 1));
    const QPoint frame[] = {QPoint(plot.left, plot.top), QPoint(plot.right, plot.top),
            QPoint(plot.right, plot.bottom)};
    painter.drawPolyline(frame, 3);

    // Bars first, so that lines and markers stay visible over them.
    for (int i = 0; i < seriesCount(); ++i)
        if (m_series[std::size_t(i)]->kind() == SeriesKind::Bar)
            paintSeries(painter, i);
    for (int i = 0; i < seriesCount(); ++i)
        if (m_series[std::size_t(i)]->kind() != SeriesKind::Bar)
            paintSeries(painter, i);
}

void TPlotChart::paintLegend(QPainter &painter)
{
    const PixelRect &l = m_layout.legend();
    painter.fillRect(QRect(QPoint(l.right, l.top + 3), QPoint(l.right + 2, l.bottom + 2)), kBlack);
    painter.fillRect(
            QRect(QPoint(l.left + 3, l.bottom), QPoint(l.right + 2, l.bottom + 2)), kBlack);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, 1));
    painter.drawRect(outlineRect(l.left, l.top, l.right, l.bottom));
    painter.setFont(m_normalFont);
    const int h = m_layout.lineHeight();
    for (const auto &s : m_series) {
        int y = l.top + s->legendRowTop + (20 - h) / 2;
        for (const std::string &line : ChartLayout::captionLines(s->Caption())) {
            drawTextAt(painter, l.left + 32, y, fromUtf8(line));
            y += h;
        }
    }
}

void TPlotChart::paintXAxis(QPainter &painter)
{
    const PixelRect &plot = m_layout.plot();
    QPen thick(kBlack, 3);
    thick.setCapStyle(Qt::RoundCap);
    painter.setPen(thick);
    painter.drawLine(plot.left, plot.bottom, plot.right, plot.bottom);

    const int h = m_layout.lineHeight();
    painter.setFont(m_measurer->font(ChartFont::Bold));
    const int titleWidth = m_measurer->metrics(ChartFont::Bold).horizontalAdvance(m_axisXTitle);
    drawTextAt(painter, (plot.width() - titleWidth) / 2 + plot.left, plot.bottom + 14 + h,
            m_axisXTitle);

    painter.setPen(QPen(kBlack, 1));
    painter.setFont(m_normalFont);
    const std::vector<AxisTick> &ticks = m_layout.xTicks();
    for (int i : m_layout.drawnXLabels(*m_measurer)) {
        const AxisTick &tick = ticks[std::size_t(i)];
        const QString label = fromUtf8(tick.label);
        const int width = m_measurer->metrics(ChartFont::Normal).horizontalAdvance(label);
        drawTextAt(painter, tick.x - width / 2, plot.bottom + 4, label);
    }
    for (const AxisTick &tick : ticks)
        painter.drawLine(tick.x, plot.bottom, tick.x, plot.bottom + 1);
    if (m_showXGrid && ticks.size() > 2) {
        painter.setPen(dottedGreyPen());
        for (std::size_t i = 1; i + 1 < ticks.size(); ++i)
            painter.drawLine(ticks[i].x, plot.bottom, ticks[i].x, plot.top + 1);
    }
}

void TPlotChart::paintYAxis(QPainter &painter)
{
    const PixelRect &plot = m_layout.plot();
    QPen thick(kBlack, 3);
    thick.setCapStyle(Qt::RoundCap);
    painter.setPen(thick);
    painter.drawLine(plot.left, plot.top, plot.left, plot.bottom);

    painter.setFont(m_measurer->font(ChartFont::Bold));
    const int titleWidth = m_measurer->metrics(ChartFont::Bold).horizontalAdvance(m_axisYTitle);
    painter.save();
    // Reading upwards: the text's top edge faces the left of the chart.
    painter.translate(20, plot.bottom - (plot.height() - titleWidth) / 2);
    painter.rotate(-90.0);
    drawTextAt(painter, 0, 0, m_axisYTitle);
    painter.restore();

    painter.setPen(QPen(kBlack, 1));
    painter.setFont(m_normalFont);
    const QFontMetrics &fm = m_measurer->metrics(ChartFont::Normal);
    const std::vector<AxisTick> &ticks = m_layout.yTicks();
    for (const AxisTick &tick : ticks) {
        const QString label = fromUtf8(tick.label);
        drawTextAt(painter, plot.left - 4 - fm.horizontalAdvance(label), tick.y - fm.height() / 2,
                label);
        painter.drawLine(plot.left - 2, tick.y, plot.left - 1, tick.y);
    }
    if (m_showYGrid) {
        for (std::size_t i = 1; i + 1 < ticks.size(); ++i) {
            // The zero line is solid so that it reads as the baseline.
            if (ticks[i].value == 0.0)
                painter.setPen(QPen(kBlack, 1));
            else
                painter.setPen(dottedGreyPen());
            painter.drawLine(plot.left, ticks[i].y, plot.right - 1, ticks[i].y);
        }
    }
}

void TPlotChart::applySeriesStyle(QPainter &painter, int index)
{
    const QColor colour = seriesColor(index);
    painter.setPen(QPen(colour, 1));
    if (m_series[std::size_t(index)]->kind() != SeriesKind::Bar)
        painter.setBrush(kWhite);
    else if (m_monochrome)
        painter.setBrush(m_patterns.brush(index));
    else
        painter.setBrush(colour);
}

void TPlotChart::paintMarker(QPainter &painter, int shape, int x, int y, int s)
{
    switch (shape) {
    case Square:
        painter.drawRect(outlineRect(x - s, y - s, x + s, y + s));
        break;
    case Circle:
        painter.drawEllipse(outlineRect(x - s, y - s, x + s, y + s));
        break;
    case TriangleUp: {
        const QPoint corners[] = {QPoint(x, y - s), QPoint(x + s, y + s), QPoint(x - s, y + s)};
        painter.drawPolygon(corners, 3);
        break;
    }
    case TriangleDown: {
        const QPoint corners[] = {QPoint(x + s, y - s), QPoint(x - s, y - s), QPoint(x, y + s)};
        painter.drawPolygon(corners, 3);
        break;
    }
    default: {
        const QPoint corners[] = {
                QPoint(x, y - s), QPoint(x + s, y), QPoint(x, y + s), QPoint(x - s, y)};
        painter.drawPolygon(corners, 4);
        break;
    }
    }
}

void TPlotChart::paintSeries(QPainter &painter, int index)
{
    TPlotSeries &s = *m_series[std::size_t(index)];
    applySeriesStyle(painter, index);
    const int shape = index % kMarkerShapes;
    const int mark = m_layout.markSize();
    const bool hasPixels = !m_layout.noData();

    if (hasPixels) {
        switch (s.kind()) {
        case SeriesKind::Line: {
            // A point off every scale breaks the line instead of pulling it away.
            QPolygon line;
            for (const ChartPoint &p : s.points()) {
                if (p.plotted)
                    line.append(QPoint(p.px, p.py));
                if (!p.plotted || &p == &s.points().back()) {
                    painter.drawPolyline(line);
                    line.clear();
                }
            }
            break;
        }
        case SeriesKind::Smooth:
            BSplinePainter::draw(s.spline(), painter);
            break;
        case SeriesKind::Bar:
            for (const ChartPoint &p : s.points())
                if (p.plotted && p.hit.width() > 0 && p.hit.height() > 0)
                    painter.drawRect(outlineRect(p.hit.left, p.hit.top, p.hit.right, p.hit.bottom));
            break;
        }
        if (s.kind() != SeriesKind::Bar)
            for (const ChartPoint &p : s.points())
                if (p.plotted)
                    paintMarker(painter, shape, p.px, p.py, mark);
    }

    if (!m_layout.legendShown())
        return;
    const PixelRect &l = m_layout.legend();
    const int x = l.left + 10;
    const int y = l.top + s.legendRowTop;
    if (s.kind() == SeriesKind::Bar) {
        painter.drawRect(outlineRect(x + 2, y + 2, x + 18, y + 18));
    } else {
        painter.drawLine(x, y + 10, x + 19, y + 10);
        paintMarker(painter, shape, x + 10, y + 10, mark);
    }
}
