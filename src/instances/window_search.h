// The main window of a running copy: the window to which the shared instance list's
// notifications and the close request are posted.
#pragma once

#include <cstdint>

#include "platform/top_windows.h"

// The record passed through the enumeration of the top-level windows.
struct WindowSearch {
    std::uint32_t processId = 0;       // the process whose window is sought
    platform::WindowHandle window = 0; // the window found; 0 until one is
};

// Titles take part in the search up to this many bytes, the terminating zero included.
inline constexpr int kWindowTitleBufferSize = 512;

// The first top-level window, in the system's order, that belongs to the process, has no
// owner and no tool-window style, is not one of the platform's hidden DDE and OLE windows,
// and whose title begins with "Pictorva" (letter case counts); 0 when there is none.
platform::WindowHandle FindInstanceWindow(std::uint32_t processId);
