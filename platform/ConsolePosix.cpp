#include "Console.h"

#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

bool IsStandardInputTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}

bool IsStandardErrorTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

std::size_t OutputTerminalColumns() {
    winsize size{};
    if (!::isatty(STDOUT_FILENO))
        return 0;
    // A terminal that does not tell its size is taken as the classic one.
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

std::string AskOnTerminal(const std::string& question) {
    std::fflush(stdout);
    const int nTerminal = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
    const int nOut = nTerminal >= 0 ? nTerminal : STDERR_FILENO;
    for (std::size_t nDone = 0; nDone < question.size();) {
        const ssize_t nWritten = ::write(nOut, question.data() + nDone, question.size() - nDone);
        if (nWritten <= 0)
            break;
        nDone += static_cast<std::size_t>(nWritten);
    }
    if (nTerminal >= 0)
        ::close(nTerminal);
    std::string answer;
    std::getline(std::cin, answer);
    return answer;
}
