// Where the running program and Windows itself live.
#pragma once

#include <string>

namespace platform {

// GetModuleFileNameA of the running program into a 260-character buffer: its full path.
std::string ModuleFileName();

// GetWindowsDirectoryA into a 260-character buffer, e.g. "C:\WINDOWS".
std::string WindowsFolder();

} // namespace platform
