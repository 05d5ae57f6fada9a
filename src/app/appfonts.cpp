#include "appfonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

void loadDesignFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const char *const files[] = {
            "tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf", "small_fonts.ttf"};
    for (const char *file : files) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont designFont(const QString &family, int pixelSize, bool bold, bool italic)
{
    QStringList families {family};
    if (family == QLatin1String("Comic Sans MS") || family == QLatin1String("Arial")
            || family == QLatin1String("MS Sans Serif") || family == QLatin1String("Tahoma"))
        families << QStringLiteral("Liberation Sans");
    else if (family == QLatin1String("Times New Roman") || family == QLatin1String("Sylfaen"))
        families << QStringLiteral("Liberation Serif");
    families << QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
