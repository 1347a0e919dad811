// Opening documents and web addresses in the Windows build.
#include "platform/shell_execute.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace platform {

bool OpenInShell(const std::string& target) {
    HINSTANCE result = ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform
