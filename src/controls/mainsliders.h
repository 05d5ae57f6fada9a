#pragma once

#include <QString>

class TGradientTrackBar;

/// The four sliders of the main window, named as their objects are.
enum class MainSlider { trackbarmaxdepth, trackbarsetstartdepth, TrackBarO2burn, trackbarspeed };

/// Gives \a slider the design of one of the main window's sliders: object
/// name, rectangle in the window's client area, orientation, range 0..Max at
/// Position 0, tick style, its own colours (scheme csCustom), tooltip and a
/// pointing-hand cursor. Emits no changed() signal, so it can run before or
/// after the window connects its change reaction.
void configureMainSlider(TGradientTrackBar &slider, MainSlider which);

/// The slider's hint in the interface's language.
QString mainSliderHint(MainSlider which);
