// Kernel-object calls of the Windows build: named mutexes and paging-file mappings.
#include "platform/kernel_objects.h"

#include "platform/win32/windows_api.h"

namespace platform {
namespace {

HANDLE ToHandle(KernelHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

KernelHandle FromHandle(HANDLE handle) {
    return reinterpret_cast<KernelHandle>(handle);
}

} // namespace

KernelHandle CreateNamedMutex(const std::string& name) {
    return FromHandle(CreateMutexA(nullptr, FALSE, name.c_str()));
}

std::uint32_t WaitForObject(KernelHandle handle, std::uint32_t milliseconds) {
    return WaitForSingleObject(ToHandle(handle), milliseconds);
}

bool ReleaseOwnedMutex(KernelHandle mutex) {
    return ReleaseMutex(ToHandle(mutex)) != FALSE;
}

KernelHandle CreatePagingFileMapping(std::uint32_t protection, std::uint32_t size,
                                     const std::string& name, long* lastError) {
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, protection, 0, size, name.c_str());
    const DWORD error = GetLastError();
    if (lastError)
        *lastError = static_cast<long>(error);
    return FromHandle(mapping);
}

void* MapView(KernelHandle mapping, std::uint32_t access, std::uint32_t size) {
    return MapViewOfFile(ToHandle(mapping), access, 0, 0, size);
}

bool UnmapView(void* view) {
    return UnmapViewOfFile(view) != FALSE;
}

bool CloseKernelHandle(KernelHandle handle) {
    return CloseHandle(ToHandle(handle)) != FALSE;
}

std::uint32_t AllocationGranularity() {
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return info.dwAllocationGranularity;
}

} // namespace platform
