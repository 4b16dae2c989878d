#pragma once

// The airports of the library: which area the simulator uses for each, and
// where add-ons fight over one.

#include "CommandRun.h"

#include <functional>

int RunAirports(CCommandRun& run);
// Makes the definition of an airport in an area the one the simulator uses.
int RunAirportsResolve(CCommandRun& run);

// Runs what indexes the airports and works on them: their memory grows with
// the scenery files, so running out ends the command with that said (exit
// status 3), nothing written.
int RunIndexing(const std::function<int()>& work);
