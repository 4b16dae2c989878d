#include "FileState.h"

#include <cstring>

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u; // odd: a bijection

std::uint64_t Mix(std::uint64_t nLane, std::uint64_t nWord) {
    nLane = (nLane ^ nWord) * kMultiplier;
    return nLane << 29 | nLane >> 35;
}

} // namespace

std::uint64_t HashFileBytes(std::string_view bytes) {
    // Eight bytes a step in four lanes, so that a Save of a large library
    // spends next to nothing here: a byte-wise hash would cost a tenth of
    // the Save. Each step is a bijection of its lane, so a change confined
    // to one word always changes the result.
    std::uint64_t aLanes[4] = {0xcbf29ce484222325u, 1, 2, 3};
    std::size_t n = 0;
    for (; n + 32 <= bytes.size(); n += 32) {
        for (int i = 0; i < 4; ++i) {
            std::uint64_t nWord;
            std::memcpy(&nWord, bytes.data() + n + 8 * i, 8);
            aLanes[i] = Mix(aLanes[i], nWord);
        }
    }
    std::uint64_t nHash = bytes.size();
    for (std::uint64_t nLane : aLanes)
        nHash = Mix(nHash, nLane);
    for (; n < bytes.size(); ++n)
        nHash = Mix(nHash, static_cast<unsigned char>(bytes[n]));
    // A final avalanche, itself a bijection.
    nHash ^= nHash >> 33;
    nHash *= 0xff51afd7ed558ccdu;
    nHash ^= nHash >> 33;
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
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return true;
    now = StateOfReadFile(attributes, bytes);
    return now.nSize != known.nSize || now.nHash != known.nHash;
}

CFileResult ReplaceFileIfUnchanged(const std::string& path, std::string_view text,
                                   std::string_view tempSuffix, CFileState& known) {
    CFileState written;
    CFileResult result = ReplaceFileAtomically(path, text, tempSuffix, [&]() -> CFileResult {
        CFileState now;
        if (FileChangedSince(path, known, now))
            return CFileResult::Changed();
        // The new file's own attributes, which the move keeps: a write by
        // someone else just after the move still shows as a change.
        written = StateOfReadFile(GetFileAttributesOf(path + std::string(tempSuffix)), text);
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

CFileResult WriteFileIfUnchanged(const std::string& path, const std::optional<std::string>& text,
                                 std::string_view tempSuffix, CFileState& known) {
    return text ? ReplaceFileIfUnchanged(path, *text, tempSuffix, known)
                : RemoveFileIfUnchanged(path, known);
}
