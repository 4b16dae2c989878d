#include "Console.h"

#include <windows.h>

#include <io.h>
#include <stdio.h>

bool IsStandardInputTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

unsigned GetAnsiCodePage() {
    return GetACP();
}
