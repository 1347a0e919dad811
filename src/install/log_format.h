// The one line format of the file manifest ("PictrvUnInst.log" beside the setup), the
// install log (its copy in the install folder, with the install's own lines appended) and an
// earlier version's "install.log". Every reader of these files goes through LogReader.
#pragma once

#include <string>

#include "platform/files.h"

// Line prefixes, matched byte for byte at the very start of a line, trailing blank included.
inline constexpr char kFileCopyPrefix[] = "File Copy: ";
inline constexpr char kFileCopyX64Prefix[] = "File Copy x64: ";
inline constexpr char kFileCopyIndPrefix[] = "File Copy ind: ";
inline constexpr char kFileOverwritePrefix[] = "File Overwrite: ";
inline constexpr char kFileDelPrefix[] = "File Del: ";
inline constexpr char kMakeDirPrefix[] = "Make Dir: ";
inline constexpr char kMadeDirPrefix[] = "Made Dir: ";
inline constexpr char kShellLinkPrefix[] = "Shell Link: ";

inline constexpr char kInstallLogName[] = "PictrvUnInst.log";
inline constexpr char kEarlierLogName[] = "install.log";

// Lines are read through a buffer of this size: a longer line arrives in pieces of
// kLogLineBufferSize - 1 bytes, each taken as a line of its own.
inline constexpr int kLogLineBufferSize = 512;

// Reads a manifest or log line by line, the way every reader of the format does.
class LogReader {
  public:
    // Opens the file in text mode; a file that cannot be opened reads as no lines.
    explicit LogReader(const std::string& path);

    bool IsOpen() const { return file_.IsOpen(); }

    // The next line, up to its first zero byte, with the bytes of value 32 or less (line
    // ends, blanks, control bytes) removed from its end, never its first byte. False at end.
    bool Next(std::string& line);

    // Back to the first line, for readers that make two passes.
    void Rewind() { file_.Rewind(); }

  private:
    platform::StreamFile file_;
};

// True when line begins with prefix (case-sensitive, at the very first byte).
bool HasPrefix(const std::string& line, const char* prefix);

// Appends text and a line end (CR LF) to the file in text mode, creating the file when it is
// missing; opened, written and closed for this one line. A file that cannot be opened drops
// the line silently.
void AppendLogLine(const std::string& path, const std::string& text);
