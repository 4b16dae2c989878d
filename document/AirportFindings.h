#pragma once

// The health check's findings on the airports of a library and on its
// scenery files: airports two add-ons fight over, stock airports an add-on
// merges with, idents one area defines twice, and files the simulator cannot
// use.

#include "AirportIndex.h"
#include "Airports.h"
#include "LibraryCheck.h"

#include <vector>

// Appends the findings of the index and of its airports (see AirportsOf).
void AddAirportFindings(const CAirportIndex& index, const std::vector<CAirport>& airports,
                        std::vector<CFinding>& findings);
