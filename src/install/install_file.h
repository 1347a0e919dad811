// Putting one file in place, even over a read-only, hidden or running file, and the file
// operations deferred to the next start of Windows.
#pragma once

#include <optional>
#include <string>

// Paths pass through buffers of 260 bytes: a longer one is refused whole.
inline constexpr std::size_t kMaxPathLength = 259;

// The "rename" section of WININIT.INI is handled as one block of this many bytes.
inline constexpr unsigned kRenameSectionSize = 16384;

// Copies sourceFolder\name to destinationFolder\target (or \name). True when the new file is
// in place under its final name, or when it would be copied onto itself. A destination in
// use is moved aside to ".old" (deleted at the next start) or, when it cannot be moved, the
// new file is staged as ".new" to replace it at the next start; that counts as false.
bool InstallFile(const std::string& name, const std::string& sourceFolder,
                 const std::string& destinationFolder,
                 const std::optional<std::string>& target = std::nullopt);

// Schedules the deletion of path at the next start of Windows: a delayed move on NT, else a
// "NUL=" entry at the end of WININIT.INI's "rename" section. True when scheduled.
bool DeleteFileAtRestart(const std::string& path);

// Schedules the rename of existing to newPath at the next start of Windows, by the same two
// routes ("newPath=existing" in WININIT.INI).
void RenameFileAtRestart(const std::string& existing, const std::string& newPath);
