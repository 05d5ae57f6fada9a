#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The pictures are drawn here rather than kept as bitmap files: they belong
// to the program, stay sharp at the sizes the layout gives, and need no image
// format plugins.

namespace {
const QColor kTank(16, 68, 188);
const QColor kPale(169, 209, 250);
const QColor kSuit(25, 25, 30);
const QColor kFin(250, 200, 20);
} // namespace

QPixmap diverPicture()
{
    QPixmap pixmap(67, 43);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Fins, trailing to the right.
    p.setPen(Qt::NoPen);
    p.setBrush(kFin);
    QPainterPath fins;
    fins.moveTo(50, 24);
    fins.lineTo(66, 17);
    fins.lineTo(66, 24);
    fins.lineTo(52, 29);
    fins.closeSubpath();
    fins.moveTo(50, 28);
    fins.lineTo(66, 30);
    fins.lineTo(64, 36);
    fins.lineTo(51, 32);
    fins.closeSubpath();
    p.drawPath(fins);

    // Legs and body in a black suit.
    p.setBrush(kSuit);
    p.drawRoundedRect(QRectF(38, 23, 15, 5), 2, 2);
    p.drawRoundedRect(QRectF(38, 27, 14, 5), 2, 2);
    p.drawEllipse(QRectF(13, 18, 30, 14));

    // The rebreather on the back: a grey case with a yellow counterlung.
    QLinearGradient caseGradient(0, 8, 0, 20);
    caseGradient.setColorAt(0, QColor(200, 205, 215));
    caseGradient.setColorAt(1, QColor(110, 115, 125));
    p.setBrush(caseGradient);
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.drawRoundedRect(QRectF(19, 10, 22, 10), 3, 3);
    p.setBrush(kFin);
    p.drawEllipse(QRectF(12, 13, 9, 6));

    // Head, mask and the loop's mouthpiece hose.
    p.setPen(Qt::NoPen);
    p.setBrush(kSuit);
    p.drawEllipse(QRectF(4, 17, 12, 12));
    p.setBrush(QColor(150, 220, 255));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawRoundedRect(QRectF(2, 19, 7, 5), 1.5, 1.5);
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(7, 27);
    hose.cubicTo(10, 34, 18, 20, 20, 15);
    p.drawPath(hose);
    return pixmap;
}

QPixmap counterlungPicture()
{
    QPixmap pixmap(121, 97);
    pixmap.fill(kTank);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kPale, 1));
    p.setBrush(kTank);
    // The bag at about two thirds of its volume, with its two hoses.
    p.drawEllipse(QRectF(10, 20, 100, 60));
    p.drawLine(QPointF(30, 23), QPointF(22, 4));
    p.drawLine(QPointF(90, 23), QPointF(98, 4));
    p.setPen(QPen(kPale, 1, Qt::DotLine));
    p.drawLine(QPointF(20, 50), QPointF(100, 50));
    return pixmap;
}

QPixmap loopwrightIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient water(0, 0, 0, 64);
    water.setColorAt(0, QColor(87, 154, 227));
    water.setColorAt(1, kTank);
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The loop: a ring with an arrow, the gas going round.
    p.setPen(QPen(kPale, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 12, 40, 40), 100 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kPale);
    QPolygonF arrow;
    arrow << QPointF(29, 5) << QPointF(38, 12) << QPointF(29, 19);
    p.drawPolygon(arrow);
    // A yellow counterlung in the middle.
    p.setBrush(kFin);
    p.drawEllipse(QRectF(24, 26, 16, 12));
    return pixmap;
}

QIcon loopwrightIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(loopwrightIconPixmap(size));
    return icon;
}
