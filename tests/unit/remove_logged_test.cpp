// Removing the shortcuts, files and folders that a log records.
#include "engine_fixture.h"

#include "platform/files.h"
#include "uninstall/remove_logged.h"

namespace {

class RemoveLoggedTest : public EngineTest {
  protected:
    const std::string log = Dst("PictrvUnInst.log");

    void WriteLog(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        machine.AddFile(log, text);
    }
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(RemoveLoggedTest, ShortcutsGoThenMadeFoldersAndTheParentsTheyLeaveEmpty) {
    const std::string group = std::string(kUserPrograms) + "\\Tools\\Pictorva 6";
    machine.AddFile(group + "\\Pictorva 6.lnk", "l");
    machine.AddFile("C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk", "l");
    machine.AddFile(std::string(kUserPrograms) + "\\Other.lnk", "o");
    WriteLog({"Made Dir: " + group, "Shell Link: " + group + "\\Pictorva 6.lnk",
              "Shell Link: C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk",
              "Shell Link: C:\\Users\\Ann\\Desktop\\missing.lnk"});
    RemoveLinksAndMadeFolders(log);
    EXPECT_FALSE(machine.IsFolder(std::string(kUserPrograms) + "\\Tools"));
    EXPECT_EQ(machine.List(kUserPrograms), (Strings{"Other.lnk", "Startup"}));
    EXPECT_EQ(machine.List("C:\\Users\\Ann\\Desktop"), Strings{});
}

TEST_F(RemoveLoggedTest, AMadeFolderThatHoldsAFileStaysWithItsParents) {
    const std::string group = std::string(kUserPrograms) + "\\Tools\\Pictorva 6";
    machine.AddFile(group + "\\notes.txt", "n");
    WriteLog({"Made Dir: " + group, "Made Dir: C:\\Nowhere\\At All"});
    RemoveLinksAndMadeFolders(log);
    EXPECT_TRUE(machine.IsFile(group + "\\notes.txt"));
}

TEST_F(RemoveLoggedTest, ListedFilesGoFromTheFolder) {
    // Targets rather than names, wildcards in subfolders, " | " notes, every file prefix,
    // read-only and hidden files; other files stay.
    machine.AddFile(Dst("a.dll"), "a");
    machine.AddFile(Dst("b.dll"), "b");
    machine.AddFile(Dst("x.exe"), "x");
    machine.AddFile(Dst("y.dll"), "y", 0x23);
    machine.AddFile(Dst("z64.dll"), "z");
    machine.AddFile(Dst("mfc42.dll"), "m");
    machine.AddFile(Dst("over.ini"), "o");
    machine.AddFile(Dst("Help\\one.chm"), "1");
    machine.AddFile(Dst("Help\\two.CHM"), "2");
    machine.AddFile(Dst("Data\\keep.dat"), "k");
    WriteLog({"File Copy: a.dll >  b.dll", "File Copy: Help\\*.chm", "File Copy: x.exe | note",
              "File Del: y.dll", "File Copy x64: z64.dll", "File Copy ind: mfc42.dll",
              "File Overwrite: over.ini", "Make Dir: Help", "Make Dir: Data",
              "Shell Link: " + Dst("a.dll")});
    RemoveListedFiles(log, kInstall);
    EXPECT_EQ(machine.List(kInstall), (Strings{"a.dll", "Data", "PictrvUnInst.log"}));
    // A second run finds nothing more to do.
    RemoveListedFiles(log, kInstall);
    EXPECT_EQ(machine.List(kInstall), (Strings{"a.dll", "Data", "PictrvUnInst.log"}));
}

TEST_F(RemoveLoggedTest, OnePrefixLeavesTheOtherFileLinesAlone) {
    machine.AddFile(Dst("old.dll"), "o");
    machine.AddFile(Dst("keep.dll"), "k");
    machine.AddFolder(Dst("Empty"));
    machine.AddFile(Dst("Full\\f"), "f");
    WriteLog({"File Copy: keep.dll", "File Del: old.dll", "Make Dir: Empty", "Make Dir: Full"});
    RemoveListedFiles(log, std::string(kInstall) + "\\", "File Del: ");
    EXPECT_EQ(machine.List(kInstall), (Strings{"Full", "keep.dll", "PictrvUnInst.log"}));
}

TEST_F(RemoveLoggedTest, NestedMakeDirFoldersAllGo) {
    // Installing lists a folder before its subfolders; each is empty when its turn comes.
    machine.AddFile(Dst("Help\\Images\\Small\\a.png"), "a");
    machine.AddFile(Dst("Help\\b.htm"), "b");
    WriteLog({"Make Dir: Help", "Make Dir: Help\\Images", "Make Dir: Help\\Images\\Small",
              "File Copy: Help\\Images\\Small\\*.png", "File Copy: Help\\*.htm"});
    RemoveListedFiles(log, kInstall);
    EXPECT_EQ(machine.List(kInstall), (Strings{"PictrvUnInst.log"}));
}

TEST_F(RemoveLoggedTest, WhatCannotGoStaysAndNothingUnnamedIsTouched) {
    machine.AddFile(Dst("held.dll"), "h").hold = sim::Hold::RunningImage;
    machine.AddFile(Dst("Help\\locked.chm"), "l").undeletable = true;
    machine.AddFile("C:\\Program Files\\Quillmark\\other.dll", "o");
    WriteLog({"File Copy: held.dll", "File Copy: Help\\*.chm", "File Copy: nothing\\*.*",
              "File Copy: ..\\*.dll > ", "Make Dir: Help", "File Copy: " + std::string(400, 'q'),
              "File Del: " + std::string(600, 'r') + "other.dll"});
    RemoveListedFiles(log, kInstall);
    EXPECT_TRUE(machine.IsFile(Dst("held.dll")));
    EXPECT_TRUE(machine.IsFile(Dst("Help\\locked.chm")));
    EXPECT_TRUE(machine.IsFile("C:\\Program Files\\Quillmark\\other.dll"));
}

TEST_F(RemoveLoggedTest, DeleteMatchingCountsFilesOnly) {
    // Subfolders pass through the deletion and are not counted; "." and ".." are passed over.
    machine.AddFile(Dst("a.txt"), "a");
    machine.AddFile(Dst("b"), "b", 0x21);
    machine.AddFolder(Dst("Sub"));
    EXPECT_EQ(DeleteMatchingFiles("*.*", kInstall), 2);
    EXPECT_EQ(machine.List(kInstall), (Strings{"Sub"}));
    EXPECT_EQ(DeleteMatchingFiles("*.*", kInstall), 0);
    EXPECT_EQ(DeleteMatchingFiles("*.*", "C:\\Missing"), 0);
}

TEST_F(RemoveLoggedTest, ASweepLeavesTheFolderAndItsParentAsTheyAre) {
    const std::string group = std::string(kUserPrograms) + "\\Pictorva 6";
    machine.AddFile(group + "\\Pictorva 6.lnk", "l");
    machine.AddFolder(kUserPrograms).attributes = platform::kAttrReadOnly | platform::kAttrDirectory;
    machine.AddFolder(group).attributes = platform::kAttrHidden | platform::kAttrDirectory;
    EXPECT_EQ(DeleteMatchingFiles("*.*", group), 1);
    EXPECT_EQ(platform::GetFileAttrs(kUserPrograms),
              platform::kAttrReadOnly | platform::kAttrDirectory);
    EXPECT_EQ(platform::GetFileAttrs(group), platform::kAttrHidden | platform::kAttrDirectory);
}

TEST_F(RemoveLoggedTest, PathsBeyondTheBufferAreRefusedWhole) {
    // A folder and pattern longer than 259 characters are not acted on, even where the
    // path they spell would name a file.
    const std::string deep = "C:\\" + std::string(250, 'd');
    machine.AddFile(deep + "\\abc", "a");
    EXPECT_EQ(DeleteMatchingFiles(std::string(10, 'x') + "\\..\\abc", deep), 0);
    EXPECT_TRUE(machine.IsFile(deep + "\\abc"));
    EXPECT_EQ(DeleteMatchingFiles("abc", deep), 1);
}

TEST_F(RemoveLoggedTest, AMissingLogRemovesNothing) {
    machine.AddFile(Dst("a.dll"), "a");
    RemoveLinksAndMadeFolders(Dst("install.log"));
    RemoveListedFiles(Dst("install.log"), kInstall);
    EXPECT_EQ(machine.List(kInstall), (Strings{"a.dll"}));
}
