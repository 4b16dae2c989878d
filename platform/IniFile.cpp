#include "IniFile.h"

#include "Files.h"

std::string WhyNotIniText(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return "It starts with a UTF-16 byte-order mark.";
    if (text.find('\0') != std::string_view::npos)
        return "It holds NUL bytes.";
    return {};
}

CFileResult ReadIniFile(const std::string& path, std::string& text) {
    const CFileAttributes before = GetFileAttributesOf(path);
    CFileResult result = ReadWholeFile(path, text);
    if (!result)
        return result;
    if (std::string reason = WhyNotIniText(text); !reason.empty())
        result = CFileResult::Failed(std::move(reason));
    result.disk = StateOfReadFile(before, text);
    return result;
}
