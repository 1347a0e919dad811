// Kernel-object calls of the sim build: named mutexes owned by simulated processes, and
// mappings whose bytes every process's views share.
#include "platform/kernel_objects.h"

#include <stdexcept>

#include "platform/sim/machine.h"
#include "platform/sim/processes.h"

namespace platform {
namespace {

sim::ProcessTable::HandleEntry* FindHandle(sim::ProcessTable& table, KernelHandle handle) {
    auto it = table.handles.find(handle);
    if (it == table.handles.end() || it->second.processId != table.current)
        return nullptr;
    return &it->second;
}

} // namespace

KernelHandle CreateNamedMutex(const std::string& name) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("CreateNamedMutex", name))
        return 0;
    auto& table = machine.Processes();
    auto& mutex = table.mutexes[name];
    if (!mutex) {
        mutex = std::make_shared<sim::SimMutex>();
        mutex->name = name;
    }
    sim::ProcessTable::HandleEntry entry;
    entry.processId = table.current;
    entry.mutex = mutex;
    return table.NewHandle(entry);
}

std::uint32_t WaitForObject(KernelHandle handle, std::uint32_t milliseconds) {
    auto& machine = sim::Machine::Active();
    auto& table = machine.Processes();
    auto* entry = FindHandle(table, handle);
    if (entry == nullptr || !entry->mutex || machine.ShouldFail("WaitForObject"))
        return kWaitFailed;
    auto& mutex = *entry->mutex;
    if (mutex.owner == table.current) {
        ++mutex.recursion;
        return kWaitObject0;
    }
    if (mutex.owner != 0) {
        if (milliseconds != kInfinite)
            return kWaitTimeout;
        // One thread runs the whole simulation: the owner could never release it.
        throw std::logic_error("simulated process waits forever on a mutex another one holds");
    }
    mutex.owner = table.current;
    mutex.recursion = 1;
    if (mutex.abandoned) {
        mutex.abandoned = false;
        return kWaitAbandoned;
    }
    return kWaitObject0;
}

bool ReleaseOwnedMutex(KernelHandle mutex) {
    auto& table = sim::Machine::Active().Processes();
    auto* entry = FindHandle(table, mutex);
    if (entry == nullptr || !entry->mutex || entry->mutex->owner != table.current)
        return false;
    if (--entry->mutex->recursion == 0)
        entry->mutex->owner = 0;
    return true;
}

KernelHandle CreatePagingFileMapping(std::uint32_t /*protection*/, std::uint32_t size,
                                     const std::string& name, long* lastError) {
    auto& machine = sim::Machine::Active();
    auto& table = machine.Processes();
    long error = 0;
    KernelHandle handle = 0;
    if (machine.ShouldFail("CreatePagingFileMapping", name) || size == 0) {
        error = 1450; // ERROR_NO_SYSTEM_RESOURCES
    } else {
        auto& mapping = table.mappings[name];
        if (mapping) {
            error = kErrorAlreadyExists;
        } else {
            mapping = std::make_shared<sim::SimMapping>();
            mapping->name = name;
            mapping->bytes.assign(size, 0); // the paging file hands out zeroed pages
        }
        sim::ProcessTable::HandleEntry entry;
        entry.processId = table.current;
        entry.mapping = mapping;
        handle = table.NewHandle(entry);
    }
    if (lastError)
        *lastError = error;
    if (handle != 0 && error == 0 && table.onMappingMade)
        table.onMappingMade(name);
    return handle;
}

void* MapView(KernelHandle mapping, std::uint32_t /*access*/, std::uint32_t size) {
    auto& machine = sim::Machine::Active();
    auto& table = machine.Processes();
    auto* entry = FindHandle(table, mapping);
    if (entry == nullptr || !entry->mapping || machine.ShouldFail("MapView"))
        return nullptr;
    auto& bytes = entry->mapping->bytes;
    if (size > bytes.size())
        return nullptr;
    sim::ProcessTable::ViewEntry view;
    view.address = bytes.data();
    view.processId = table.current;
    view.mapping = entry->mapping;
    table.views.push_back(view);
    return view.address;
}

bool UnmapView(void* view) {
    auto& table = sim::Machine::Active().Processes();
    for (auto it = table.views.begin(); it != table.views.end(); ++it) {
        if (it->address == view && it->processId == table.current) {
            table.views.erase(it);
            table.ForgetUnusedMappings();
            return true;
        }
    }
    return false;
}

bool CloseKernelHandle(KernelHandle handle) {
    auto& table = sim::Machine::Active().Processes();
    if (FindHandle(table, handle) == nullptr)
        return false;
    table.handles.erase(handle);
    table.ForgetUnusedMappings();
    return true;
}

std::uint32_t AllocationGranularity() {
    return sim::Machine::Active().Processes().allocationGranularity;
}

} // namespace platform
