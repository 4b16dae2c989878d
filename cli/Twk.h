#pragma once

// The twk program: its arguments after the program's name in, the exit
// status out.

#include <span>
#include <string>

int RunTwk(std::span<const std::string> args);
