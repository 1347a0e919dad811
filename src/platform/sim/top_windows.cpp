// Window calls of the sim build: the top-level windows of the simulated processes, and posts
// recorded in order.
#include "platform/top_windows.h"

#include <algorithm>
#include <cstring>

#include "platform/sim/machine.h"
#include "platform/sim/processes.h"

namespace platform {

void EnumTopWindows(WindowVisitor visit, void* context) {
    // A copy, so that the visitor sees the windows as they were when the enumeration began.
    const auto windows = sim::Machine::Active().Processes().windows;
    for (const auto& window : windows) {
        if (!visit(window.handle, context))
            break;
    }
}

std::uint32_t WindowProcessId(WindowHandle window) {
    const auto* found = sim::Machine::Active().Processes().FindWindow(window);
    return found ? found->processId : 0;
}

WindowHandle WindowOwner(WindowHandle window) {
    const auto* found = sim::Machine::Active().Processes().FindWindow(window);
    return found ? found->owner : 0;
}

std::uint32_t WindowExStyle(WindowHandle window) {
    const auto* found = sim::Machine::Active().Processes().FindWindow(window);
    return found ? found->exStyle : 0;
}

int ReadWindowTitle(WindowHandle window, char* buffer, int size) {
    const auto* found = sim::Machine::Active().Processes().FindWindow(window);
    if (found == nullptr || size <= 0)
        return 0;
    const std::size_t length = std::min(found->title.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, found->title.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    auto& machine = sim::Machine::Active();
    auto& table = machine.Processes();
    if (machine.ShouldFail("PostWindowMessage"))
        return false;
    sim::PostedMessage posted;
    posted.fromProcess = table.current;
    posted.window = window;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    if (window == 0) {
        posted.queueProcess = table.current;
    } else {
        const auto* found = table.FindWindow(window);
        if (found == nullptr)
            return false; // ERROR_INVALID_WINDOW_HANDLE
        posted.queueProcess = found->processId;
    }
    table.posted.push_back(posted);
    return true;
}

} // namespace platform
