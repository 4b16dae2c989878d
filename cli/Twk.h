#pragma once

// The twk program: its arguments after the program's name in, the exit
// status out.

#include "Arguments.h"

#include <span>
#include <string>

int RunTwk(std::span<const std::string> args);

// Every command's options, each once, from the table of commands: twk reads
// its arguments with them.
std::span<const COptionRule> CommandOptionRules();
