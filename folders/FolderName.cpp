#include "FolderName.h"

#include "IniText.h"

std::string WhyFolderNameRefused(const std::string& name, const CFolderArray& folders,
                                 int nRenamed) {
    if (name.empty())
        return "A folder needs a name.";
    if (name.find(']') != std::string::npos || name.front() == '[')
        return "A folder name cannot hold \"]\" or begin with \"[\".";
    if (TrimBlanks(name).size() != name.size())
        return "A folder name cannot begin or end with a space or a tab.";
    for (int i = 0; i < folders.GetSize(); ++i) {
        if (i != nRenamed && EqualsNoCase(folders.GetAt(i).GetName(), name))
            return "There is already a folder named \"" + folders.GetAt(i).GetName() +
                   "\" (letter case aside).";
    }
    return {};
}
