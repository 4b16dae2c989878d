#include "Console.h"

#include <cstdio>
#include <iostream>
#include <windows.h>

bool IsStandardInputTerminal() {
    // A console, not only a character device: NUL is one too.
    DWORD nMode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &nMode) != 0;
}

bool IsStandardErrorTerminal() {
    DWORD nMode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &nMode) != 0;
}

std::size_t OutputTerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info))
        return 0;
    return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
}

std::string AskOnTerminal(const std::string& question) {
    std::fflush(stdout);
    // The console's screen, whatever standard output and error are.
    const HANDLE hConsole =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD nWritten = 0;
    if (hConsole == INVALID_HANDLE_VALUE ||
        !WriteFile(hConsole, question.data(), static_cast<DWORD>(question.size()), &nWritten,
                   nullptr))
        std::fputs(question.c_str(), stderr);
    if (hConsole != INVALID_HANDLE_VALUE)
        CloseHandle(hConsole);
    std::string answer;
    std::getline(std::cin, answer);
    return answer;
}

unsigned GetAnsiCodePage() {
    return GetACP();
}
