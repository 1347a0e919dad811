// Process calls of the Windows build.
#include "platform/processes.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

} // namespace platform
