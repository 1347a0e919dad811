// The process's current folder, against which relative paths are taken.
#pragma once

#include <string>

namespace platform {

// SetCurrentDirectoryA: "\" is the root of the current drive.
bool SetCurrentFolder(const std::string& path);

// GetCurrentDirectoryA.
std::string CurrentFolder();

} // namespace platform
