#include "ProfileFile.h"

#include "Files.h"

std::string WhyNotProfileText(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return "It starts with a UTF-16 byte-order mark.";
    if (text.find('\0') != std::string_view::npos)
        return "It holds NUL bytes.";
    return {};
}

CFileLoad ReadProfileFile(const std::string& path, std::string& text) {
    std::string strReason;
    const CFileAttributes before = GetFileAttributesOf(path);
    switch (ReadWholeFile(path, text, strReason)) {
    case EReadResult::kMissing:
        return {ELoadState::kMissing, {}};
    case EReadResult::kFailed:
        return {ELoadState::kUnreadable, strReason};
    case EReadResult::kRead:
        break;
    }
    strReason = WhyNotProfileText(text);
    if (!strReason.empty())
        return {ELoadState::kUnreadable, strReason};
    return {ELoadState::kLoaded, {}, StateOfReadFile(before, text)};
}
