// The fixed file version of a program file, from its version resource.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA of the root block "\":
// the file version's most and least significant double words. False when the file is
// missing, has no version resource, or the block cannot be read.
bool ReadFixedFileVersion(const std::string& path, std::uint32_t* versionMS,
                          std::uint32_t* versionLS);

} // namespace platform
