// The simulated processes, their windows and the kernel objects they share; the process
// calls of the sim build.
#include "platform/sim/processes.h"

#include <algorithm>

#include "platform/processes.h"
#include "platform/sim/machine.h"

namespace sim {

ProcessTable& Machine::Processes() {
    if (!processes_)
        processes_ = std::make_shared<ProcessTable>();
    return *processes_;
}

ProcessTable::ProcessTable() {
    current = Start();
}

std::uint32_t ProcessTable::Start() {
    const std::uint32_t id = nextProcessId_;
    nextProcessId_ += 4; // Windows hands out ids in steps of four
    running_.push_back(id);
    return id;
}

void ProcessTable::End(std::uint32_t processId) {
    running_.erase(std::remove(running_.begin(), running_.end(), processId), running_.end());
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const SimWindow& w) { return w.processId == processId; }),
                  windows.end());
    for (auto& [name, mutex] : mutexes) {
        if (mutex->owner == processId) {
            mutex->owner = 0;
            mutex->recursion = 0;
            mutex->abandoned = true;
        }
    }
    for (auto it = handles.begin(); it != handles.end();) {
        it = it->second.processId == processId ? handles.erase(it) : std::next(it);
    }
    views.erase(std::remove_if(views.begin(), views.end(),
                               [&](const ViewEntry& v) { return v.processId == processId; }),
                views.end());
    ForgetUnusedMappings();
}

bool ProcessTable::IsRunning(std::uint32_t processId) const {
    return std::find(running_.begin(), running_.end(), processId) != running_.end();
}

ProcessTable::As::As(ProcessTable& table, std::uint32_t processId)
    : table_(table), previous_(table.current) {
    table_.current = processId;
}

ProcessTable::As::~As() {
    table_.current = previous_;
}

platform::WindowHandle ProcessTable::AddWindow(std::uint32_t processId, const std::string& title,
                                               platform::WindowHandle owner,
                                               std::uint32_t exStyle) {
    SimWindow window;
    window.handle = nextWindow_;
    nextWindow_ += 0x10;
    window.processId = processId;
    window.owner = owner;
    window.exStyle = exStyle;
    window.title = title;
    windows.push_back(window);
    return window.handle;
}

const SimWindow* ProcessTable::FindWindow(platform::WindowHandle handle) const {
    for (const auto& window : windows) {
        if (window.handle == handle)
            return &window;
    }
    return nullptr;
}

std::vector<PostedMessage> ProcessTable::PostsReceivedBy(std::uint32_t processId) const {
    std::vector<PostedMessage> result;
    for (const auto& message : posted) {
        if (message.queueProcess == processId)
            result.push_back(message);
    }
    return result;
}

platform::KernelHandle ProcessTable::NewHandle(HandleEntry entry) {
    const platform::KernelHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles[handle] = std::move(entry);
    return handle;
}

void ProcessTable::ForgetUnusedMappings() {
    // As in Windows, a named object loses its name with its last handle; a view still mapped
    // keeps the memory, not the name.
    for (auto it = mappings.begin(); it != mappings.end();) {
        const bool held = std::any_of(handles.begin(), handles.end(), [&](const auto& entry) {
            return entry.second.mapping == it->second;
        });
        it = held ? std::next(it) : mappings.erase(it);
    }
}

SimMapping* ProcessTable::Mapping(const std::string& name) {
    auto it = mappings.find(name);
    return it == mappings.end() ? nullptr : it->second.get();
}

int ProcessTable::HandleCount(std::uint32_t processId) const {
    return static_cast<int>(std::count_if(handles.begin(), handles.end(), [&](const auto& entry) {
        return entry.second.processId == processId;
    }));
}

int ProcessTable::ViewCount(std::uint32_t processId) const {
    return static_cast<int>(std::count_if(
        views.begin(), views.end(), [&](const ViewEntry& v) { return v.processId == processId; }));
}

} // namespace sim

namespace platform {

std::uint32_t CurrentProcessId() {
    return sim::Machine::Active().Processes().current;
}

} // namespace platform
