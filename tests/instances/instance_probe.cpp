// A third member of the shared instance list for the running-copies test: it joins the
// list, writes what it sees to the report file, leaves, and then asks one copy to close.
//
//   instance_probe REPORT [CLOSE-PID]
//
// Report lines: "self <pid>", "count <n>", "list <pid> <pid> ...", then for each listed
// process "window <pid> none" or "window <pid> found <title>", and "close <pid> <posted>".
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "instances/instance_manager.h"
#include "instances/window_search.h"
#include "platform/processes.h"
#include "platform/top_windows.h"

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    FILE* report = std::fopen(argv[1], "wb");
    if (report == nullptr)
        return 2;
    {
        COXInstanceManager manager;
        std::fprintf(report, "self %lu\n",
                     static_cast<unsigned long>(platform::CurrentProcessId()));
        std::fprintf(report, "count %d\n", manager.GetInstanceCount());
        std::vector<std::uint32_t> ids;
        const bool listed = manager.GetInstanceList(ids);
        std::fprintf(report, "list");
        for (const auto id : ids)
            std::fprintf(report, " %lu", static_cast<unsigned long>(id));
        std::fprintf(report, "%s\n", listed ? "" : " unreachable");
        for (const auto id : ids) {
            const auto window = FindInstanceWindow(id);
            if (window == 0) {
                std::fprintf(report, "window %lu none\n", static_cast<unsigned long>(id));
                continue;
            }
            char title[kWindowTitleBufferSize] = "";
            platform::ReadWindowTitle(window, title, sizeof title);
            std::fprintf(report, "window %lu found %s\n", static_cast<unsigned long>(id), title);
        }
    }
    if (argc > 2) {
        const auto id = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
        const bool posted =
            platform::PostWindowMessage(FindInstanceWindow(id), platform::kWmClose, 1001, 0);
        std::fprintf(report, "close %lu %d\n", static_cast<unsigned long>(id), posted ? 1 : 0);
    }
    std::fclose(report);
    return 0;
}
