// Turning the file manifest into files and folders in the install folder.
#pragma once

#include <string>

// True when this 32-bit program runs on 64-bit Windows; false where Windows cannot tell.
bool RunningUnderWow64();

// Walks the manifest from first line to last: "File Copy: " entries are copied,
// "File Copy x64: " ones only on 64-bit Windows, "File Copy ind: " ones only when Windows
// cannot load a module of that name from elsewhere; "Make Dir: " folders are made under the
// install folder. Failures are passed over. A missing manifest copies nothing.
void CopyManifestFiles(const std::string& manifestPath);

// Installs every file of source that matches pattern (which may start with a subfolder part)
// into destination (into the same subfolder, which must exist), making destination first if
// anything matches. The first file that cannot be put in place ends the walk. Folder entries
// are passed over. Returns the number of files put in place.
int CopyMatchingFiles(const std::string& pattern, const std::string& destination,
                      const std::string& source);
