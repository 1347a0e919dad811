// Pictrv6.exe, standing in for Pictorva 6: one top-level, unowned main window titled
// "Pictorva 6", membership in the shared instance list for the whole run, and a normal end
// on WM_CLOSE. When PICTRV6_MESSAGE_LOG names a file, it appends one line for each thing a
// test may want to see: "started <pid>", "1946 <pid>", "1947 <pid>", "WM_CLOSE <wParam>",
// and "ended <pid>" once it has left the list.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "instances/instance_manager.h"
#include "product_windows.h"

namespace {

constexpr char kLogVariable[] = "PICTRV6_MESSAGE_LOG";
constexpr char kWindowClass[] = "Pictorva6MainWindow";
constexpr char kWindowTitle[] = "Pictorva 6";

void Note(const char* format, ...) {
    const char* path = std::getenv(kLogVariable);
    if (path == nullptr || *path == '\0')
        return;
    // Binary: lines end in a bare line feed, as the test scripts read them.
    FILE* log = std::fopen(path, "ab");
    if (log == nullptr)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(log, format, arguments);
    va_end(arguments);
    std::fputc('\n', log);
    std::fclose(log);
}

// Built before, and so destroyed after, the instance manager below: its note says that the
// product has left the list.
struct EndNote {
    ~EndNote() { Note("ended %lu", static_cast<unsigned long>(GetCurrentProcessId())); }
} endNote;

} // namespace

// The product's one instance manager: it joins the list at start and leaves at the end.
COXInstanceManager theInstanceManager;

namespace {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INSTANCE_ADDED:
    case WM_INSTANCE_REMOVED:
        Note("%u %lu", message, static_cast<unsigned long>(lParam));
        return 0;
    case WM_CLOSE:
        Note("WM_CLOSE %lu", static_cast<unsigned long>(wParam));
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassA(&windowClass) == 0)
        return 1;
    HWND window = CreateWindowExA(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    Note("started %lu", static_cast<unsigned long>(GetCurrentProcessId()));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
