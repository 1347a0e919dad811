// The simulated machine behaves like the Windows it stands for where the program's routines
// rely on it: code pages, path forms and registry rights.
#include <gtest/gtest.h>

#include "common/registry_strings.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/sim/machine.h"

using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::kUsers;

TEST(SimCodePage, JapaneseLowerCaseNeverChangesASecondByteAlone) {
    sim::Machine machine;
    machine.codePage = 932;
    // The katakana "a" (0x83 0x41) has 'A' as its second byte; it stays. Full-width capital
    // A (0x82 0x60) becomes full-width small a (0x82 0x81). Single-byte katakana stay.
    EXPECT_EQ(platform::LowerCase("AB\x83\x41\x82\x60\xB1Z"), "ab\x83\x41\x82\x81\xB1z");
    EXPECT_TRUE(platform::IsLeadByte(0x83));
    EXPECT_TRUE(platform::IsLeadByte(0xE0));
    EXPECT_FALSE(platform::IsLeadByte(0xA1));
    EXPECT_FALSE(platform::IsLeadByte('\\'));
    // A lead byte at the very end has no second byte to protect.
    EXPECT_EQ(platform::LowerCase("A\x83"), "a\x83");
}

TEST(SimPaths, FormsThatNameTheSameFolder) {
    sim::Machine machine;
    machine.AddFolder("C:\\Program Files\\Pictorva 6");
    machine.currentDirectory = "C:\\Program Files";
    for (const char* path : {"C:\\Program Files\\Pictorva 6", "c:/program files/PICTORVA 6/",
                             "C:\\\\Program Files\\\\Pictorva 6", "Pictorva 6", ".\\Pictorva 6",
                             "..\\Program Files\\Pictorva 6", "\\Program Files\\Pictorva 6",
                             "C:\\Program Files\\.\\Pictorva 6"})
        EXPECT_TRUE(platform::PathExists(path)) << path;
    EXPECT_FALSE(platform::PathExists("D:\\Program Files"));
    EXPECT_FALSE(platform::PathExists("\\\\server\\share"));
}

TEST(SimPaths, PathsOfMoreThan259CharactersDoNotExist) {
    sim::Machine machine;
    const std::string folder = "C:\\" + std::string(240, 'f');
    machine.AddFile(folder + "\\" + std::string(15, 'n'), "259 characters in all");
    EXPECT_TRUE(platform::PathExists(folder + "\\" + std::string(15, 'n')));
    EXPECT_FALSE(platform::PathExists(folder + "\\" + std::string(15, 'n') + "\\"));
    EXPECT_FALSE(platform::PathExists(folder + "\\.\\" + std::string(15, 'n')));
    EXPECT_FALSE(platform::CreateFolder(folder + "\\" + std::string(8, 'n')));
}

TEST(SimPaths, JapaneseTrailBackslashIsNoSeparator) {
    sim::Machine machine;
    machine.codePage = 932;
    machine.AddFolder("C:\\Data\\\x95\x5c");
    EXPECT_EQ(machine.List("C:\\Data"), std::vector<std::string>{"\x95\x5c"});
    EXPECT_TRUE(platform::PathExists("C:\\Data\\\x95\x5c\\"));
}

TEST(SimRegistry, RightsOfAUserWithoutAdministratorRights) {
    sim::Machine machine;
    machine.LoadUserHive("S-1-5-21-1-2-3-1002");
    machine.userIsAdministrator = false;
    const struct {
        platform::RegKey root;
        std::string path;
        bool writable;
    } kCases[] = {
        {kLocalMachine, "SOFTWARE", false},
        {kUsers, "S-1-5-21-1-2-3-1002\\Software", false},
        {kUsers, ".DEFAULT\\Software", false},
        {kCurrentUser, "Software", true},
        {kUsers, machine.currentUserSid + "\\Software", true},
    };
    for (const auto& c : kCases) {
        platform::ScopedKey key;
        EXPECT_EQ(platform::OpenKey(c.root, c.path.c_str(), platform::kKeyRead, key.out()),
                  platform::kErrorSuccess)
            << c.path;
        EXPECT_EQ(platform::OpenKey(c.root, c.path.c_str(), platform::kKeyAllAccess, key.out()),
                  c.writable ? platform::kErrorSuccess : platform::kErrorAccessDenied)
            << c.path;
    }
}

TEST(SimRegistry, CurrentUserIsTheUsersOwnLoadedHive) {
    sim::Machine machine;
    WriteRegistryString(kCurrentUser, "Software\\Quillmark", "V", "x");
    EXPECT_EQ(machine.GetRegString(kUsers, machine.currentUserSid + "\\Software\\Quillmark", "V"),
              "x");
    // HKEY_CLASSES_ROOT shows the machine's classes.
    WriteRegistryString(kLocalMachine, "SOFTWARE\\Classes\\.png", nullptr, "pngfile");
    EXPECT_EQ(ReadRegistryString(platform::kClassesRoot, ".png", nullptr), "pngfile");
}
