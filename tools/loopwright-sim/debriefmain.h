#pragma once

struct SimArguments;

/// loopwright-sim --debrief FILE.drill --debrief-out DEBRIEF.json: flies a
/// drill, writes its trace to standard output and its debrief as JSON.
/// Returns the exit status.
int runDebrief(const SimArguments &arguments);
