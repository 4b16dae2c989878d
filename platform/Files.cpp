#include "Files.h"

CFileResult ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    CReadOnlyFile file;
    if (CFileResult opened = file.Open(path); !opened)
        return opened;
    // One byte more than the size asks the end of the file to show; a file
    // that grew meanwhile is read on to its end.
    constexpr std::size_t kChunk = 65536;
    for (std::string reason;;) {
        const std::size_t nHave = text.size();
        const std::size_t nWant =
            file.Size() >= nHave ? static_cast<std::size_t>(file.Size() - nHave) + 1 : kChunk;
        text.resize(nHave + nWant);
        const long long nRead = file.ReadAt(nHave, text.data() + nHave, nWant, reason);
        if (nRead < 0) {
            text.clear();
            return CFileResult::Failed(reason);
        }
        text.resize(nHave + static_cast<std::size_t>(nRead));
        if (static_cast<std::size_t>(nRead) < nWant)
            return {};
    }
}

CFileResult CopyFileOver(const std::string& from, const std::string& to,
                         std::string_view tempSuffix) {
    std::string text;
    CFileResult result = ReadWholeFile(from, text);
    if (result.status == EFileStatus::kMissing)
        return CFileResult::Failed("The file " + from + " does not exist.");
    return result ? ReplaceFileAtomically(to, text, tempSuffix) : result;
}
