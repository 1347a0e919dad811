// The system's ANSI code page: every text the program handles is 8-bit in this code page,
// and routines that search, trim or lower-case it step through it by characters.
#pragma once

#include <string>

namespace platform {

// The number of the ANSI code page in effect (1252, 932, ...).
unsigned AnsiCodePage();

// True when c starts a two-byte character in the ANSI code page.
bool IsLeadByte(unsigned char c);

// The text in lower case, character by character; the second byte of a two-byte character
// is never changed on its own.
std::string LowerCase(const std::string& text);

} // namespace platform
