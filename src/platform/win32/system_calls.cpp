// The small Windows services: the temporary folder, environment variables, the WOW64 answer,
// loading modules by name and message boxes.
#include <cstdlib>
#include <string>

#include "platform/environment.h"
#include "platform/message_box.h"
#include "platform/modules.h"
#include "platform/temp_folder.h"
#include "platform/win32/windows_api.h"
#include "platform/wow64.h"

namespace platform {

std::string TempFolder() {
    char buffer[MAX_PATH + 1];
    DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length);
}

std::optional<std::string> GetEnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

// Looked up once, at program start; null on Windows versions without the function.
const IsWow64ProcessFunction isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
    reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));

} // namespace

bool HasIsWow64Process() {
    return isWow64Process != nullptr;
}

bool AskIsWow64Process(bool* wow64) {
    BOOL answer = FALSE;
    if (isWow64Process == nullptr || !isWow64Process(GetCurrentProcess(), &answer))
        return false;
    *wow64 = answer != FALSE;
    return true;
}

ScopedModule ScopedModule::Load(const std::string& name) {
    return ScopedModule(reinterpret_cast<std::uintptr_t>(LoadLibraryA(name.c_str())));
}

void ScopedModule::Release() {
    if (handle_ != 0)
        FreeLibrary(reinterpret_cast<HMODULE>(handle_));
    handle_ = 0;
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), type);
}

} // namespace platform
