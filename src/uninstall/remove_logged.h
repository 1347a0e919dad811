// Removing what a manifest or install log records: shortcuts and made folders, listed files
// and the folders of "Make Dir: " lines. Nothing is deferred: what cannot go now stays.
#pragma once

#include <string>

// Deletes every "Shell Link: " file, then removes every "Made Dir: " folder and each parent
// it leaves empty, climbing until a removal fails.
void RemoveLinksAndMadeFolders(const std::string& logPath);

// Deletes from folder every file named by the lines with prefix (null: the five file
// prefixes); an entry "name > target" names its target, and a line ends at its first " | ".
// Then removes the "Make Dir: " folders under folder that are empty, last line first, so
// that a subfolder goes before the folder that holds it.
void RemoveListedFiles(const std::string& logPath, const std::string& folder,
                       const char* prefix = nullptr);

// Deletes every file in folder that matches pattern (which may start with a subfolder part),
// read-only and hidden ones included. Returns the number deleted. A path longer than the
// 259 characters of its buffer is not acted on.
int DeleteMatchingFiles(const std::string& pattern, const std::string& folder);
