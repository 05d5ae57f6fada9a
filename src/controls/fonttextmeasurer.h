#pragma once

#include "controlmodel/textmeasurer.h"

#include <QFont>
#include <QFontMetrics>

/// Measures chart texts with real fonts: the normal font, its bold form for
/// axis titles, and the title font.
class FontTextMeasurer : public TextMeasurer
{
public:
    FontTextMeasurer(const QFont &normal, const QFont &title);

    int textWidth(ChartFont font, std::string_view text) const override;
    int lineHeight(ChartFont font) const override;
    TextExtent wrappedExtent(ChartFont font, std::string_view text, int boxWidth) const override;

    const QFont &font(ChartFont font) const;
    const QFontMetrics &metrics(ChartFont font) const;

private:
    QFont m_normal;
    QFont m_bold;
    QFont m_title;
    QFontMetrics m_normalMetrics;
    QFontMetrics m_boldMetrics;
    QFontMetrics m_titleMetrics;
};
