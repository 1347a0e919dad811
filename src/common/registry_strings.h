// Registry string values as the setup reads and writes them outside the uninstaller's
// clean-up: the shell folders, the product's own key, App Paths, the uninstall entry.
#pragma once

#include <string>

#include "platform/registry.h"

// Values are read through a buffer of this many bytes: 259 characters and the terminating
// zero at most; longer data read as empty text.
inline constexpr unsigned kRegistryStringBufferSize = 260;

// The text of the value (a null name is the key's default value); empty text when the key
// cannot be opened for reading, the value is missing, or its data do not fit the buffer.
// Data without a terminating zero are read up to their end and no further.
std::string ReadRegistryString(platform::RegKey root, const char* keyPath, const char* valueName);

// Stores text as a REG_SZ value with its terminating zero (the empty text as one zero byte),
// creating every missing key along keyPath. False when a key or the value could not be made.
bool WriteRegistryString(platform::RegKey root, const char* keyPath, const char* valueName,
                         const std::string& text);
