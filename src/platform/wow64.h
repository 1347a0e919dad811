// Whether this 32-bit program runs on 64-bit Windows (IsWow64Process, which older Windows
// does not have; its address is looked up once, when the program starts).
#pragma once

namespace platform {

// True when kernel32 has IsWow64Process.
bool HasIsWow64Process();

// IsWow64Process(GetCurrentProcess()): false when the function is missing or fails, with
// *wow64 left alone; otherwise true and the answer in *wow64.
bool AskIsWow64Process(bool* wow64);

} // namespace platform
