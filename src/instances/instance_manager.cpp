#include "instances/instance_manager.h"

#include <cstring>

#include "instances/window_search.h"
#include "platform/processes.h"
#include "platform/top_windows.h"

namespace {

// A count outside 0..kMaxInstances comes from a foreign or damaged writer of the shared
// memory; such a list is neither read nor written, so no slot beyond the last is touched.
bool IsReadable(std::int32_t count) {
    return count >= 0 && count <= kMaxInstances;
}

std::uint32_t RoundUp(std::uint32_t size, std::uint32_t granularity) {
    if (granularity == 0 || size % granularity == 0)
        return size;
    return (size / granularity + 1) * granularity;
}

void Notify(std::uint32_t listedProcessId, std::uint32_t message, std::uint32_t processId) {
    // A process without a main window gets the post on the null window, where nothing
    // handles it.
    platform::PostWindowMessage(FindInstanceWindow(listedProcessId), message, 0,
                                static_cast<std::intptr_t>(processId));
}

} // namespace

COXInstanceManager::COXInstanceManager() {
    instanceName_ = kInstanceName;
    additionalRegionSize_ = kAdditionalRegionSize;
    listMutex_.Reset(platform::CreateNamedMutex(kListMutexPrefix + instanceName_));
    additionalMutex_.Reset(platform::CreateNamedMutex(kAdditionalMutexPrefix + instanceName_));
    listRegionSize_ = kListRegionSize;

    const std::uint32_t granularity = platform::AllocationGranularity();
    listRegionSize_ = RoundUp(listRegionSize_, granularity);
    additionalRegionSize_ = RoundUp(additionalRegionSize_, granularity);

    // Without its mutexes the list cannot be used safely: it is left alone, and the program
    // behaves as if no copy of the product were running.
    if (!listMutex_ || !additionalMutex_)
        return;

    {
        // Held from creating the mapping to initialising it, so that no other process can
        // register in between and have its entry cleared.
        platform::MutexLock lock(listMutex_.get());
        long lastError = 0;
        mapping_.Reset(platform::CreatePagingFileMapping(
            platform::kPageReadWrite | platform::kSecCommit,
            listRegionSize_ + additionalRegionSize_, kMappingPrefix + instanceName_, &lastError));
        if (lastError != platform::kErrorAlreadyExists)
            InitializeList();
    }

    AddInstance(platform::CurrentProcessId());
}

const char* COXInstanceManager::GetRuntimeClassName() const {
    return kClassName;
}

COXInstanceManager::~COXInstanceManager() {
    RemoveInstance(platform::CurrentProcessId());
    if (additionalView_ != nullptr) {
        platform::UnmapView(additionalView_);
        additionalView_ = nullptr;
    }
    mapping_.Reset();
    additionalMutex_.Reset();
    listMutex_.Reset();
}

template <typename Work>
bool COXInstanceManager::WithList(Work work) {
    if (!mapping_)
        return false;
    platform::ScopedView view(platform::MapView(
        mapping_.get(), platform::kFileMapRead | platform::kFileMapWrite, listRegionSize_));
    if (!view)
        return false;
    platform::MutexLock lock(listMutex_.get());
    if (!lock.Acquired())
        return false;
    listView_ = static_cast<SharedInstanceList*>(view.get());
    const bool result = work(*listView_);
    listView_ = nullptr;
    view.Reset();
    lock.Release();
    return result;
}

void COXInstanceManager::InitializeList() {
    WithList([](SharedInstanceList& list) {
        list.marker = 1;
        list.count = 0;
        std::memset(list.processIds, 0, sizeof list.processIds);
        return true;
    });
}

bool COXInstanceManager::AddInstance(std::uint32_t processId) {
    return WithList([processId](SharedInstanceList& list) {
        const std::int32_t count = list.count;
        if (!IsReadable(count) || count >= kMaxInstances)
            return false;
        for (std::int32_t i = 0; i < count; ++i)
            Notify(list.processIds[i], WM_INSTANCE_ADDED, processId);
        list.processIds[count] = processId;
        list.count = count + 1;
        return true;
    });
}

bool COXInstanceManager::RemoveInstance(std::uint32_t processId) {
    return WithList([processId](SharedInstanceList& list) {
        const std::int32_t count = list.count;
        if (!IsReadable(count))
            return false;
        std::int32_t found = 0;
        while (found < count && list.processIds[found] != processId)
            ++found;
        if (found == count)
            return false;
        for (std::int32_t i = found; i + 1 < count; ++i)
            list.processIds[i] = list.processIds[i + 1];
        list.processIds[count - 1] = 0;
        list.count = count - 1;
        for (std::int32_t j = 0; j < count - 1; ++j)
            Notify(list.processIds[j], WM_INSTANCE_REMOVED, processId);
        return true;
    });
}

int COXInstanceManager::GetInstanceCount() {
    int result = 0;
    WithList([&result](SharedInstanceList& list) {
        const std::int32_t count = list.count;
        if (IsReadable(count))
            result = count;
        return true;
    });
    return result;
}

bool COXInstanceManager::GetInstanceList(std::vector<std::uint32_t>& processIds) {
    return WithList([&processIds](SharedInstanceList& list) {
        const std::int32_t count = list.count;
        if (!IsReadable(count))
            return false;
        processIds.assign(list.processIds, list.processIds + count);
        return true;
    });
}
