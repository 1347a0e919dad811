// Stepping through 8-bit text by characters of the ANSI code page, so that the second byte
// of a two-byte character (which may equal '\' or '/') is never taken for a character.
#pragma once

#include <cstddef>
#include <string>

// The position of the character that follows the one starting at pos.
std::size_t NextCharPos(const std::string& text, std::size_t pos);

// The position where the last character starts, or npos for empty text.
std::size_t LastCharPos(const std::string& text);

// True when the last character of the text is the single-byte character c.
bool EndsWithChar(const std::string& text, char c);

// The position of the first or last single-byte character c, or npos.
std::size_t FindChar(const std::string& text, char c, std::size_t from = 0);
std::size_t FindLastChar(const std::string& text, char c);

// The position of the first occurrence of what that starts on a character boundary, or npos.
std::size_t FindText(const std::string& text, const std::string& what, std::size_t from = 0);

// _stricmp's equality in the C locale: the letters A to Z match their small forms.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// The text without white space (blank, tab, LF, VT, FF, CR) at either end.
std::string TrimWhiteSpace(const std::string& text);

// The text without the characters of set at either end.
std::string TrimChars(const std::string& text, const char* set);
