// Finding an earlier installation, the default destination, the setup's own folder and the
// version a product executable carries. None of them shows anything.
#pragma once

#include <cstdint>
#include <string>

#include "common/setup_state.h"

// The folder of an earlier installation without a trailing backslash ("Path" of the
// product's key, else the folder of the App Paths entry), or empty text. Whether the folder
// still exists is not examined.
std::string FindInstalledFolder();

// The machine's Program Files folder without a trailing backslash.
std::string DefaultProgramFilesFolder();

// The folder that holds the running setup program, without a trailing backslash.
std::string SetupProgramFolder();

// Sets theSetupState.productVersion to the file version of the file at path, or to 0.0.0.0
// when it has none.
void ReadFileVersion(const std::string& path);

// major * 1000000 + minor * 10000 + build * 100 + revision, wrapping like the 32-bit unsigned
// arithmetic versions are compared in (so 5.100.0.0 and 6.0.0.0 compare equal).
std::uint32_t PackedVersion(const ProductVersion& version);
