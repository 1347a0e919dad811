// The current folder in the Windows build.
#include "platform/current_folder.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool SetCurrentFolder(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string CurrentFolder() {
    char buffer[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

} // namespace platform
