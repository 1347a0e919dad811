// The simulated machine's processes: ids and the current one, top-level windows, posted
// messages, and the named kernel objects (mutexes, paging-file mappings) that processes
// share. Reached through Machine::Processes(); the platform calls of the sim build act for
// the current process.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/kernel_objects.h"
#include "platform/top_windows.h"

namespace sim {

struct SimWindow {
    platform::WindowHandle handle = 0;
    std::uint32_t processId = 0;
    platform::WindowHandle owner = 0;
    std::uint32_t exStyle = 0;
    std::string title;
};

struct PostedMessage {
    std::uint32_t fromProcess = 0;
    platform::WindowHandle window = 0; // 0: the null window
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    // The process whose queue received it: the window's, or the poster's for the null window.
    std::uint32_t queueProcess = 0;
};

struct SimMutex {
    std::string name;
    std::uint32_t owner = 0; // process id, 0 when free
    int recursion = 0;
    bool abandoned = false; // the owner ended while holding it
};

struct SimMapping {
    std::string name;
    std::vector<unsigned char> bytes; // never resized once made
};

class ProcessTable {
  public:
    ProcessTable();

    // Every machine starts with one running process, the current one: the program under test.
    std::uint32_t current = 0;
    std::uint32_t Start();             // a new running process; the current one stays
    void End(std::uint32_t processId); // its handles and views close, owned mutexes abandon
    bool IsRunning(std::uint32_t processId) const;

    // Makes processId the current process while it lives.
    class As {
      public:
        As(ProcessTable& table, std::uint32_t processId);
        ~As();
        As(const As&) = delete;
        As& operator=(const As&) = delete;

      private:
        ProcessTable& table_;
        std::uint32_t previous_;
    };

    // ---- Top-level windows, in the enumeration order (tests may reorder the vector).
    std::vector<SimWindow> windows;
    platform::WindowHandle AddWindow(std::uint32_t processId, const std::string& title,
                                     platform::WindowHandle owner = 0, std::uint32_t exStyle = 0);
    const SimWindow* FindWindow(platform::WindowHandle handle) const;

    // ---- Every successful post, in order.
    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> PostsReceivedBy(std::uint32_t processId) const;

    // ---- Kernel objects. Names are case-sensitive, as Windows object names are.
    std::uint32_t allocationGranularity = 65536;
    std::map<std::string, std::shared_ptr<SimMutex>> mutexes;
    std::map<std::string, std::shared_ptr<SimMapping>> mappings; // while a handle is open

    struct HandleEntry {
        std::uint32_t processId = 0;
        std::shared_ptr<SimMutex> mutex;
        std::shared_ptr<SimMapping> mapping;
    };
    std::map<platform::KernelHandle, HandleEntry> handles;
    struct ViewEntry {
        void* address = nullptr;
        std::uint32_t processId = 0;
        std::shared_ptr<SimMapping> mapping;
    };
    std::vector<ViewEntry> views;

    // Runs right after a mapping has been made, still inside the creating call, so that a
    // test can act as another process at that moment.
    std::function<void(const std::string& name)> onMappingMade;

    platform::KernelHandle NewHandle(HandleEntry entry);
    // Drops a mapping's name once no handle refers to it any more.
    void ForgetUnusedMappings();

    // Test inspection: the bytes of a named mapping (null when it does not exist), the
    // handles and views a process holds.
    SimMapping* Mapping(const std::string& name);
    int HandleCount(std::uint32_t processId) const;
    int ViewCount(std::uint32_t processId) const;

  private:
    std::vector<std::uint32_t> running_;
    std::uint32_t nextProcessId_ = 4200;
    platform::WindowHandle nextWindow_ = 0x10010;
    platform::KernelHandle nextHandle_ = 0x40;
};

} // namespace sim
