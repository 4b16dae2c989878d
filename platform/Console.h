#pragma once

// The console a command-line program runs in.

bool IsStandardInputTerminal();

#ifdef _WIN32
// The code page of the program's arguments and of the system's names.
unsigned GetAnsiCodePage();
#endif
