// The folder for temporary files.
#pragma once

#include <string>

namespace platform {

// GetTempPathA: the temporary folder with a trailing backslash; empty text on failure.
std::string TempFolder();

} // namespace platform
