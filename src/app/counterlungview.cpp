#include "counterlungview.h"

#include "pictures.h"

#include <QPainter>

#include <algorithm>

CounterlungView::CounterlungView(QWidget *parent) : QWidget(parent), m_design(counterlungPicture())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CounterlungView::show(CounterlungLook look, int top, int bottom)
{
    if (look == m_look && top == m_top && bottom == m_bottom)
        return;
    m_look = look;
    m_top = top;
    m_bottom = bottom;
    update();
}

void CounterlungView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_look == CounterlungLook::Design) {
        p.drawPixmap(0, 0, m_design);
        return;
    }
    const QColor tank(16, 68, 188);
    p.fillRect(rect(), tank);
    if (m_look == CounterlungLook::Ellipse) {
        // The bounding box (10, top)-(110, bottom), as a rectangle whose right
        // and bottom edges are outside it; a flat ellipse is a line.
        p.setPen(QColor(169, 209, 250));
        p.setBrush(tank);
        const int upper = std::min(m_top, m_bottom);
        const int lower = std::max(m_top, m_bottom);
        if (lower > upper)
            p.drawEllipse(QRect(QPoint(10, upper), QPoint(109, lower - 1)));
        else
            p.drawLine(10, upper, 109, upper);
    }
}
