#pragma once

// The twk program: its arguments after the program's name in, the exit
// status out.

#include "Arguments.h"

#include <span>
#include <string>
#include <vector>

int RunTwk(std::span<const std::string> args);

// Every command's options, each once, from the table of commands: twk reads
// its arguments with them.
std::span<const COptionRule> CommandOptionRules();
// Every command's name ("list", "folder enable"), in the table's order.
std::vector<std::string> CommandNames();
