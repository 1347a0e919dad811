// The shell's link object through COM: CLSID_ShellLink, IShellLinkA and IPersistFile.
#include "platform/shell_link.h"

#include <vector>

#include "platform/win32/windows_api.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace platform {

HResult InitializeCom() {
    return CoInitialize(nullptr);
}

bool AnsiToWide(const std::string& text, std::size_t maxUnits, std::wstring* wide) {
    std::vector<wchar_t> buffer(maxUnits == 0 ? 1 : maxUnits);
    int units =
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), static_cast<int>(maxUnits));
    if (units <= 0)
        return false;
    wide->assign(buffer.data(), static_cast<std::size_t>(units - 1));
    return true;
}

struct ShellLink::Impl {
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
};

ShellLink::~ShellLink() {
    if (impl_ == nullptr)
        return;
    if (impl_->file != nullptr)
        impl_->file->Release();
    if (impl_->link != nullptr)
        impl_->link->Release();
    delete impl_;
}

HResult ShellLink::Create() {
    if (impl_ == nullptr)
        impl_ = new Impl;
    void* link = nullptr;
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &link);
    if (SUCCEEDED(result))
        impl_->link = static_cast<IShellLinkA*>(link);
    return result;
}

HResult ShellLink::QueryPersistFile() {
    if (impl_ == nullptr || impl_->link == nullptr)
        return E_POINTER;
    void* file = nullptr;
    HRESULT result = impl_->link->QueryInterface(IID_IPersistFile, &file);
    if (SUCCEEDED(result))
        impl_->file = static_cast<IPersistFile*>(file);
    return result;
}

HResult ShellLink::SetPath(const std::string& target) {
    return impl_ && impl_->link ? impl_->link->SetPath(target.c_str()) : E_POINTER;
}

HResult ShellLink::SetDescription(const std::string& description) {
    return impl_ && impl_->link ? impl_->link->SetDescription(description.c_str()) : E_POINTER;
}

HResult ShellLink::SetWorkingDirectory(const std::string& folder) {
    return impl_ && impl_->link ? impl_->link->SetWorkingDirectory(folder.c_str()) : E_POINTER;
}

HResult ShellLink::Save(const std::wstring& path, bool remember) {
    return impl_ && impl_->file ? impl_->file->Save(path.c_str(), remember ? TRUE : FALSE)
                                : E_POINTER;
}

} // namespace platform
