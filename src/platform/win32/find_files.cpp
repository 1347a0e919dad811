// File searches: FindFirstFileA, FindNextFileA and FindClose.
#include "platform/find_files.h"

#include "platform/win32/windows_api.h"

namespace platform {
namespace {

void Fill(const WIN32_FIND_DATAA& data, FoundEntry* entry) {
    entry->name = data.cFileName;
    entry->attributes = data.dwFileAttributes;
}

} // namespace

FileSearch FileSearch::Start(const std::string& pattern, FoundEntry* entry) {
    WIN32_FIND_DATAA data;
    HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE)
        return FileSearch();
    Fill(data, entry);
    return FileSearch(reinterpret_cast<std::uintptr_t>(handle));
}

bool FileSearch::Next(FoundEntry* entry) {
    WIN32_FIND_DATAA data;
    if (handle_ == 0 || !FindNextFileA(reinterpret_cast<HANDLE>(handle_), &data))
        return false;
    Fill(data, entry);
    return true;
}

void FileSearch::Close() {
    if (handle_ != 0)
        FindClose(reinterpret_cast<HANDLE>(handle_));
    handle_ = 0;
}

} // namespace platform
