#pragma once

#include "engine/mainview.h"

#include <QPixmap>
#include <QWidget>

/// The counterlung picture (imgcounterlung): the designed bitmap until the
/// first tick, then the tank colour and an ellipse whose height follows the
/// loop volume. Paints only from the state it was given.
class CounterlungView : public QWidget
{
    Q_OBJECT

public:
    explicit CounterlungView(QWidget *parent = nullptr);

    /// Shows \a look with the ellipse between \a top and \a bottom (picture
    /// pixels); repaints only when something changed.
    void show(CounterlungLook look, int top, int bottom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_design;
    CounterlungLook m_look = CounterlungLook::Design;
    int m_top = 5;
    int m_bottom = 95;
};
