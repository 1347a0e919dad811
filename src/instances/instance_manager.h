// The shared instance list: the process ids of the running copies of Pictorva 6, kept by the
// product in named shared memory under a named mutex, which the setup joins as one more
// member. The names, sizes and layout are a format shared with the product.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/kernel_objects.h"

// Posted to every listed instance's main window, wParam 0 and the process id in lParam.
inline constexpr std::uint32_t WM_INSTANCE_ADDED = 1946;
inline constexpr std::uint32_t WM_INSTANCE_REMOVED = 1947;

// The list region as it lies at offset 0 of the mapping, in 32-bit little-endian words.
inline constexpr int kMaxInstances = 1000;
struct SharedInstanceList {
    std::int32_t marker; // 1 once made; nothing here reads it
    std::int32_t count;  // 0 to kMaxInstances; anything else means the list is unreadable
    std::uint32_t processIds[kMaxInstances]; // in order of registration; the rest hold 0
};
static_assert(sizeof(SharedInstanceList) == 4008, "the list region is shared with the product");

class COXInstanceManager {
  public:
    static constexpr const char* kClassName = "COXInstanceManager";
    static constexpr const char* kInstanceName = "Quillmark.Vistorel.v4";
    static constexpr const char* kListMutexPrefix = "COXInstanceManager_InstanceList_Mutex_";
    static constexpr const char* kAdditionalMutexPrefix = "COXInstanceManager_Additional_Mutex_";
    static constexpr const char* kMappingPrefix = "COXInstanceManager_FileMap_";
    static constexpr std::uint32_t kListRegionSize = 4008;
    static constexpr std::uint32_t kAdditionalRegionSize = 1024;

    // Creates or opens the kernel objects, initialises the list if this process made the
    // mapping, and registers the current process.
    COXInstanceManager();

    // The run-time class query.
    virtual const char* GetRuntimeClassName() const;

    // Removes the current process (notifying the others), then closes everything.
    virtual ~COXInstanceManager();

    COXInstanceManager(const COXInstanceManager&) = delete;
    COXInstanceManager& operator=(const COXInstanceManager&) = delete;

    // Appends the id after posting WM_INSTANCE_ADDED to every instance listed before it;
    // false, with nothing posted, when the list is full or cannot be reached.
    bool AddInstance(std::uint32_t processId);

    // Removes the first slot holding the id, then posts WM_INSTANCE_REMOVED to every instance
    // still listed; false, with nothing posted, when the id is not listed.
    bool RemoveInstance(std::uint32_t processId);

    // The number of listed instances, this process included; 0 when the list cannot be
    // reached.
    int GetInstanceCount();

    // The listed ids in list order; false, with the array untouched, when the list cannot be
    // reached.
    bool GetInstanceList(std::vector<std::uint32_t>& processIds);

    std::uint32_t ListRegionSize() const { return listRegionSize_; }
    std::uint32_t AdditionalRegionSize() const { return additionalRegionSize_; }

  protected:
    // Writes the initial state of the list region.
    void InitializeList();

  private:
    // The frame of every list operation: map the view, take the list mutex, work, unmap,
    // release. False, without calling work, when the list cannot be reached or is unreadable.
    template <typename Work>
    bool WithList(Work work);

    std::string instanceName_;
    std::uint32_t listRegionSize_ = 0;
    std::uint32_t additionalRegionSize_ = 0;
    platform::ScopedKernelHandle listMutex_;
    platform::ScopedKernelHandle additionalMutex_;
    platform::ScopedKernelHandle mapping_;
    SharedInstanceList* listView_ = nullptr;
    void* additionalView_ = nullptr;
};

// The program's one instance manager, built before every other object of the setup program
// and destroyed at its normal end. Test programs have none.
extern COXInstanceManager theInstanceManager;
