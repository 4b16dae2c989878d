#pragma once

// Writing INI text.
//
// CIniWriter builds a whole file the way the system's profile write service
// builds one when it is called key after key on a file that did not exist:
// each section appears once, its line followed by its key lines, every line
// ended by CRLF, values byte for byte (a line feed inside one included).

#include <string>
#include <string_view>
#include <utility>

class CIniWriter {
public:
    void AddSection(std::string_view name);
    void AddKey(std::string_view key, std::string_view value);
    // A line kept as it stood in a file read earlier.
    void AddLine(std::string_view line);
    // Room for a text of that many bytes, so that it grows at most once.
    void Reserve(std::size_t nBytes) { m_strText.reserve(nBytes); }

    const std::string& GetText() const { return m_strText; }
    std::string TakeText() { return std::move(m_strText); }

private:
    std::string m_strText;
};

// The text with one key set, everything else kept byte for byte: the value
// of the key, when the first section of that name has it, is replaced (the
// blanks around it stay); otherwise a line "key=value" is added after the
// section's last key line; a missing section is added at the end, as its
// section line and the key line. New lines end in CRLF.
std::string SetIniKey(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);
