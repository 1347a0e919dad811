// ANSI code page calls of the Windows build.
#include "platform/codepage.h"

#include "platform/win32/windows_api.h"

namespace platform {

unsigned AnsiCodePage() {
    return GetACP();
}

bool IsLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}

std::string LowerCase(const std::string& text) {
    std::string result = text;
    if (!result.empty())
        CharLowerBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

} // namespace platform
