#pragma once

// Airport idents as the simulator's scenery files pack them: each character
// a code (blank 0, digits 2 to 11, letters 12 to 37), the codes of the ident
// read as one number in base 38, first character most significant.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The packed value of an ident of up to five characters (blanks, digits and
// the letters A to Z, either case); none for any other text.
std::optional<std::uint32_t> PackIdent(std::string_view ident);
// The ident a packed value stands for; none when the value is 0 or holds a
// code of 1 or above 37.
std::optional<std::string> UnpackIdent(std::uint32_t nValue);
