// Version resources in the Windows build.
#include "platform/version_info.h"

#include <vector>

#include "platform/win32/windows_api.h"

namespace platform {

bool ReadFixedFileVersion(const std::string& path, std::uint32_t* versionMS,
                          std::uint32_t* versionLS) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()))
        return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    char root[] = "\\";
    if (!VerQueryValueA(block.data(), root, reinterpret_cast<void**>(&info), &length) ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO))
        return false;
    *versionMS = info->dwFileVersionMS;
    *versionLS = info->dwFileVersionLS;
    return true;
}

} // namespace platform
