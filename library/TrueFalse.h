#pragma once

// The TRUE/FALSE values of scenery.cfg, for areas and the header alike.

#include <string_view>

// A flag value counts only when it is exactly TRUE or FALSE; anything else
// leaves the field as it was.
void ReadFlag(std::string_view value, int& bFlag);
const char* FlagText(int bFlag);
