#pragma once

#include <string_view>

/// The fonts a chart measures and draws text with.
enum class ChartFont {
    Normal, ///< tick labels and legend
    Bold, ///< axis titles
    Title, ///< the chart title
};

/// Width and height in pixels.
struct TextExtent
{
    int width = 0;
    int height = 0;
};

/// Text measurement for the chart layout, kept behind an interface so that
/// the layout's pixel arithmetic can be checked with fixed metrics.
/// Texts are UTF-8.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;

    /// Advance width of a single line, in pixels.
    virtual int textWidth(ChartFont font, std::string_view text) const = 0;
    /// Line height (ascent plus descent) of the font, in pixels.
    virtual int lineHeight(ChartFont font) const = 0;
    /// Extent of the text word-wrapped and centred in a box \a boxWidth wide:
    /// the widest line and the total height.
    virtual TextExtent wrappedExtent(ChartFont font, std::string_view text, int boxWidth) const = 0;
};
