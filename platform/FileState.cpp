#include "FileState.h"

std::uint64_t HashFileBytes(std::string_view bytes) {
    std::uint64_t nHash = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) {
        nHash ^= c;
        nHash *= 0x100000001b3u;
    }
    return nHash;
}

CFileState StateOfReadFile(const CFileAttributes& before, std::string_view bytes) {
    // Attributes that could not be looked at leave a time that the next look
    // differs from, so the bytes decide then.
    const bool bKnown = before.nSize != kUnknownSize;
    return {true, bKnown ? before.nSize : bytes.size(), bKnown ? before.nWriteTime : 0,
            HashFileBytes(bytes)};
}

bool FileChangedSince(const std::string& path, const CFileState& known, CFileState& now) {
    const CFileAttributes attributes = GetFileAttributesOf(path);
    now = {attributes.bPresent, attributes.nSize, attributes.nWriteTime, 0};
    if (!now.bPresent || !known.bPresent)
        return now.bPresent != known.bPresent;
    if (now.nSize == known.nSize && now.nWriteTime == known.nWriteTime) {
        now.nHash = known.nHash;
        return false;
    }
    std::string bytes, strReason;
    if (ReadWholeFile(path, bytes, strReason) != EReadResult::kRead)
        return true;
    now = StateOfReadFile(attributes, bytes);
    return now.nSize != known.nSize || now.nHash != known.nHash;
}

CFileResult ReplaceFileIfUnchanged(const std::string& path, std::string_view text,
                                   CFileState& known) {
    CFileState written;
    CFileResult result = ReplaceFileAtomically(path, text, [&]() -> CFileResult {
        CFileState now;
        if (FileChangedSince(path, known, now))
            return CFileResult::Changed();
        // The new file's own attributes, which the move keeps: a write by
        // someone else just after the move still shows as a change.
        written = StateOfReadFile(GetFileAttributesOf(path + std::string(kTempSuffix)), text);
        return {};
    });
    if (result)
        known = written;
    return result;
}

CFileResult RemoveFileIfUnchanged(const std::string& path, CFileState& known) {
    CFileState now;
    if (FileChangedSince(path, known, now))
        return CFileResult::Changed();
    if (now.bPresent) {
        if (CFileResult result = RemoveFile(path); !result)
            return result;
    }
    known = {};
    return {};
}
