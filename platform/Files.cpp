#include "Files.h"

CFileResult CopyFileOver(const std::string& from, const std::string& to,
                         std::string_view tempSuffix) {
    std::string text;
    CFileResult result = ReadWholeFile(from, text);
    if (result.status == EFileStatus::kMissing)
        return CFileResult::Failed("The file " + from + " does not exist.");
    return result ? ReplaceFileAtomically(to, text, tempSuffix) : result;
}
