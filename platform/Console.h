#pragma once

// The console a command-line program runs in.

#include <cstddef>
#include <string>

bool IsStandardInputTerminal();
// Whether standard error shows on a terminal, where a progress line may be
// rewritten in place.
bool IsStandardErrorTerminal();
// How many columns the terminal standard output shows on has; 0 when it
// goes elsewhere (a pipe, a file), where nothing should be cut to fit.
std::size_t OutputTerminalColumns();

// Shows the question on the terminal itself, so that it shows when standard
// output goes to a file (else on standard error), after what the program
// printed to standard output; the line then read from standard input,
// without its line end.
std::string AskOnTerminal(const std::string& question);

#ifdef _WIN32
// The code page of the program's arguments and of the system's names.
unsigned GetAnsiCodePage();
#endif
