// Listing the entries that match a name or a wildcard pattern (FindFirstFileA and
// FindNextFileA), in the order the file system lists them, "." and ".." included where
// Windows returns them (a wildcard search in a folder that is not a drive's root).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct FoundEntry {
    std::string name; // the entry's own name, without its folder
    std::uint32_t attributes = 0;
};

// One search; the handle is closed (FindClose) when the object goes.
class FileSearch {
  public:
    FileSearch() = default;
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    FileSearch(FileSearch&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }
    FileSearch& operator=(FileSearch&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.handle_;
            other.handle_ = 0;
        }
        return *this;
    }
    ~FileSearch() { Close(); }

    // FindFirstFileA: an invalid search when nothing matches; otherwise entry is the first.
    static FileSearch Start(const std::string& pattern, FoundEntry* entry);

    bool IsValid() const { return handle_ != 0; }
    explicit operator bool() const { return IsValid(); }

    // FindNextFileA: false when no entry is left.
    bool Next(FoundEntry* entry);

    void Close();

  private:
    explicit FileSearch(std::uintptr_t handle) : handle_(handle) {}
    std::uintptr_t handle_ = 0;
};

} // namespace platform
