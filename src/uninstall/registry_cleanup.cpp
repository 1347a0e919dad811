#include "uninstall/registry_cleanup.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "common/ansi_text.h"
#include "platform/shell_notify.h"

using namespace platform;

namespace {

constexpr char kMakerKeyName[] = "Quillmark";
constexpr char kProductKeyName[] = "Pictorva 6";
constexpr char kDocumentType[] = "PV6.Document";
constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr char kFileExtsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
constexpr char kProductMark[] = "Pictrv6.exe";
constexpr char kKeptAssociation[] = "PictrvOld";

const char* const kImageExtensions[] = {".bmp",  ".dib", ".gif", ".jpg", ".jpeg", ".tif",
                                        ".tiff", ".png", ".cmp", ".tga", ".wpg"};

// Key names and association values pass through buffers of this size.
constexpr std::uint32_t kNameBufferSize = 512;

// A string value read through the 512-byte buffer; false when it is missing or too long.
bool ReadValue(RegKey key, const char* name, std::string* text) {
    char buffer[kNameBufferSize];
    buffer[0] = '\0';
    std::uint32_t size = sizeof buffer;
    if (QueryValue(key, name, nullptr, buffer, &size) != kErrorSuccess)
        return false;
    *text = std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
    return true;
}

} // namespace

bool DeleteKeyTree(RegKey key, const char* path) {
    ScopedKey opened;
    if (OpenKey(key, path, kKeyAllAccess, opened.out()) == kErrorSuccess) {
        char name[kNameBufferSize];
        std::uint32_t index = 0;
        while (EnumKey(opened.get(), index, name, sizeof name) == kErrorSuccess) {
            ++index;
            // A deleted sub-key moves the following ones up by one place.
            if (DeleteKeyTree(opened.get(), name))
                --index;
        }
        opened.Reset();
    }
    return DeleteKey(key, path) == kErrorSuccess;
}

void DeleteKeyIfNoSubkeys(RegKey key, const char* path) {
    ScopedKey opened;
    if (OpenKey(key, path, kKeyAllAccess, opened.out()) != kErrorSuccess)
        return;
    char name[kNameBufferSize];
    std::uint32_t count = 0;
    while (EnumKey(opened.get(), count, name, sizeof name) == kErrorSuccess)
        ++count;
    opened.Reset();
    if (count == 0)
        DeleteKey(key, path);
}

void CleanRegistry() {
    char productKey[kNameBufferSize];
    char makerKey[kNameBufferSize];
    std::snprintf(productKey, sizeof productKey, "SOFTWARE\\%s\\%s", kMakerKeyName,
                  kProductKeyName);
    std::snprintf(makerKey, sizeof makerKey, "SOFTWARE\\%s", kMakerKeyName);

    DeleteKeyTree(kLocalMachine, productKey);
    DeleteKeyTree(kCurrentUser, productKey);
    DeleteKeyIfNoSubkeys(kLocalMachine, makerKey);
    DeleteKeyIfNoSubkeys(kCurrentUser, makerKey);

    char hiveName[kNameBufferSize];
    for (std::uint32_t index = 0;
         EnumKey(kUsers, index, hiveName, sizeof hiveName) == kErrorSuccess; ++index) {
        ScopedKey hive;
        if (OpenKey(kUsers, hiveName, kKeyAllAccess, hive.out()) != kErrorSuccess)
            continue;
        DeleteKeyTree(hive.get(), productKey);
        DeleteKeyIfNoSubkeys(hive.get(), makerKey);
    }

    DeleteKeyTree(kClassesRoot, kDocumentType);

    ScopedKey uninstall;
    if (OpenKey(kLocalMachine, kUninstallKey, kKeyAllAccess, uninstall.out()) == kErrorSuccess)
        DeleteKey(uninstall.get(), kProductKeyName);
    ScopedKey appPaths;
    if (OpenKey(kLocalMachine, kAppPathsKey, kKeyAllAccess, appPaths.out()) == kErrorSuccess)
        DeleteKey(appPaths.get(), kProductMark);
}

void RestoreImageAssociations() {
    ScopedKey root;
    const char* association = "Application";
    if (OpenKey(kCurrentUser, kFileExtsKey, kKeyAllAccess, root.out()) != kErrorSuccess) {
        association = nullptr; // the extension's default value
        if (OpenKey(kClassesRoot, nullptr, kKeyAllAccess, root.out()) != kErrorSuccess)
            return;
    }

    bool changed = false;
    for (const char* extension : kImageExtensions) {
        ScopedKey key;
        if (OpenKey(root.get(), extension, kKeyAllAccess, key.out()) != kErrorSuccess)
            continue;
        std::string program;
        if (!ReadValue(key.get(), association, &program) ||
            FindText(program, kProductMark) == std::string::npos)
            continue;
        changed = true;
        std::string kept;
        if (ReadValue(key.get(), kKeptAssociation, &kept) && !kept.empty())
            SetValue(key.get(), association, kRegSz, kept.c_str(),
                     static_cast<std::uint32_t>(kept.size() + 1));
        else
            DeleteValue(key.get(), association);
        DeleteValue(key.get(), kKeptAssociation);
    }
    if (changed)
        NotifyAssociationsChanged();
}
