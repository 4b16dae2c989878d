#pragma once

// Reading an INI file whole, telling a missing file from one that is
// there but cannot be taken: a file the program could not read must never be
// replaced by what it did not see.

#include "FileState.h"

#include <string>
#include <string_view>

// Why the text is no INI text (UTF-16 text, NUL bytes); empty when it is.
std::string WhyNotIniText(std::string_view text);
// Reads the file into text; text that is no INI text fails. kMissing: the
// program starts without it and Save may create one; kFailed: a file is there
// but was not loaded, and Save must not replace it. The state of a file read
// (also of one refused for what it holds) is kept; one the system would not
// let be read has none.
CFileResult ReadIniFile(const std::string& path, std::string& text);

// Reads the file and, once read, parses its text with parse (a function of
// the text giving a CFileResult); the result keeps the state of the file as
// read, for a later write to find.
template <class FParse> CFileResult LoadIniFile(const std::string& path, FParse parse) {
    std::string text;
    CFileResult load = ReadIniFile(path, text);
    if (load.status == EFileStatus::kOk) {
        const CFileState disk = load.disk;
        load = parse(std::move(text));
        load.disk = disk;
    }
    return load;
}
