// The process id, the enumeration of top-level windows and posting, as the window search
// and the instance list rely on them. Windows of a test's own making need a display; the
// running copies under Wine show them end to end.
#include <cstring>
#include <set>
#include <vector>

#include "platform/contract_env.h"
#include "platform/processes.h"
#include "platform/top_windows.h"

using namespace platform;

using TopWindowsContract = ContractTest;

namespace {

bool Collect(WindowHandle window, void* context) {
    static_cast<std::vector<WindowHandle>*>(context)->push_back(window);
    return true;
}

bool StopAtFirst(WindowHandle window, void* context) {
    static_cast<std::vector<WindowHandle>*>(context)->push_back(window);
    return false;
}

} // namespace

TEST_F(TopWindowsContract, ProcessIdIsStableAndNotZero) {
    EXPECT_NE(CurrentProcessId(), 0u);
    EXPECT_EQ(CurrentProcessId(), CurrentProcessId());
}

TEST_F(TopWindowsContract, EnumerationVisitsEachWindowOnceAndStopsWhenTold) {
    std::vector<WindowHandle> all;
    EnumTopWindows(Collect, &all);
    EXPECT_EQ(std::set<WindowHandle>(all.begin(), all.end()).size(), all.size());
    for (const auto window : all) {
        EXPECT_NE(window, 0u);
        char title[16];
        std::memset(title, 'x', sizeof title);
        const int length = ReadWindowTitle(window, title, sizeof title);
        EXPECT_GE(length, 0);
        EXPECT_LT(length, static_cast<int>(sizeof title));
        EXPECT_EQ(title[length], '\0');
        EXPECT_NE(WindowProcessId(window), 0u);
    }
    std::vector<WindowHandle> first;
    EnumTopWindows(StopAtFirst, &first);
    EXPECT_EQ(first.size(), all.empty() ? 0u : 1u);
}

TEST_F(TopWindowsContract, PostToTheNullWindowGoesToOwnQueue) {
    // Accepted, for the poster's own queue.
    EXPECT_TRUE(PostWindowMessage(0, 1946, 0, static_cast<std::intptr_t>(CurrentProcessId())));
}

TEST_F(TopWindowsContract, NoWindowHasNoProcessOrOwner) {
    EXPECT_EQ(WindowProcessId(0), 0u);
    EXPECT_EQ(WindowOwner(0), 0u);
}
