#include "controls/fonttextmeasurer.h"

#include <QRect>
#include <QString>

namespace {

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What belongs to \a font, of the three things given for the three fonts.
template<typename T>
const T &pick(ChartFont font, const T &normal, const T &bold, const T &title)
{
    switch (font) {
    case ChartFont::Bold:
        return bold;
    case ChartFont::Title:
        return title;
    case ChartFont::Normal:
        break;
    }
    return normal;
}

} // namespace

FontTextMeasurer::FontTextMeasurer(const QFont &normal, const QFont &title)
    : m_normal(normal), m_bold(boldOf(normal)), m_title(title), m_normalMetrics(m_normal),
      m_boldMetrics(m_bold), m_titleMetrics(m_title)
{ }

const QFont &FontTextMeasurer::font(ChartFont font) const
{
    return pick(font, m_normal, m_bold, m_title);
}

const QFontMetrics &FontTextMeasurer::metrics(ChartFont font) const
{
    return pick(font, m_normalMetrics, m_boldMetrics, m_titleMetrics);
}

int FontTextMeasurer::textWidth(ChartFont font, std::string_view text) const
{
    return metrics(font).horizontalAdvance(fromUtf8(text));
}

int FontTextMeasurer::lineHeight(ChartFont font) const
{
    return metrics(font).height();
}

TextExtent FontTextMeasurer::wrappedExtent(
        ChartFont font, std::string_view text, int boxWidth) const
{
    const QRect box(0, 0, boxWidth > 0 ? boxWidth : 1, 1 << 20);
    const QRect used =
            metrics(font).boundingRect(box, Qt::AlignHCenter | Qt::TextWordWrap, fromUtf8(text));
    return {used.width(), used.height()};
}
