// Finding a running copy's main window among the top-level windows of the simulated machine.
#include <gtest/gtest.h>

#include <string>

#include "instances/window_search.h"
#include "platform/sim/machine.h"
#include "platform/sim/processes.h"

using platform::kWsExToolWindow;

namespace {

class WindowSearchTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    sim::ProcessTable& processes = machine.Processes();
    std::uint32_t product = processes.Start();
    std::uint32_t other = processes.Start();
};

} // namespace

TEST_F(WindowSearchTest, TitleMustBeginWithTheProductNameInItsCase) {
    // Only a title that starts, at its first character, with "Pictorva" qualifies.
    const struct {
        const char* title;
        bool found;
    } cases[] = {
        {"Pictorva 6", true},     {"Pictorva", true},
        {"Pictorva Setup", true}, {"Pictorva6 - image.png", true},
        {"pictorva 6", false},    {"PICTORVA 6", false},
        {" Pictorva 6", false},   {"Image - Pictorva 6", false},
        {"Pictorv", false},       {"", false},
    };
    for (const auto& c : cases) {
        processes.windows.clear();
        const auto window = processes.AddWindow(product, c.title);
        EXPECT_EQ(FindInstanceWindow(product), c.found ? window : 0) << '"' << c.title << '"';
    }
}

TEST_F(WindowSearchTest, OwnedToolAndPlatformWindowsArePassedOver) {
    // Dialogs, tool windows and the hidden DDE and OLE windows are never the main window.
    const auto main = processes.AddWindow(other, "Pictorva 6");
    processes.AddWindow(product, "Pictorva 6 - Options", main);
    processes.AddWindow(product, "Pictorva tools", 0, kWsExToolWindow | 0x8);
    processes.AddWindow(product, "DDE Server Window");
    processes.AddWindow(product, "OleMainThreadWndName");
    processes.AddWindow(product, "");
    EXPECT_EQ(FindInstanceWindow(product), 0u);

    const auto mine = processes.AddWindow(product, "Pictorva 6", 0, 0x100);
    EXPECT_EQ(FindInstanceWindow(product), mine);
    EXPECT_EQ(FindInstanceWindow(other), main);
}

TEST_F(WindowSearchTest, FirstQualifyingWindowInEnumerationOrderIsTaken) {
    const auto second = processes.AddWindow(product, "Pictorva 6 - b.png");
    const auto first = processes.AddWindow(product, "Pictorva 6 - a.png");
    std::swap(processes.windows[0], processes.windows[1]);
    EXPECT_EQ(FindInstanceWindow(product), first);
    std::swap(processes.windows[0], processes.windows[1]);
    EXPECT_EQ(FindInstanceWindow(product), second);
}

TEST_F(WindowSearchTest, ProcessWithoutWindowsOrGoneYieldsNull) {
    processes.AddWindow(product, "Pictorva 6");
    EXPECT_EQ(FindInstanceWindow(other), 0u);
    processes.End(product);
    EXPECT_EQ(FindInstanceWindow(product), 0u);
    EXPECT_EQ(FindInstanceWindow(99999), 0u);
}

TEST_F(WindowSearchTest, LongTitleIsCutButStillQualifies) {
    // Only the first 511 bytes of a title are read; the prefix decides.
    const auto window = processes.AddWindow(product, "Pictorva 6 - " + std::string(2000, 'x'));
    EXPECT_EQ(FindInstanceWindow(product), window);
}
