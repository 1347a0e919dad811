#include "common/registry_strings.h"

#include <cstring>

std::string ReadRegistryString(platform::RegKey root, const char* keyPath, const char* valueName) {
    platform::ScopedKey key;
    if (platform::OpenKey(root, keyPath, platform::kKeyRead, key.out()) != platform::kErrorSuccess)
        return std::string();
    char buffer[kRegistryStringBufferSize];
    buffer[0] = '\0';
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    if (platform::QueryValue(key.get(), valueName, &type, buffer, &size) != platform::kErrorSuccess)
        return std::string();
    if (size > sizeof buffer)
        size = sizeof buffer;
    return std::string(buffer, strnlen(buffer, size));
}

bool WriteRegistryString(platform::RegKey root, const char* keyPath, const char* valueName,
                         const std::string& text) {
    platform::ScopedKey key;
    if (platform::CreateKey(root, keyPath, key.out()) != platform::kErrorSuccess)
        return false;
    // The stored size counts the terminating zero; a text never holds more than its C string.
    const auto length = static_cast<std::uint32_t>(std::strlen(text.c_str()));
    return platform::SetValue(key.get(), valueName, platform::kRegSz, text.c_str(), length + 1) ==
           platform::kErrorSuccess;
}
