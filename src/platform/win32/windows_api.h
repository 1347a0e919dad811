// The one way Windows' own headers enter the program: lean, without min/max macros.
// Must contain only Win32 specific code, and only files under src/platform/win32 (and the
// stub product) include it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
