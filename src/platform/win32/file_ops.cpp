// Copying, moving and deleting one file: the Windows calls themselves.
#include "platform/file_ops.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool CopyFileTo(const std::string& source, const std::string& destination) {
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != FALSE;
}

bool MoveFileTo(const std::string& existing, const std::string& newName) {
    return MoveFileA(existing.c_str(), newName.c_str()) != FALSE;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

} // namespace platform
