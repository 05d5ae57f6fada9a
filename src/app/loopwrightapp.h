#pragma once

#include "engine/simulationstate.h"
#include "graph/divehistory.h"
#include "graph/tdivegraph.h"
#include "taboutform.h"
#include "tform1.h"
#include "tloopdetales.h"

/// The program's run: the one simulation state and dive history, and the
/// four windows, created in their order (main window, About, graph, loop
/// details) and kept until the end. Needs a QApplication.
class LoopwrightApp
{
public:
    LoopwrightApp();

    /// What follows the windows' creation: the loop details dialog derives the
    /// main window's loop volume fields (an error is reported, start-up goes on).
    void startUp();

    SimulationState state;
    DiveHistory history;
    TForm1 form {state, history};
    TAboutForm about {&form};
    TDiveGraph graph {history, &form};
    TLoopdetales details {form.params(), &form};
};
