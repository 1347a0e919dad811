// hold_file.exe: holds a file open as a program that is using it does, sharing it for
// reading only, so that no other program can write, delete or rename it until this one
// ends. Once the file is held it creates the marker file, which a test script waits for.
//
//   hold_file.exe FILE MARKER
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hold_file FILE MARKER\n");
        return 2;
    }
    HANDLE held = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_file: cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    HANDLE marker = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);
    Sleep(INFINITE);
    return 0;
}
