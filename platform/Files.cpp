#include "Files.h"

CFileResult CopyFileOver(const std::string& from, const std::string& to) {
    std::string text, strReason;
    switch (ReadWholeFile(from, text, strReason)) {
    case EReadResult::kMissing:
        return CFileResult::Failed("The file " + from + " does not exist.");
    case EReadResult::kFailed:
        return CFileResult::Failed(strReason);
    case EReadResult::kRead:
        break;
    }
    return ReplaceFileAtomically(to, text);
}
