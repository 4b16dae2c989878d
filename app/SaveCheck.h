#pragma once

// What Save has to know before it writes: whether another program changed
// scenery.cfg or Folder.txt since this program last read or wrote them, and
// the words for the user. The dialog only asks and calls.

#include "FileState.h"

#include <string>

struct CSaveCheck {
    bool bSceneryCfgChanged = false;
    bool bFolderTxtChanged = false;
    // Each file as it is now: what Save must find once the user said Yes.
    CFileState sceneryCfg;
    CFileState folderTxt;
};

CSaveCheck CheckFilesBeforeSave(const std::string& sceneryCfgPath, const CFileState& sceneryCfg,
                                const std::string& folderTxtPath, const CFileState& folderTxt);
// The question before replacing changed files; empty when none changed.
std::string ChangedFilesQuestion(const CSaveCheck& check);
// When the last look before a replace found a change: which file was written
// and which was not.
std::string LateChangeMessage(bool bSceneryCfgWritten);
