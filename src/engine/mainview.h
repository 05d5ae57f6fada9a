#pragma once

#include "deco/decodisplay.h"
#include "util/readout.h"
#include "util/rgb.h"

/// Enabled states of the run buttons, bypass buttons and graph button, and
/// the simulation timer, as run control leaves them.
struct RunControls
{
    bool startEnabled = true; ///< "ПОГРУЖЕНИЕ"
    bool pauseEnabled = false; ///< "ПАУЗА"
    bool continueEnabled = false; ///< "ПРОДОЛЖИТЬ"
    bool resetEnabled = true; ///< "СБРОС"
    bool o2BypassEnabled = false; ///< "Байпас О2"
    bool dilBypassEnabled = false; ///< "Байпас Ди"
    bool graphEnabled = false; ///< "График погружения"
    bool timerOn = false;
    int timerIntervalMs = 1000; ///< the interval the last tick set
    bool startDepthLocked = false; ///< once the diver moved, until reset

    friend bool operator==(const RunControls &, const RunControls &) = default;
};

enum class RunState { Idle, Running, Paused };

/// The run state that the enabled buttons express.
inline RunState runState(const RunControls &c)
{
    if (c.timerOn)
        return RunState::Running;
    return c.continueEnabled ? RunState::Paused : RunState::Idle;
}

inline constexpr Rgb kPpo2Blue {0, 0, 234};
inline constexpr Rgb kPpo2Red {230, 0, 0};

/// The counterlung picture: the designed bitmap until the first tick, then
/// the blank tank colour and, once its size is known, an ellipse.
enum class CounterlungLook { Design, Blank, Ellipse };

/// What the instrument console shows.
struct ConsoleView
{
    Readout ppo2 {"N/A"}; ///< labelppo2
    Rgb ppo2Colour = kPpo2Blue; ///< its text colour
    Readout depth {"N/A"}; ///< labeldepth
    Readout diveTime {"0.00.00"}; ///< Label3
    Readout ppn2 {"N/A"}; ///< labelppn2
    Readout pphe {"N/A"}; ///< Labelpphe
    Readout loopVolume {"N/A"}; ///< Label80
    Readout o2Used; ///< Label16
    Readout dilUsed; ///< Label17
    Readout co2; ///< Label18
    CounterlungLook counterlung = CounterlungLook::Design;
    int ellipseTop = 5; ///< y of the ellipse's bounding box in imgcounterlung
    int ellipseBottom = 95;
    int opvLampTop = 104; ///< Cradiobutton1's top, in window coordinates
    int diverTop = 73; ///< imgmain's top, in window coordinates
};

/// Everything the main window copies into its widgets after a handler.
struct MainView
{
    RunControls controls;
    ConsoleView console;
    DecoView deco;
};
