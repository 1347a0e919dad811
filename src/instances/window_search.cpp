#include "instances/window_search.h"

#include <cstring>

namespace {

constexpr char kProductTitlePrefix[] = "Pictorva";

bool IsPlatformHiddenWindow(const char* title) {
    return std::strcmp(title, "DDE Server Window") == 0 ||
           std::strcmp(title, "OleMainThreadWndName") == 0;
}

// Stores the window and stops the enumeration once it qualifies.
bool TestWindow(platform::WindowHandle window, void* context) {
    auto* search = static_cast<WindowSearch*>(context);
    if (platform::WindowProcessId(window) != search->processId)
        return true;
    if (platform::WindowOwner(window) != 0)
        return true;
    if ((platform::WindowExStyle(window) & platform::kWsExToolWindow) != 0)
        return true;
    char title[kWindowTitleBufferSize];
    title[0] = '\0';
    platform::ReadWindowTitle(window, title, kWindowTitleBufferSize);
    title[kWindowTitleBufferSize - 1] = '\0';
    if (IsPlatformHiddenWindow(title))
        return true;
    if (std::strncmp(title, kProductTitlePrefix, sizeof kProductTitlePrefix - 1) != 0)
        return true;
    search->window = window;
    return false;
}

} // namespace

platform::WindowHandle FindInstanceWindow(std::uint32_t processId) {
    WindowSearch search;
    search.processId = processId;
    search.window = 0;
    platform::EnumTopWindows(TestWindow, &search);
    return search.window;
}
