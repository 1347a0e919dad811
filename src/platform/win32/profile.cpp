// Profile sections: GetPrivateProfileSectionA and WritePrivateProfileSectionA.
#include "platform/profile.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t ReadIniSection(const char* section, char* buffer, std::uint32_t size,
                             const char* file) {
    return GetPrivateProfileSectionA(section, buffer, size, file);
}

bool WriteIniSection(const char* section, const char* block, const char* file) {
    return WritePrivateProfileSectionA(section, block, file) != FALSE;
}

} // namespace platform
