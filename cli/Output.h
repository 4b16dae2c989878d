#pragma once

// What twk prints. Text of the library is in the simulator's code page;
// the terminal shows it in UTF-8 natively on Linux and as it is on Windows,
// whose console programs speak the code page. JSON is UTF-8 everywhere.

#include "CodePage.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Library text as the terminal shows it.
std::string TerminalText(const CCodePage& codePage, const std::string& stored);
// Text of the terminal as the library stores it; why it cannot be, naming
// it as what, or empty.
std::string StoredText(const CCodePage& codePage, const std::string& what, const std::string& text,
                       std::string& stored);
// Why the text cannot stand in one line of the files, naming it as what,
// or empty: a line break in a value would start a new key or section.
std::string WhyNotOneLine(const std::string& what, const std::string& text);
// Text of the terminal for one line of the files, as the library stores it;
// why it cannot be, naming it as what, or empty.
std::string StoredLine(const CCodePage& codePage, const std::string& what, const std::string& text,
                       std::string& stored);
// Library text in UTF-8; a byte the code page does not convert becomes
// U+FFFD.
std::string Utf8Text(const CCodePage& codePage, const std::string& stored);

// The text in double quotes, as twk shows titles and names.
std::string Quoted(const std::string& text);

// The text filled into lines of at most nWidth columns, its paragraphs
// (parted by an empty line) kept apart; every line but the first after
// nIndent spaces, the first starting nFirst columns in. A word wider than a
// line stands alone.
std::string Wrapped(std::string_view text, std::size_t nWidth, std::size_t nIndent = 0,
                    std::size_t nFirst = 0);

// The columns terminal text (UTF-8) takes: one a character.
std::size_t WidthOf(std::string_view text);
// The text cut to at most nWidth columns, "..." standing for its middle.
std::string ShortenedMiddle(const std::string& text, std::size_t nWidth);
// Each line of the text shortened in its middle to nWidth columns; as it
// is for nWidth 0 (no terminal).
std::string FittedLines(const std::string& text, std::size_t nWidth);

// A line on standard output; an error or a warning on standard error, after
// the program's name.
void PrintLine(const std::string& text);
// The same, each line fitted to the terminal standard output shows on, if
// any: for listings, whose full text a pipe or a file still gets.
void PrintFitted(const std::string& text);
void PrintError(const std::string& text);

// JSON values, written as text.
std::string JsonString(const std::string& utf8);
std::string JsonNumberOrNull(int nValue, bool bPresent);
std::string JsonStringOrNull(const std::string& utf8, bool bPresent);
// An object of members in the order given, each value JSON already.
std::string JsonObject(std::initializer_list<std::pair<const char*, std::string>> members);
// The elements, JSON already, one a line; or on the line of the value
// holding them.
std::string JsonArray(const std::vector<std::string>& elements);
std::string JsonInlineArray(const std::vector<std::string>& elements);
