#include "Console.h"

#include <windows.h>

bool IsStandardInputTerminal() {
    // A console, not only a character device: NUL is one too.
    DWORD nMode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &nMode) != 0;
}

unsigned GetAnsiCodePage() {
    return GetACP();
}
