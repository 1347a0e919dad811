// Folder names typed by a user or read from a file: cleaned, joined, split and created,
// always by characters of the ANSI code page.
#pragma once

#include <string>

// Turns '/' into '\' and strips blanks, tabs, CR, LF and backslashes from both ends:
// " /Group/Sub\ " becomes "Group\Sub"; a name of those characters alone becomes empty.
void NormalizeFolderName(std::string& name);

// Appends '\' unless the last character is '\' or '/'; empty text becomes "\".
void AppendSeparator(std::string& folder);

// The folder above path: one trailing '\' is dropped, then everything before the last '\'
// when that stands at position 1 or later; else (and for null) the empty text.
// "C:\A\B\" and "C:\A\B" give "C:\A"; "C:\A" gives "C:"; "C:\" and "name" give "".
std::string ParentFolder(const char* path);
inline std::string ParentFolder(const std::string& path) {
    return ParentFolder(path.c_str());
}

// The drive and folder parts of a path joined, as the C runtime's path splitting gives them:
// "C:\Program Files\Pictorva 6\PictrvUnInst.exe" gives "C:\Program Files\Pictorva 6\";
// a bare file name gives the empty text.
std::string DriveAndFolder(const std::string& path);

// Creates prefix + path up to every '\' at position 1 or later, from left to right, then
// prefix + path itself. Failures (folders that exist, a bare drive) are passed over.
void CreateFolderChain(const std::string& prefix, const std::string& path);
