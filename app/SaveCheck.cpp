#include "SaveCheck.h"

std::string ChangedFilesQuestion(const CSaveCheck& check) {
    std::string what;
    if (check.bSceneryCfgChanged && check.bFolderTxtChanged)
        what = "scenery.cfg and Folder.txt were changed by another program after Tarnwick read "
               "them.\n";
    else if (check.bSceneryCfgChanged || check.bFolderTxtChanged)
        what = std::string(check.bSceneryCfgChanged ? "scenery.cfg" : "Folder.txt") +
               " was changed by another program after Tarnwick read it.\n";
    else
        return {};
    return what + "Saving now replaces those changes.\n\nSave anyway?";
}

std::string LateChangeMessage(bool bSceneryCfgWritten) {
    if (bSceneryCfgWritten)
        return "Folder.txt was changed by another program while Tarnwick was saving.\n"
               "scenery.cfg was saved; Folder.txt was not, so that those changes are kept.";
    return "scenery.cfg was changed by another program while Tarnwick was saving.\n"
           "Neither scenery.cfg nor Folder.txt was saved, so that those changes are kept.";
}
