// Folder-name helpers, on the Western and the Japanese code page.
#include <gtest/gtest.h>

#include "common/folder_names.h"
#include "platform/sim/machine.h"

namespace {

class FolderNames : public ::testing::Test {
  protected:
    sim::Machine machine;
};

// Two characters of code page 932 whose second byte is a backslash: "hyou" (table) and
// the katakana "so".
const std::string kHyou = "\x95\x5c";
const std::string kSo = "\x83\x5c";

} // namespace

TEST_F(FolderNames, NormalizeFolderName) {
    const struct {
        const char* in;
        const char* out;
    } kCases[] = {
        {" /Group/Sub\\ ", "Group\\Sub"},
        {"\\Quillmark//Pictorva 6\\", "Quillmark\\\\Pictorva 6"},
        {"/Tools/Pictorva 6/", "Tools\\Pictorva 6"},
        {"Pictorva 6", "Pictorva 6"},
        {" \t\r\n\\/", ""},
        {"", ""},
        {"a b", "a b"},
    };
    for (const auto& c : kCases) {
        std::string name = c.in;
        NormalizeFolderName(name);
        EXPECT_EQ(name, c.out) << '"' << c.in << '"';
    }
}

TEST_F(FolderNames, AppendSeparator) {
    const struct {
        const char* in;
        const char* out;
    } kCases[] = {
        {"C:\\Dest", "C:\\Dest\\"},
        {"C:\\Dest\\", "C:\\Dest\\"},
        {"C:\\Dest/", "C:\\Dest/"},
        {"", "\\"},
        {"C:", "C:\\"},
    };
    for (const auto& c : kCases) {
        std::string folder = c.in;
        AppendSeparator(folder);
        EXPECT_EQ(folder, c.out) << c.in;
    }
}

TEST_F(FolderNames, ParentFolder) {
    const struct {
        const char* in;
        const char* out;
    } kCases[] = {
        {"C:\\A\\B\\", "C:\\A"},
        {"C:\\A\\B", "C:\\A"},
        {"C:\\A", "C:"},
        {"C:\\", ""},
        {"name", ""},
        {"\\name", ""},
        {"", ""},
        {"C:\\A\\B\\\\", "C:\\A\\B"},
        {"C:\\A/", "C:"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ParentFolder(c.in), c.out) << c.in;
    EXPECT_EQ(ParentFolder(static_cast<const char*>(nullptr)), "");
}

TEST_F(FolderNames, DriveAndFolderOfAPath) {
    const struct {
        const char* in;
        const char* out;
    } kCases[] = {
        {"C:\\Program Files\\Pictorva 6\\PictrvUnInst.exe", "C:\\Program Files\\Pictorva 6\\"},
        {"C:\\PictrvUnInst.exe", "C:\\"},
        {"C:PictrvUnInst.exe", "C:"},
        {"D:/Apps/P6/PictrvUnInst.exe", "D:/Apps/P6/"},
        {"\\Apps\\PictrvUnInst.exe", "\\Apps\\"},
        {"PictrvUnInst.exe", ""},
        {"", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(DriveAndFolder(c.in), c.out) << c.in;
    machine.codePage = 932;
    EXPECT_EQ(DriveAndFolder("C:\\A\\" + kHyou + "x.exe"), "C:\\A\\");
}

TEST_F(FolderNames, CreateFolderChainMakesEachLevelInOrder) {
    machine.AddFolder("C:\\Menu");
    CreateFolderChain("C:\\Menu\\", "A\\B\\C");
    EXPECT_TRUE(machine.IsFolder("C:\\Menu\\A\\B\\C"));

    // A leading backslash is not a level of its own; existing folders are passed over.
    CreateFolderChain("C:\\Menu", "\\A\\D");
    EXPECT_TRUE(machine.IsFolder("C:\\Menu\\A\\D"));

    // Failures are silent: nothing is made below a folder that cannot be made.
    machine.FailCalls("CreateFolder", "C:\\Menu\\X");
    CreateFolderChain("C:\\Menu\\", "X\\Y");
    EXPECT_FALSE(machine.IsFolder("C:\\Menu\\X"));
}

TEST_F(FolderNames, TwoByteCharactersAreNeverSplit) {
    machine.codePage = 932;
    // A name that ends in a character whose second byte is '\' keeps that character.
    std::string name = "/Group/" + kHyou + "\\";
    NormalizeFolderName(name);
    EXPECT_EQ(name, "Group\\" + kHyou);

    name = kSo;
    NormalizeFolderName(name);
    EXPECT_EQ(name, kSo);

    // Such a character is not a separator to append to, split at, or drop.
    std::string folder = "C:\\" + kHyou;
    AppendSeparator(folder);
    EXPECT_EQ(folder, "C:\\" + kHyou + "\\");
    EXPECT_EQ(ParentFolder("C:\\" + kHyou), "C:");
    EXPECT_EQ(ParentFolder("C:\\A" + kSo + "B"), "C:");
    EXPECT_EQ(ParentFolder(kHyou), "");

    // Folder creation steps over the trail byte: one level named by the character.
    machine.AddFolder("C:\\Menu");
    CreateFolderChain("C:\\Menu\\", kSo + "\\" + kHyou);
    const std::vector<std::string> top = machine.List("C:\\Menu");
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0], kSo);
    EXPECT_EQ(machine.List("C:\\Menu\\" + kSo), std::vector<std::string>{kHyou});
}

TEST_F(FolderNames, OnTheWesternCodePageTheSameBytesAreTwoCharacters) {
    // Under code page 1252 0x95 is a character of its own and 0x5C a backslash.
    std::string name = kHyou + "\\";
    NormalizeFolderName(name);
    EXPECT_EQ(name, "\x95");
}
