#pragma once

// Every code the health check gives a finding, with its severity and what
// it means in one line: twk's help and the README list them from here.

#include "LibraryCheck.h"

#include <span>
#include <string>
#include <string_view>

struct CFindingCode {
    const char* pszCode;
    // As most findings of the code have it; the .bgl files of an area that
    // is off are warnings only.
    ESeverity severity;
    const char* pszMeaning;
};

std::span<const CFindingCode> FindingCodes();
// The code's row, or nullptr for a code the check never gives.
const CFindingCode* FindFindingCode(std::string_view code);
// The codes as lines of code, severity and meaning in columns, each after
// nIndent spaces.
std::string FindingCodesText(std::size_t nIndent);
