// The program's resources in the Windows build: those linked into the running module.
#include "platform/resources.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string LoadResourceString(unsigned id) {
    // A string-table entry holds at most 4097 characters; ours are far shorter.
    char buffer[4100];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

} // namespace platform
