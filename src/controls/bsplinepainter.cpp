#include "controls/bsplinepainter.h"

#include "controlmodel/tbspline.h"

#include <QPainter>
#include <QPolygon>

void BSplinePainter::draw(TBSpline &spline, QPainter &painter)
{
    const std::vector<SplinePixel> pixels = spline.polyline();
    QPolygon line;
    line.reserve(qsizetype(pixels.size()));
    for (const SplinePixel &p : pixels)
        line.append(QPoint(p.x, p.y));
    painter.drawPolyline(line);

    if (!spline.ShowPoints())
        return;
    painter.save();
    painter.setPen(QColor(255, 0, 0));
    for (int i = 1; i <= spline.NumberOfPoints(); ++i) {
        const auto [x, y] = TBSpline::pixelOf(spline.FGetPoint(i));
        // The box (x - 2, y - 2)-(x + 2, y + 2), right and bottom exclusive.
        painter.drawEllipse(QRect(x - 2, y - 2, 3, 3));
    }
    painter.restore();
}
