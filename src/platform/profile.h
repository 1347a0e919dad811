// Sections of profile (.ini) files, as whole blocks: entries one after another, each ended by
// a zero byte, the block by a further zero byte. A bare file name lies in the Windows folder.
#pragma once

#include <cstdint>

namespace platform {

// GetPrivateProfileSectionA: fills buffer with the section's block and returns the count of
// bytes filled without the final zero; 0 for a missing or empty section. A block that does
// not fit is cut and size - 2 is returned.
std::uint32_t ReadIniSection(const char* section, char* buffer, std::uint32_t size,
                             const char* file);

// WritePrivateProfileSectionA: replaces the section by the block, creating file and section
// when they are missing.
bool WriteIniSection(const char* section, const char* block, const char* file);

} // namespace platform
