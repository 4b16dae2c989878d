#pragma once

// twk's command line: the global options wherever they stand, the command's
// words and arguments in order, and the command's own options.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CArguments {
    std::optional<std::string> sim;
    bool bJson = false;
    bool bDryRun = false;
    bool bNoBackup = false; // write without keeping a set of the files first
    bool bHelp = false;
    bool bVersion = false;
    // The command's words and arguments, in their order.
    std::vector<std::string> words;
    // The command's options given, by name without "--"; flags hold "".
    std::map<std::string, std::string> options;
};

// An option of a command; value ones take the next argument (or "=VALUE").
struct COptionRule {
    const char* pszName;
    bool bValue;
};

// Reads the arguments after the program's name, knowing the options of
// every command. Why they cannot be read (a usage error), or empty. An
// argument that begins with "-" is an option; after "--" every argument is
// a word.
std::string ParseArguments(std::span<const std::string> args,
                           std::span<const COptionRule> commandOptions, CArguments& parsed);
