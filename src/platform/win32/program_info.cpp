// Program and Windows folders in the Windows build.
#include "platform/program_info.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string ModuleFileName() {
    char buffer[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

} // namespace platform
