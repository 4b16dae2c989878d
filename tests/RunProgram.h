#pragma once

// Runs a program as a user would from a shell, without a terminal: no input,
// its output and errors kept, its exit status returned.

#include <string>
#include <utility>
#include <vector>

struct CProgramRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// Each of environment sets a variable for the program, or takes it away
// when its value is empty.
CProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::vector<std::pair<std::string, std::string>>& environment = {});

// A file of the build tree as this system names it.
std::string HostPath(std::string path);
// The built twk, as this system starts it.
std::string TwkPath();
