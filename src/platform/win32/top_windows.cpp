// Window calls of the Windows build: EnumWindows and the per-window queries, PostMessageA.
#include "platform/top_windows.h"

#include "platform/win32/windows_api.h"

namespace platform {
namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

struct Enumeration {
    WindowVisitor visit;
    void* context;
};

BOOL CALLBACK VisitOne(HWND window, LPARAM parameter) {
    auto* enumeration = reinterpret_cast<Enumeration*>(parameter);
    return enumeration->visit(reinterpret_cast<WindowHandle>(window), enumeration->context) ? TRUE
                                                                                            : FALSE;
}

} // namespace

void EnumTopWindows(WindowVisitor visit, void* context) {
    Enumeration enumeration{visit, context};
    EnumWindows(VisitOne, reinterpret_cast<LPARAM>(&enumeration));
}

std::uint32_t WindowProcessId(WindowHandle window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(ToHwnd(window), &processId);
    return processId;
}

WindowHandle WindowOwner(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetWindow(ToHwnd(window), GW_OWNER));
}

std::uint32_t WindowExStyle(WindowHandle window) {
    return static_cast<std::uint32_t>(GetWindowLongA(ToHwnd(window), GWL_EXSTYLE));
}

int ReadWindowTitle(WindowHandle window, char* buffer, int size) {
    return GetWindowTextA(ToHwnd(window), buffer, size);
}

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    return PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

} // namespace platform
