// Kernel objects shared between processes by name: mutexes and paging-file-backed mappings
// with their views. Handles are opaque; ScopedKernelHandle and ScopedView release them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using KernelHandle = std::uintptr_t;

inline constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;
inline constexpr std::uint32_t kWaitObject0 = 0x00000000u;
inline constexpr std::uint32_t kWaitAbandoned = 0x00000080u;
inline constexpr std::uint32_t kWaitTimeout = 0x00000102u;
inline constexpr std::uint32_t kWaitFailed = 0xFFFFFFFFu;

inline constexpr long kErrorAlreadyExists = 183;

inline constexpr std::uint32_t kPageReadWrite = 0x04;
inline constexpr std::uint32_t kSecCommit = 0x08000000u;
inline constexpr std::uint32_t kFileMapWrite = 0x0002;
inline constexpr std::uint32_t kFileMapRead = 0x0004;

// CreateMutexA without security attributes, not initially owned: a new handle to the mutex
// of that name, made if it does not exist yet; 0 on failure.
KernelHandle CreateNamedMutex(const std::string& name);

// WaitForSingleObject: kWaitObject0, kWaitAbandoned (the owner ended while holding it; the
// caller now owns it), kWaitTimeout or kWaitFailed. A mutex is recursive for its owner.
std::uint32_t WaitForObject(KernelHandle handle, std::uint32_t milliseconds);

// ReleaseMutex: false unless the caller owns the mutex.
bool ReleaseOwnedMutex(KernelHandle mutex);

// CreateFileMappingA on the paging file without security attributes, size high 0. lastError
// receives GetLastError right after the call: kErrorAlreadyExists when a mapping of that
// name existed before; its size then stands and size is ignored. 0 on failure.
KernelHandle CreatePagingFileMapping(std::uint32_t protection, std::uint32_t size,
                                     const std::string& name, long* lastError);

// MapViewOfFile at offset 0: size bytes (0: the whole mapping); null when the mapping is
// smaller or the view cannot be made.
void* MapView(KernelHandle mapping, std::uint32_t access, std::uint32_t size);

// UnmapViewOfFile.
bool UnmapView(void* view);

// CloseHandle. A named object keeps its name while a handle to it is open; a view keeps
// only the memory.
bool CloseKernelHandle(KernelHandle handle);

// GetSystemInfo's dwAllocationGranularity.
std::uint32_t AllocationGranularity();

class ScopedKernelHandle {
  public:
    ScopedKernelHandle() = default;
    explicit ScopedKernelHandle(KernelHandle handle) : handle_(handle) {}
    ScopedKernelHandle(const ScopedKernelHandle&) = delete;
    ScopedKernelHandle& operator=(const ScopedKernelHandle&) = delete;
    ~ScopedKernelHandle() { Reset(); }

    KernelHandle get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }
    void Reset(KernelHandle handle = 0) {
        if (handle_ != 0)
            CloseKernelHandle(handle_);
        handle_ = handle;
    }

  private:
    KernelHandle handle_ = 0;
};

class ScopedView {
  public:
    ScopedView() = default;
    explicit ScopedView(void* view) : view_(view) {}
    ScopedView(const ScopedView&) = delete;
    ScopedView& operator=(const ScopedView&) = delete;
    ~ScopedView() { Reset(); }

    void* get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }
    void Reset() {
        if (view_ != nullptr)
            UnmapView(view_);
        view_ = nullptr;
    }

  private:
    void* view_ = nullptr;
};

// Owns a mutex from a wait that counted as acquired until Release or the end of scope.
class MutexLock {
  public:
    // Waits without a time limit; kWaitAbandoned counts as acquired.
    explicit MutexLock(KernelHandle mutex) {
        const auto result = WaitForObject(mutex, kInfinite);
        if (result == kWaitObject0 || result == kWaitAbandoned)
            mutex_ = mutex;
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
    ~MutexLock() { Release(); }

    bool Acquired() const { return mutex_ != 0; }
    void Release() {
        if (mutex_ != 0)
            ReleaseOwnedMutex(mutex_);
        mutex_ = 0;
    }

  private:
    KernelHandle mutex_ = 0;
};

} // namespace platform
