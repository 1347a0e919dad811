// Copying, moving and deleting one file, as the Windows calls do it: no folder is created on
// the way, and a file held open by another process can be neither deleted nor moved.
#pragma once

#include <string>

namespace platform {

// CopyFileA(source, destination, FALSE): an existing destination is overwritten unless it
// is read-only or in use; the copy carries the source's attributes.
bool CopyFileTo(const std::string& source, const std::string& destination);

// MoveFileA: renames a file or folder; fails when the new name exists already.
bool MoveFileTo(const std::string& existing, const std::string& newName);

// DeleteFileA: fails for folders, read-only files and files in use.
bool RemoveFile(const std::string& path);

} // namespace platform
