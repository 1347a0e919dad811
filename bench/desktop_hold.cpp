// desktop_hold.exe: keeps Wine's desktop up for a whole benchmark session.
//
// Under Wine the desktop is a process of its own (explorer.exe /desktop), started by the
// first program that uses the window manager and ended about three seconds after the last
// one leaves. setup.exe, the NSIS installers and xcopy use it; floor.exe and cp do not. Held
// for the session, every run finds the desktop there, as on Windows, and no run pays for
// starting it or not depending on what ran just before.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

int main() {
    // Asking for the desktop window joins this process to the desktop.
    if (GetDesktopWindow() == nullptr)
        return 1;
    Sleep(INFINITE);
    return 0;
}
