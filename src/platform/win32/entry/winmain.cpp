// The Windows entry of setup.exe: hands the C runtime's argument vector to the program.
#include <cstdlib>

#include "app/setup_main.h"
#include "platform/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return SetupMain(__argc, __argv);
}
