// Registry calls of the Windows build: the ANSI registry functions, without a view flag.
#include "platform/registry.h"

#include "platform/win32/windows_api.h"

namespace platform {
namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long OpenKey(RegKey key, const char* subKey, std::uint32_t access, RegKey* result) {
    HKEY opened = nullptr;
    LONG error = RegOpenKeyExA(ToHkey(key), subKey, 0, access, &opened);
    *result = error == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return error;
}

long CreateKey(RegKey key, const char* subKey, RegKey* result) {
    HKEY opened = nullptr;
    LONG error = RegCreateKeyA(ToHkey(key), subKey, &opened);
    *result = error == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return error;
}

long QueryValue(RegKey key, const char* name, std::uint32_t* type, void* data,
                std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LONG error = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType, static_cast<BYTE*>(data),
                                  size ? &valueSize : nullptr);
    if (type)
        *type = valueType;
    if (size)
        *size = valueSize;
    return error;
}

long SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
              std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

long CloseKey(RegKey key) {
    return RegCloseKey(ToHkey(key));
}

long EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t size) {
    return RegEnumKeyA(ToHkey(key), index, name, size);
}

long DeleteKey(RegKey key, const char* subKey) {
    return RegDeleteKeyA(ToHkey(key), subKey);
}

long DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueA(ToHkey(key), name);
}

} // namespace platform
