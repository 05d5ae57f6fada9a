#pragma once

/// loopwright-sim --debrief FILE.drill --debrief-out DEBRIEF.json: flies a
/// drill, writes its trace to standard output and its debrief as JSON.
int debriefMain(int argc, char **argv);
