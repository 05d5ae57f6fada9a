#pragma once

class QPainter;
class TBSpline;

/// Draws a TBSpline on a QPainter with the painter's pen: Fragments()
/// straight segments, and with ShowPoints() a red circle of radius 2 on each
/// point.
class BSplinePainter
{
public:
    static void draw(TBSpline &spline, QPainter &painter);
};
