// Loading a module (DLL) the way Windows finds it by name: LoadLibraryA and FreeLibrary.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A loaded module, released (FreeLibrary) when the object goes.
class ScopedModule {
  public:
    ScopedModule() = default;
    ScopedModule(const ScopedModule&) = delete;
    ScopedModule& operator=(const ScopedModule&) = delete;
    ScopedModule(ScopedModule&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }
    ScopedModule& operator=(ScopedModule&& other) noexcept {
        if (this != &other) {
            Release();
            handle_ = other.handle_;
            other.handle_ = 0;
        }
        return *this;
    }
    ~ScopedModule() { Release(); }

    // LoadLibraryA with the name as given: a bare name is looked for by Windows' own search
    // order (the program's folder, the system folders, the current folder, PATH).
    static ScopedModule Load(const std::string& name);

    bool IsLoaded() const { return handle_ != 0; }
    explicit operator bool() const { return IsLoaded(); }

    void Release();

  private:
    explicit ScopedModule(std::uintptr_t handle) : handle_(handle) {}
    std::uintptr_t handle_ = 0;
};

} // namespace platform
