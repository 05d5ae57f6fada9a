#pragma once

#include <QIcon>
#include <QPixmap>

/// The diver that sinks in the water tank: 67 × 43, transparent around him.
QPixmap diverPicture();

/// The counterlung as the window shows it before the first tick: 121 × 97.
QPixmap counterlungPicture();

/// The window and desktop icon: a breathing loop around a diver's mask.
QIcon loopwrightIcon();
/// The same icon as one square picture of \a size pixels.
QPixmap loopwrightIconPixmap(int size);
