#pragma once

// The airports of the library: which area the simulator uses for each, and
// where add-ons fight over one.

#include "CommandRun.h"

int RunAirports(CCommandRun& run);
