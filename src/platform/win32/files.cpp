// File and folder calls of the Windows build, and the C runtime's stream files.
#include "platform/files.h"

#include <cstdio>
#include <io.h>

#include "platform/win32/windows_api.h"

namespace platform {

bool PathExists(const std::string& path) {
    return _access(path.c_str(), 0) == 0;
}

std::uint32_t GetFileAttrs(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool SetFileAttrs(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool RemoveFolder(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

struct StreamFile::Impl {
    FILE* file = nullptr;
};

StreamFile StreamFile::Open(const std::string& path, const char* mode) {
    FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr)
        return StreamFile();
    return StreamFile(new Impl{file});
}

bool StreamFile::GetLine(char* buffer, int size) {
    return impl_ != nullptr && std::fgets(buffer, size, impl_->file) != nullptr;
}

bool StreamFile::PutText(const std::string& text) {
    return impl_ != nullptr && std::fputs(text.c_str(), impl_->file) >= 0;
}

std::size_t StreamFile::Write(const void* data, std::size_t size) {
    return impl_ == nullptr ? 0 : std::fwrite(data, 1, size, impl_->file);
}

std::size_t StreamFile::Read(void* buffer, std::size_t size) {
    return impl_ == nullptr ? 0 : std::fread(buffer, 1, size, impl_->file);
}

bool StreamFile::Seek(long offset, int origin) {
    return impl_ != nullptr && std::fseek(impl_->file, offset, origin) == 0;
}

long StreamFile::Tell() {
    return impl_ == nullptr ? -1L : std::ftell(impl_->file);
}

void StreamFile::Rewind() {
    if (impl_ != nullptr)
        std::rewind(impl_->file);
}

void StreamFile::Close() {
    if (impl_ == nullptr)
        return;
    std::fclose(impl_->file);
    delete impl_;
    impl_ = nullptr;
}

} // namespace platform
