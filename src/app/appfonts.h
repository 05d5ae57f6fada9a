#pragma once

#include <QFont>

/// Makes the Windows fonts that Debian's fonts-wine package keeps outside
/// the font path (Tahoma, MS Sans Serif, Small Fonts) available, when present.
void loadDesignFonts();

/// A font of the design by its family name, with deliberate fallbacks for
/// machines that lack it: metric equivalents first (Liberation for Arial and
/// Times New Roman), then DejaVu, which every Debian machine has and which
/// covers Cyrillic. Sizes are in pixels: the window is designed at 96 dpi and
/// does not scale with the screen's resolution.
QFont designFont(const QString &family, int pixelSize, bool bold = false, bool italic = false);
