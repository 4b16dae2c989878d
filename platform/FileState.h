#pragma once

// What a file was when the program last read or wrote it, so that a write
// never replaces changes another program made in the meantime (an add-on
// installer, the simulator, a second copy of this program).
//
// Looking costs one attribute query while the file's size and last-write
// time are as seen; only a new time at the same size makes the file be read
// and hashed, so that a tool rewriting the same bytes changes nothing.

#include "Files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A fast 64-bit hash of a file's content, for telling two versions apart
// (no defence against someone who crafts a collision).
std::uint64_t HashFileBytes(std::string_view bytes);

// The state of a file from its attributes, taken before it was read, and the
// bytes read: a change during the read shows at the next look.
CFileState StateOfReadFile(const CFileAttributes& before, std::string_view bytes);

// Whether the file is other than known: present against missing, another
// size, or a new last-write time with other bytes. now receives its state,
// hash included, for the caller to adopt when the user lets it be replaced.
bool FileChangedSince(const std::string& path, const CFileState& known, CFileState& now);

// Replace or remove the file only when it is still as known, looked at again
// right before the move or the removal. On success known becomes the state
// of what was written (or a missing file); when the file changed the result
// is kChanged and the file is untouched. The new file is written through
// path + tempSuffix (see ReplaceFileAtomically).
CFileResult ReplaceFileIfUnchanged(const std::string& path, std::string_view text,
                                   std::string_view tempSuffix, CFileState& known);
CFileResult RemoveFileIfUnchanged(const std::string& path, CFileState& known);
// The one or the other: a file that has text is replaced, one that has none
// removed.
CFileResult WriteFileIfUnchanged(const std::string& path, const std::optional<std::string>& text,
                                 std::string_view tempSuffix, CFileState& known);
