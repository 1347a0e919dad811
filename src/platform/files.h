// Files and folders: existence, attributes, folder creation and removal, and the C runtime's
// stream files (text and binary mode) through which logs and manifests are read and written.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;

// _access(path, 0): true when a file or a folder of that name exists.
bool PathExists(const std::string& path);

// GetFileAttributesA: kInvalidAttributes when the path does not exist.
std::uint32_t GetFileAttrs(const std::string& path);

// SetFileAttributesA.
bool SetFileAttrs(const std::string& path, std::uint32_t attributes);

// CreateDirectoryA without security attributes: creates one folder whose parent exists.
bool CreateFolder(const std::string& path);

// RemoveDirectoryA: removes an empty folder.
bool RemoveFolder(const std::string& path);

// A stream file of the C runtime (fopen and friends), closed when the object goes.
class StreamFile {
  public:
    StreamFile() = default;
    StreamFile(const StreamFile&) = delete;
    StreamFile& operator=(const StreamFile&) = delete;
    StreamFile(StreamFile&& other) noexcept : impl_(other.impl_) { other.impl_ = nullptr; }
    StreamFile& operator=(StreamFile&& other) noexcept {
        if (this != &other) {
            Close();
            impl_ = other.impl_;
            other.impl_ = nullptr;
        }
        return *this;
    }
    ~StreamFile() { Close(); }

    // fopen with a C runtime mode: "r", "rb", "a", "w", "wb"...; text mode unless "b".
    static StreamFile Open(const std::string& path, const char* mode);

    bool IsOpen() const { return impl_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }

    // fgets: reads at most size - 1 bytes up to and including a line feed and terminates
    // them with a zero byte. False at end of file or on error, with nothing read.
    bool GetLine(char* buffer, int size);

    // fputs: writes the text (a text-mode stream turns each line feed into CR LF).
    bool PutText(const std::string& text);

    // fwrite: the count of bytes written (a text-mode stream turns line feeds into CR LF).
    std::size_t Write(const void* data, std::size_t size);

    // fread of up to size bytes; the count read.
    std::size_t Read(void* buffer, std::size_t size);

    // fseek from the start (origin 0) or the end (origin 2); ftell; rewind.
    bool Seek(long offset, int origin);
    long Tell();
    void Rewind();

    void Close();

    struct Impl;

  private:
    explicit StreamFile(Impl* impl) : impl_(impl) {}
    Impl* impl_ = nullptr;
};

} // namespace platform
