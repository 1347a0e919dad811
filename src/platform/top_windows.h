// Top-level windows of every process: enumeration, owner, extended style, title, and posting
// window messages. Window handles are opaque; 0 is the null window.
#pragma once

#include <cstdint>

namespace platform {

using WindowHandle = std::uintptr_t;

inline constexpr std::uint32_t kWsExToolWindow = 0x00000080u;
inline constexpr std::uint32_t kWmClose = 0x0010;

// EnumWindows: calls visit once for each top-level window, in the system's order, until visit
// returns false.
using WindowVisitor = bool (*)(WindowHandle window, void* context);
void EnumTopWindows(WindowVisitor visit, void* context);

// GetWindowThreadProcessId: the id of the process that made the window; 0 for no window.
std::uint32_t WindowProcessId(WindowHandle window);

// GetWindow with GW_OWNER: the owner window, 0 for an unowned one.
WindowHandle WindowOwner(WindowHandle window);

// GetWindowLongA with GWL_EXSTYLE.
std::uint32_t WindowExStyle(WindowHandle window);

// GetWindowTextA: at most size - 1 bytes of the title, terminated; the length copied.
int ReadWindowTitle(WindowHandle window, char* buffer, int size);

// PostMessageA. A post to the null window goes to the posting thread's own queue.
bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam);

} // namespace platform
