// Copying what the file manifest names into the install folder.
#include "engine_fixture.h"

#include "install/copy_files.h"
#include "platform/files.h"

namespace {

class CopyFilesTest : public EngineTest {
  protected:
    void Run() { CopyManifestFiles(Src("PictrvUnInst.log")); }
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(CopyFilesTest, PlainAndTargetedEntriesAndFolders) {
    machine.AddFile(Src("Pictrv6.exe"), "exe");
    machine.AddFile(Src("a.dll"), "a");
    machine.AddFile(Src("Help\\one.chm"), "1");
    machine.AddFile(Src("Help\\two.chm"), "2");
    machine.AddFile(Src("Help\\skip.txt"), "s");
    WriteManifest({"File Copy: Pictrv6.exe", "File Copy: a.dll  >  b.dll", "Make Dir: Help",
                   "File Copy: Help\\*.chm", "Make Dir: Help"});
    Run();
    EXPECT_EQ(machine.List(kInstall), (Strings{"b.dll", "Help", "Pictrv6.exe"}));
    EXPECT_EQ(machine.FileText(Dst("b.dll")), "a");
    EXPECT_EQ(machine.List(Dst("Help")), (Strings{"one.chm", "two.chm"}));
}

TEST_F(CopyFilesTest, X64LinesOnlyOn64BitWindowsAndInManifestOrder) {
    machine.AddFile(Src("filter.dll"), "32");
    machine.AddFile(Src("filter64.dll"), "64");
    WriteManifest({"File Copy: filter.dll", "File Copy x64: filter64.dll > filter.dll",
                   "File Copy x64: filter64.dll"});
    for (bool is64 : {false, true}) {
        sim::Machine nested; // a second computer, shaped like the first
        nested.system.is64Bit = is64;
        nested.system.programFolder = kSource;
        nested.AddFile(Src("filter.dll"), "32");
        nested.AddFile(Src("filter64.dll"), "64");
        nested.AddFile(Src("PictrvUnInst.log"), machine.FileText(Src("PictrvUnInst.log")));
        Run();
        EXPECT_EQ(nested.FileText(Dst("filter.dll")), is64 ? "64" : "32") << is64;
        EXPECT_EQ(nested.IsFile(Dst("filter64.dll")), is64);
    }
}

TEST_F(CopyFilesTest, SharedModulesOnlyWhereWindowsLacksThem) {
    // The setup's own copy beside it would be found first; it is hidden during the check
    // and back under its own name afterwards, whatever the answer.
    for (bool windowsHasIt : {true, false}) {
        sim::Machine nested;
        nested.system.programFolder = kSource;
        if (windowsHasIt)
            nested.AddFile("C:\\Windows\\System32\\mfc42.dll", "system");
        nested.AddFile(Src("mfc42.dll"), "ours");
        nested.AddFile(Src("PictrvUnInst.log"), "File Copy ind: mfc42.dll\r\n"
                                                "File Copy ind: mfc42.dll > shared.dll\r\n");
        Run();
        EXPECT_EQ(nested.IsFile(Dst("mfc42.dll")), !windowsHasIt);
        EXPECT_EQ(nested.IsFile(Dst("shared.dll")), !windowsHasIt);
        EXPECT_EQ(nested.List(kSource), (Strings{"mfc42.dll", "PictrvUnInst.log"}));
        EXPECT_TRUE(nested.system.loadedModules.empty());
    }
}

TEST_F(CopyFilesTest, AModuleThatCannotBeHiddenIsFoundBesideTheSetup) {
    machine.AddFile(Src("mfc42.dll"), "ours");
    machine.FailCalls("MoveFileTo", Src("mfc42.dll"));
    WriteManifest({"File Copy ind: mfc42.dll"});
    Run();
    EXPECT_FALSE(machine.IsFile(Dst("mfc42.dll")));
    EXPECT_EQ(machine.List(kSource), (Strings{"mfc42.dll", "PictrvUnInst.log"}));
}

TEST_F(CopyFilesTest, AWildcardMatchingNothingLeavesTheInstallFolderUnmade) {
    WriteManifest({"File Copy: *.none", "File Copy: missing.dll", "File Copy: gone.dll > x.dll"});
    Run();
    EXPECT_FALSE(machine.IsFolder(kInstall));
    EXPECT_FALSE(machine.IsFolder("C:\\Program Files\\Quillmark"));
}

TEST_F(CopyFilesTest, AMatchMakesTheWholeFolderChain) {
    machine.AddFile(Src("a.dll"), "a");
    WriteManifest({"File Copy: a.dll"});
    Run();
    EXPECT_TRUE(machine.IsFile(Dst("a.dll")));
}

TEST_F(CopyFilesTest, ASubfolderPatternNeedsItsFolderMadeFirst) {
    machine.AddFolder(kInstall);
    machine.AddFile(Src("Help\\one.chm"), "1");
    WriteManifest({"File Copy: Help\\*.chm"});
    Run();
    EXPECT_EQ(machine.List(kInstall), Strings{});
}

TEST_F(CopyFilesTest, TheFirstFileNotPutInPlaceEndsItsWildcardLine) {
    // b.dll can only be staged for the next start, so c.dll is not copied; later lines run.
    for (const char* name : {"a.dll", "b.dll", "c.dll", "d.exe"})
        machine.AddFile(Src(name), name);
    machine.AddFile(Dst("b.dll"), "old").hold = sim::Hold::Exclusive;
    WriteManifest({"File Copy: *.dll", "File Copy: d.exe"});
    Run();
    EXPECT_EQ(machine.List(kInstall), (Strings{"a.dll", "b.dll", "b.dll.new", "d.exe"}));
    EXPECT_EQ(CopyMatchingFiles("*.dll", kInstall, kSource), 1);
}

TEST_F(CopyFilesTest, FoldersMatchingAWildcardAreNotCopiedNorDisturbed) {
    machine.AddFile(Src("Data\\inner.txt"), "source");
    machine.AddFile(Src("z.txt"), "z");
    machine.AddFile(Dst("Data\\keep.txt"), "keep");
    EXPECT_EQ(CopyMatchingFiles("*.*", kInstall, kSource), 1);
    EXPECT_EQ(machine.List(Dst("Data")), (Strings{"keep.txt"}));
    EXPECT_TRUE(machine.IsFile(Dst("z.txt")));
}

TEST_F(CopyFilesTest, BadManifestLinesArePassedOver) {
    // Other letter case, a leading blank, a " | " note on a copy line, a line longer than the
    // buffer (its tail has no prefix), a missing file: only the good lines act.
    machine.AddFile(Src("good.dll"), "g");
    machine.AddFile(Src("x.dll"), "x");
    machine.AddFile(Src("long.dll"), "l");
    WriteManifest({"file copy: x.dll", " File Copy: x.dll", "File Copy: x.dll | note",
                   "garbage \x01\xff", "", "File Copy: missing.dll",
                   "Make Dir: " + std::string(600, 'm') + "File Copy: long.dll",
                   "File Copy: " + std::string(520, 'n'), "File Copy: good.dll"});
    Run();
    EXPECT_EQ(machine.List(kInstall), (Strings{"good.dll"}));
    EXPECT_EQ(machine.List(kSource),
              (Strings{"good.dll", "long.dll", "PictrvUnInst.log", "x.dll"}));
}

TEST_F(CopyFilesTest, AMissingManifestCopiesNothing) {
    machine.AddFile(Src("a.dll"), "a");
    Run();
    EXPECT_FALSE(machine.IsFolder(kInstall));
}

TEST_F(CopyFilesTest, TheWow64AnswerIsFalseWhereWindowsCannotGiveIt) {
    machine.system.is64Bit = true;
    EXPECT_TRUE(RunningUnderWow64());
    machine.FailCalls("AskIsWow64Process");
    EXPECT_FALSE(RunningUnderWow64());
    machine.StopFailing("AskIsWow64Process");
    machine.system.hasIsWow64Process = false;
    EXPECT_FALSE(RunningUnderWow64());
}
