// The user interface on Windows: dialogs from the module's templates with one dialog
// procedure that hands messages to the object behind each dialog, straight window calls,
// and the shell's folder browser.
#include "platform/ui.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace platform {
namespace {

HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// Loads version 6 of the common controls once, as the manifest asks.
void InitControls() {
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        done = true;
    }
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* events = reinterpret_cast<DialogEvents*>(lParam);
        return events != nullptr && events->OnInitDialogMessage(Handle(dialog)) ? TRUE : FALSE;
    }
    auto* events = reinterpret_cast<DialogEvents*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (events == nullptr)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        events->OnCommandMessage(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        events->OnWindowGone();
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

std::intptr_t RunModalDialog(unsigned templateId, WindowHandle parent, DialogEvents* events) {
    InitControls();
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), Hwnd(parent),
                           DialogProcedure, reinterpret_cast<LPARAM>(events));
}

WindowHandle CreateModelessDialog(unsigned templateId, WindowHandle parent, DialogEvents* events) {
    InitControls();
    return Handle(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                     Hwnd(parent), DialogProcedure,
                                     reinterpret_cast<LPARAM>(events)));
}

void EndModalDialog(WindowHandle dialog, std::intptr_t result) {
    EndDialog(Hwnd(dialog), result);
}

bool DestroyWindowOf(WindowHandle window) {
    return DestroyWindow(Hwnd(window)) != FALSE;
}

WindowHandle DialogItem(WindowHandle dialog, int id) {
    return Handle(GetDlgItem(Hwnd(dialog), id));
}

WindowHandle NextSiblingOf(WindowHandle window) {
    return Handle(GetWindow(Hwnd(window), GW_HWNDNEXT));
}

std::uint32_t WindowStyleOf(WindowHandle window) {
    return static_cast<std::uint32_t>(GetWindowLongA(Hwnd(window), GWL_STYLE));
}

std::string WindowClassOf(WindowHandle window) {
    char name[256] = {};
    const int length = GetClassNameA(Hwnd(window), name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string GetWindowTextOf(WindowHandle window) {
    const int length = GetWindowTextLengthA(Hwnd(window));
    if (length <= 0)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(Hwnd(window), text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

bool SetWindowTextOf(WindowHandle window, const std::string& text) {
    return SetWindowTextA(Hwnd(window), text.c_str()) != FALSE;
}

void ShowWindowOf(WindowHandle window, int command) {
    ShowWindow(Hwnd(window), command);
}

bool IsWindowShown(WindowHandle window) {
    return IsWindowVisible(Hwnd(window)) != FALSE;
}

void EnableWindowOf(WindowHandle window, bool enable) {
    EnableWindow(Hwnd(window), enable ? TRUE : FALSE);
}

bool IsWindowEnabledOf(WindowHandle window) {
    return IsWindowEnabled(Hwnd(window)) != FALSE;
}

void SetFocusTo(WindowHandle window) {
    SetFocus(Hwnd(window));
}

WindowHandle FocusedWindow() {
    return Handle(GetFocus());
}

Rect WindowRectOf(WindowHandle window) {
    RECT rect = {};
    GetWindowRect(Hwnd(window), &rect);
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void ScreenToClientOf(WindowHandle window, int* x, int* y) {
    POINT point = {*x, *y};
    ScreenToClient(Hwnd(window), &point);
    *x = point.x;
    *y = point.y;
}

bool SetWindowPosOf(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                    int height, unsigned flags) {
    return SetWindowPos(Hwnd(window), Hwnd(insertAfter), x, y, width, height, flags) != FALSE;
}

void UpdateWindowOf(WindowHandle window) {
    UpdateWindow(Hwnd(window));
}

std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return SendMessageA(Hwnd(window), message, wParam, lParam);
}

void SetSystemCursor(SystemCursor cursor) {
    SetCursor(LoadCursorA(nullptr, cursor == SystemCursor::Wait ? IDC_WAIT : IDC_ARROW));
}

int ShowOwnedMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                        unsigned type) {
    return MessageBoxA(Hwnd(owner), text.c_str(), caption.c_str(), type);
}

namespace {

int CALLBACK BrowseProcedure(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    const auto* request = reinterpret_cast<const BrowseRequest*>(data);
    if (request == nullptr || request->callback == nullptr)
        return 0;
    return request->callback(Handle(browser), message, lParam, request->data);
}

} // namespace

ItemList BrowseForFolder(const BrowseRequest& request) {
    char displayName[kBrowsePathSize] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = Hwnd(request.owner);
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = request.title.c_str();
    info.ulFlags = request.flags;
    info.lpfn = BrowseProcedure;
    info.lParam = reinterpret_cast<LPARAM>(&request);
    return reinterpret_cast<ItemList>(SHBrowseForFolderA(&info));
}

bool PathFromItemList(ItemList items, std::string* path) {
    char buffer[kBrowsePathSize] = {};
    if (!SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(items), buffer))
        return false;
    *path = buffer;
    return true;
}

void FreeItemList(ItemList items) {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(reinterpret_cast<void*>(items));
        allocator->Release();
    }
}

} // namespace platform
