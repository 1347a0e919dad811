// Registry service: keys and values under the predefined roots, as the setup's routines use
// them. Calls return the Windows error code of the operation (0 on success); handles are
// opaque and must be closed with CloseKey (or held by ScopedKey).
#pragma once

#include <cstdint>

namespace platform {

using RegKey = std::uintptr_t;

// The predefined roots carry their Windows values so that a root and an opened key can be
// passed alike wherever a routine accepts "a root or open key".
inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;
inline constexpr RegKey kUsers = 0x80000003u;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;

// RegOpenKeyExA: opens subKey (null or empty reopens key itself) with the given access.
long OpenKey(RegKey key, const char* subKey, std::uint32_t access, RegKey* result);

// RegCreateKeyA: opens subKey, creating it and every missing parent first.
long CreateKey(RegKey key, const char* subKey, RegKey* result);

// RegQueryValueExA: a null name is the default value. With data null only the size is
// reported; a buffer too small gives kErrorMoreData and the size needed.
long QueryValue(RegKey key, const char* name, std::uint32_t* type, void* data, std::uint32_t* size);

// RegSetValueExA: stores size bytes of data under name (null: the default value).
long SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
              std::uint32_t size);

long CloseKey(RegKey key);

// RegEnumKeyA: the name of sub-key number index into name (size bytes with the zero);
// kErrorNoMoreItems past the last, kErrorMoreData when the name does not fit.
long EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t size);

// RegDeleteKeyA: deletes subKey with its values; fails (access denied) while it has sub-keys.
long DeleteKey(RegKey key, const char* subKey);

// RegDeleteValueA: a null name is the default value.
long DeleteValue(RegKey key, const char* name);

// Closes the key it holds when it goes out of scope; roots are never closed.
class ScopedKey {
  public:
    ScopedKey() = default;
    explicit ScopedKey(RegKey key) : key_(key) {}
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    ~ScopedKey() { Reset(); }

    RegKey get() const { return key_; }
    RegKey* out() {
        Reset();
        return &key_;
    }
    explicit operator bool() const { return key_ != 0; }
    void Reset() {
        if (key_ != 0)
            CloseKey(key_);
        key_ = 0;
    }

  private:
    RegKey key_ = 0;
};

} // namespace platform
