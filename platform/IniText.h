#pragma once

// INI text, parsed once from a buffer.
//
// The rules are those of the system's profile-string look-ups as this program
// relies on them:
// - a line ends at LF, and one CR before the LF is not part of it; a lone CR
//   is an ordinary byte;
// - a section line is "[" name "]" after optional spaces or tabs; the name is
//   the text up to the first "]" (blanks inside the brackets belong to it),
//   or the rest of the line when there is no "]"; text after "]" is ignored;
// - a key line is key "=" value inside a section: the key is the text before
//   the first "=", the value the text after it, both without the spaces and
//   tabs around them; a line without "=", a line whose first non-blank byte is
//   ";" and every line before the first section are ignored;
// - a UTF-8 byte-order mark at the very start of the text is skipped;
// - section and key names compare equal when they differ only in the case of
//   ASCII letters; the first section of a name is the one looked up, and in
//   it the first key of a name;
// - a string look-up gives at most kMaxValue bytes of the value, without the
//   blanks that a cut leaves at their end; an integer look-up gives the
//   decimal number the value begins with (0 when it begins with none), the
//   default only when the key is absent.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CIniKey {
    std::string_view key;
    std::string_view value; // whole, not cut
};

struct CIniSection {
    std::string_view line; // the section line as it stands, without its line end
    std::string_view name;
    // From the end of the section line to the end of its last key line
    // (line end included); empty, at the end of the section line, when the
    // section has no key line. Where a new key of the section goes.
    std::string_view body;
    std::size_t nFirstKey = 0;
    std::size_t nKeys = 0;
};

// A line of the text, without its line end, and the key line it is, or
// null for a line the parse passes over (blank, a comment, without "=", or
// before the first section).
struct CIniLine {
    std::string_view text;
    const CIniKey* pKey = nullptr;
};

// Splits text into lines: each ends at LF, and a CR just before the LF is
// dropped. The last line may lack its LF; a text ending in LF has no empty
// line after it.
class CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_text(text) {}
    bool Next(std::string_view& line);
    // Offset just past the line end of the line last returned.
    std::size_t GetPosition() const { return m_nPos; }

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
};

class CIniText {
public:
    // The longest value a string look-up returns: the system services fill a
    // 260-byte buffer, terminating zero included.
    static constexpr std::size_t kMaxValue = 259;

    explicit CIniText(std::string text);
    // Sections and keys point into the text held here.
    CIniText(const CIniText&) = delete;
    CIniText& operator=(const CIniText&) = delete;

    const std::string& GetText() const { return m_strText; }
    std::span<const CIniSection> GetSections() const { return m_aSections; }
    std::span<const CIniKey> GetKeys(const CIniSection& section) const {
        return std::span(m_aKeys).subspan(section.nFirstKey, section.nKeys);
    }

    // Every line after the section's line up to the next section line, in
    // order; with no section, every line before the first section line
    // (after a byte-order mark). For a reader that writes back what it
    // does not take. The section is one of GetSections().
    std::vector<CIniLine> GetLines(const CIniSection* pSection) const;

    const CIniSection* FindSection(std::string_view name) const;
    std::optional<std::string_view> FindValue(const CIniSection& section,
                                              std::string_view key) const;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view def) const;
    int GetInt(std::string_view section, std::string_view key, int def) const;
    // The same look-ups in a section already found.
    std::string GetString(const CIniSection& section, std::string_view key,
                          std::string_view def) const;
    int GetInt(const CIniSection& section, std::string_view key, int def) const;

private:
    std::string m_strText;
    std::vector<CIniSection> m_aSections;
    std::vector<CIniKey> m_aKeys;
};

// ASCII-only case folding, as profile names are compared.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The decimal number the text begins with: optional sign, then digits; beyond
// the range of a 32-bit integer it stays at the nearest end of that range.
// Nothing when the text does not begin with a digit (after the sign).
std::optional<int> ParseLeadingInt(std::string_view text);

// The text after a UTF-8 byte-order mark at its start, if it has one.
std::string_view SkipUtf8Bom(std::string_view text);

// ASCII letters in lower case, every other byte as it is.
std::string LowerAscii(std::string_view text);
// Whether LowerAscii(a) < LowerAscii(b), with neither copied: for sorts.
bool LessNoCase(std::string_view a, std::string_view b);
// Whether the text holds the part, ASCII letters compared without case.
bool ContainsNoCase(std::string_view text, std::string_view part);

// The value as a string look-up gives it: its first CIniText::kMaxValue
// bytes, without the spaces and tabs the cut leaves at their end. A value is
// written back as read, and the next read would drop those blanks, so the
// next Save would write other bytes.
std::string_view CutValue(std::string_view value);

// What a string or an integer look-up gives for the value found, or for
// none found (nothing): for callers that find a section's values another
// way. The string is part of value or def.
std::string_view StringValue(std::optional<std::string_view> value, std::string_view def);
int IntValue(std::optional<std::string_view> value, int def);

// Spaces and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);
