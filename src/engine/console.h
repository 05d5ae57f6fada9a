#pragma once

#include "util/rgb.h"

/// The PPO2 readout's colour after judging \a ppo2 against one active
/// setpoint: red outside its 5 % band, blue inside, unchanged exactly on an
/// edge of the band.
Rgb judgePpo2Colour(Rgb current, double setpoint, double ppo2);

/// The counterlung ellipse inside its 121 × 97 picture and the over-pressure
/// lamp that rides on its top.
struct CounterlungShape
{
    int top;
    int bottom;
    int opvLampTop; ///< window coordinates
};

/// The ellipse for a loop volume (as its label shows it) in percent of the
/// maximum loop volume: 0.9 pixels per percent, centred on y = 50. A maximum
/// of 0 fails with the division error.
CounterlungShape counterlungShape(double shownVolume, double maxLoopVolume);

/// The diver picture's top for a start-depth slider position: 4.81 pixels
/// per metre below the tank's top, pinned to the top for the first metres and
/// kept where it was at 4 and from 96 m on.
int diverTopFor(int position, int currentTop);

/// Where the console holds a picture coordinate computed from absurd inputs.
inline constexpr int kPictureLimit = 10'000'000;
