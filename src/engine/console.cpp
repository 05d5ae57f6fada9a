#include "engine/console.h"

#include "engine/mainview.h"
#include "util/error.h"
#include "util/numtext.h"

Rgb judgePpo2Colour(Rgb current, double setpoint, double ppo2)
{
    const double band = setpoint / 100.0 * 5.0;
    Rgb colour = current;
    if (setpoint + band < ppo2 || setpoint - band > ppo2)
        colour = kPpo2Red;
    if (setpoint - band < ppo2 && setpoint + band > ppo2)
        colour = kPpo2Blue;
    return colour;
}

CounterlungShape counterlungShape(double shownVolume, double maxLoopVolume)
{
    const double percent = checkedDivide(shownVolume * 100.0, maxLoopVolume);
    const double height = 0.9 * percent;
    const double margin = (90.0 - height) / 2.0;
    const double top = 5.0 + margin;
    const double bottom = 95.0 - margin;
    return {numtext::nearestPixel(top, kPictureLimit), numtext::nearestPixel(bottom, kPictureLimit),
            numtext::nearestPixel(top + 100.0, kPictureLimit)};
}

int diverTopFor(int position, int currentTop)
{
    if (4 < position && position < 96)
        return numtext::nearestPixel(position * 4.81, kPictureLimit) + 53;
    if (position < 4)
        return 73;
    return currentTop;
}
