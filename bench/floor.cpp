// floor.exe: the least any installer of a tree of files must do through the Win32 ANSI API,
// against which the install benchmark measures setup.exe. Copying makes one CreateDirectoryA
// per folder and one CopyFileA per file; deleting makes one DeleteFileA per file and one
// RemoveDirectoryA per folder. Nothing else is called on a file: no attribute reads, no
// existence checks, no logs.
//
//   floor copy SOURCE DESTINATION   the tree under SOURCE into DESTINATION (made here)
//   floor delete FOLDER             FOLDER and everything under it
//
// Exit status 0 when every call succeeded, 1 when one failed (the walk goes on), 2 on
// wrong usage.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A search handle that is closed on every way out of the walk.
class ScopedFind {
  public:
    ScopedFind(const std::string& pattern, WIN32_FIND_DATAA* data)
        : handle_(FindFirstFileA(pattern.c_str(), data)) {}
    ~ScopedFind() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    ScopedFind(const ScopedFind&) = delete;
    ScopedFind& operator=(const ScopedFind&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA* data) { return FindNextFileA(handle_, data) != FALSE; }

  private:
    HANDLE handle_;
};

bool IsDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool IsFolder(const WIN32_FIND_DATAA& data) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Records a failed call and its Windows error; the walk carries on with the next entry.
bool Report(const char* call, const std::string& path) {
    std::fprintf(stderr, "floor: %s %s failed (error %lu)\n", call, path.c_str(),
                 static_cast<unsigned long>(GetLastError()));
    return false;
}

// Copies the contents of source into the existing folder destination.
bool CopyTree(const std::string& source, const std::string& destination) {
    bool ok = true;
    WIN32_FIND_DATAA data;
    ScopedFind search(source + "\\*", &data);
    if (!search.Found())
        return Report("FindFirstFileA", source);
    do {
        if (IsDotEntry(data.cFileName))
            continue;
        const std::string from = source + "\\" + data.cFileName;
        const std::string to = destination + "\\" + data.cFileName;
        if (IsFolder(data)) {
            if (!CreateDirectoryA(to.c_str(), nullptr))
                ok = Report("CreateDirectoryA", to);
            else
                ok = CopyTree(from, to) && ok;
        } else if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
            ok = Report("CopyFileA", to);
        }
    } while (search.Next(&data));
    return ok;
}

// Deletes the files and folders under folder, then folder itself.
bool DeleteTree(const std::string& folder) {
    bool ok = true;
    {
        WIN32_FIND_DATAA data;
        ScopedFind search(folder + "\\*", &data);
        if (!search.Found())
            return Report("FindFirstFileA", folder);
        do {
            if (IsDotEntry(data.cFileName))
                continue;
            const std::string path = folder + "\\" + data.cFileName;
            if (IsFolder(data))
                ok = DeleteTree(path) && ok;
            else if (!DeleteFileA(path.c_str()))
                ok = Report("DeleteFileA", path);
        } while (search.Next(&data));
    }
    // The search is closed first: a folder with an open search on it cannot be removed.
    if (!RemoveDirectoryA(folder.c_str()))
        ok = Report("RemoveDirectoryA", folder);
    return ok;
}

int Usage() {
    std::fputs("usage: floor copy SOURCE DESTINATION\n"
               "       floor delete FOLDER\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "copy") == 0) {
        const std::string destination = argv[3];
        if (!CreateDirectoryA(destination.c_str(), nullptr)) {
            Report("CreateDirectoryA", destination);
            return 1;
        }
        return CopyTree(argv[2], destination) ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "delete") == 0)
        return DeleteTree(argv[2]) ? 0 : 1;
    return Usage();
}
