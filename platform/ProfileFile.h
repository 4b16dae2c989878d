#pragma once

// Reading a profile-text file whole, telling a missing file from one that is
// there but cannot be taken: a file the program could not read must never be
// replaced by what it did not see.

#include "FileState.h"

#include <string>
#include <string_view>
#include <utility>

enum class ELoadState {
    kLoaded,
    kMissing,    // no file: the program starts without it, and Save may create one
    kUnreadable, // a file is there but was not loaded: Save must not replace it
};

struct CFileLoad {
    CFileLoad() = default;
    CFileLoad(ELoadState s, std::string reason, CFileState d = {})
        : state(s), strReason(std::move(reason)), disk(d) {}

    ELoadState state = ELoadState::kLoaded;
    std::string strReason; // why the file was not loaded
    CFileState disk;       // the file as read: what a later write must find
};

// Why the text is no profile text (UTF-16 text, NUL bytes); empty when it is.
std::string WhyNotProfileText(std::string_view text);
// Reads the file into text; text that is no profile text counts as unreadable.
CFileLoad ReadProfileFile(const std::string& path, std::string& text);
