#pragma once

// What each of twk's commands runs on: the arguments read, the words after
// the command's own, and the session opened on the library. Each command
// calls the portable functions the window's handlers call, and returns the
// exit status.

#include "Arguments.h"
#include "Output.h"
#include "Session.h"

#include <string>
#include <vector>

struct CCommandRun {
    const CArguments& args;
    std::vector<std::string> operands; // the words after the command's own
    CSession& session;
};

// A command refuses its arguments: why, on standard error, and the exit
// status of bad usage.
inline int UsageError(const std::string& text) {
    PrintError(text);
    return kExitUsage;
}
