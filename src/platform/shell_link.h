// The shell's link object through COM (CLSID_ShellLink with IShellLinkA and IPersistFile):
// writing shortcut (.lnk) files. Results are HRESULTs: negative on failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

using HResult = std::int32_t;
inline constexpr HResult kSOk = 0;
inline constexpr HResult kEFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kEInvalidArg = static_cast<HResult>(0x80070057u);

inline bool Succeeded(HResult result) {
    return result >= 0;
}

// CoInitialize(NULL) on the calling thread.
HResult InitializeCom();

// MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, maxUnits): the text and its terminating
// zero in UTF-16 units; false (and nothing stored) when they do not fit into maxUnits.
bool AnsiToWide(const std::string& text, std::size_t maxUnits, std::wstring* wide);

// One link object with its IPersistFile, both released when the object goes.
class ShellLink {
  public:
    ShellLink() = default;
    ShellLink(const ShellLink&) = delete;
    ShellLink& operator=(const ShellLink&) = delete;
    ~ShellLink();

    // CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA).
    HResult Create();
    // QueryInterface(IID_IPersistFile) on the created link.
    HResult QueryPersistFile();

    HResult SetPath(const std::string& target);
    HResult SetDescription(const std::string& description);
    HResult SetWorkingDirectory(const std::string& folder);
    // IPersistFile::Save of the link to path (UTF-16, zero-terminated as AnsiToWide made it).
    HResult Save(const std::wstring& path, bool remember);

    struct Impl;

  private:
    Impl* impl_ = nullptr;
};

} // namespace platform
