#include "Console.h"

#include <unistd.h>

bool IsStandardInputTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}
