#include "AddedFolders.h"

namespace {

const char* Why(ENotAdded why) {
    switch (why) {
    case ENotAdded::kNotFolder:
        return "not a folder";
    case ENotAdded::kHeld:
        return "already in the library";
    case ENotAdded::kNoScenery:
        return "no scenery files in its scenery folder";
    case ENotAdded::kFull:
        return "the library holds as many areas as it can address";
    }
    return "";
}

} // namespace

std::string NotAddedText(const std::vector<CNotAdded>& notAdded) {
    if (notAdded.empty())
        return {};
    std::string text = "Not added:";
    for (const CNotAdded& folder : notAdded)
        text += "\n" + folder.strPath + ": " + Why(folder.why);
    return text;
}
