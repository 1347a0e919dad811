// The shell's link object on the simulated machine: every step can be made to fail
// ("InitializeCom", "ShellLink::Create", "ShellLink::QueryPersistFile", "ShellLink::SetPath",
// "ShellLink::SetDescription", "ShellLink::SetWorkingDirectory", "ShellLink::Save"), and
// every saved shortcut is written as a file and recorded for the test to read back.
#include "platform/shell_link.h"

#include "platform/files.h"
#include "platform/sim/machine.h"

namespace platform {
namespace {

constexpr HResult kCoENotInitialized = static_cast<HResult>(0x800401F0u);
constexpr HResult kENoInterface = static_cast<HResult>(0x80004002u);
constexpr HResult kEPathNotFound = static_cast<HResult>(0x80070003u);
constexpr HResult kEAccessDenied = static_cast<HResult>(0x80070005u);
constexpr HResult kSFalse = 1;

// The sim's UTF-16 stand-in: one unit per character of the code page, a two-byte character
// as lead * 256 + trail, so that the ANSI text can be had back exactly.
std::string WideToAnsi(const std::wstring& wide) {
    std::string text;
    for (wchar_t unit : wide) {
        if (unit == 0)
            break;
        if (unit > 0xFF)
            text += static_cast<char>((unit >> 8) & 0xFF);
        text += static_cast<char>(unit & 0xFF);
    }
    return text;
}

} // namespace

HResult InitializeCom() {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("InitializeCom"))
        return kEFail;
    ++machine.system.comInitializeCalls;
    if (machine.system.comInitialized)
        return kSFalse;
    machine.system.comInitialized = true;
    return kSOk;
}

bool AnsiToWide(const std::string& text, std::size_t maxUnits, std::wstring* wide) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("AnsiToWide", text))
        return false;
    std::wstring units;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (machine.IsLeadByte(c) && i + 1 < text.size()) {
            units += static_cast<wchar_t>(c << 8 | static_cast<unsigned char>(text[++i]));
        } else {
            units += static_cast<wchar_t>(c);
        }
    }
    if (units.size() + 1 > maxUnits)
        return false;
    *wide = units;
    return true;
}

struct ShellLink::Impl {
    bool persistFile = false;
    sim::SavedShortcut shortcut;
};

ShellLink::~ShellLink() {
    delete impl_;
}

HResult ShellLink::Create() {
    auto& machine = sim::Machine::Active();
    if (!machine.system.comInitialized)
        return kCoENotInitialized;
    if (machine.ShouldFail("ShellLink::Create"))
        return kEFail;
    delete impl_;
    impl_ = new Impl;
    return kSOk;
}

HResult ShellLink::QueryPersistFile() {
    if (impl_ == nullptr || sim::Machine::Active().ShouldFail("ShellLink::QueryPersistFile"))
        return kENoInterface;
    impl_->persistFile = true;
    return kSOk;
}

HResult ShellLink::SetPath(const std::string& target) {
    if (impl_ == nullptr || sim::Machine::Active().ShouldFail("ShellLink::SetPath"))
        return kEFail;
    impl_->shortcut.target = target;
    return kSOk;
}

HResult ShellLink::SetDescription(const std::string& description) {
    if (impl_ == nullptr || sim::Machine::Active().ShouldFail("ShellLink::SetDescription"))
        return kEFail;
    impl_->shortcut.description = description;
    return kSOk;
}

HResult ShellLink::SetWorkingDirectory(const std::string& folder) {
    if (impl_ == nullptr || sim::Machine::Active().ShouldFail("ShellLink::SetWorkingDirectory"))
        return kEFail;
    impl_->shortcut.workingDirectory = folder;
    return kSOk;
}

HResult ShellLink::Save(const std::wstring& path, bool /*remember*/) {
    auto& machine = sim::Machine::Active();
    if (impl_ == nullptr || !impl_->persistFile)
        return kEFail;
    const std::string ansi = WideToAnsi(path);
    if (machine.ShouldFail("ShellLink::Save", ansi))
        return kEFail;
    auto resolved = machine.Resolve(ansi);
    if (!resolved || machine.FindParentFolder(*resolved) == nullptr)
        return kEPathNotFound;
    const sim::FsNode* existing = machine.Node(*resolved);
    if (existing != nullptr && existing->folder)
        return kEAccessDenied;
    auto file = StreamFile::Open(ansi, "wb");
    if (!file)
        return kEAccessDenied;
    const std::string contents = "[shortcut]\r\ntarget=" + impl_->shortcut.target + "\r\n";
    file.Write(contents.data(), contents.size());
    impl_->shortcut.path = ansi;
    machine.system.shortcuts.push_back(impl_->shortcut);
    return kSOk;
}

} // namespace platform
