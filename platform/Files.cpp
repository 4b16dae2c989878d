#include "Files.h"

namespace {

CFileCallSeam& Seam() {
    static CFileCallSeam seam;
    return seam;
}

} // namespace

void SetFileCallSeam(CFileCallSeam seam) {
    Seam() = std::move(seam);
}

bool IsFileCallAllowed(EFileCall call, const std::string& path) {
    return !Seam() || Seam()(call, path);
}

namespace {

std::size_t LastSeparator(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("\\/");
#else
    return path.rfind('/');
#endif
}

} // namespace

std::string FolderOfPath(const std::string& path) {
    const std::size_t nSeparator = LastSeparator(path);
    if (nSeparator == std::string::npos)
        return ".";
    return path.substr(0, nSeparator == 0 ? 1 : nSeparator);
}

std::string LeafOfPath(const std::string& path) {
    const std::size_t nSeparator = LastSeparator(path);
    return nSeparator == std::string::npos ? path : path.substr(nSeparator + 1);
}

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

CFileResult ReplaceFileAtomically(const std::string& path, std::string_view text,
                                  std::string_view tempSuffix,
                                  const std::function<CFileResult()>& beforeMove) {
    if (CFileResult written = WriteTempFile(path, tempSuffix, text); !written)
        return written;
    const std::string temp = path + std::string(tempSuffix);
    CFileResult result = beforeMove ? beforeMove() : CFileResult();
    if (result)
        result = MoveFileOver(temp, path);
    if (!result) {
        RemoveFile(temp);
        return result;
    }
    FlushFolder(FolderOfPath(path));
    return {};
}

CFileResult CopyFileOver(const std::string& from, const std::string& to,
                         std::string_view tempSuffix) {
    std::string text;
    CFileResult result = ReadWholeFile(from, text);
    if (result.status == EFileStatus::kMissing)
        return CFileResult::Failed("The file " + from + " does not exist.");
    return result ? ReplaceFileAtomically(to, text, tempSuffix) : result;
}
