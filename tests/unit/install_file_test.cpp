// Putting one file in place, over files that are read-only, hidden or in use, and the
// operations deferred to the next start of Windows.
#include "engine_fixture.h"

#include "install/install_file.h"
#include "platform/files.h"

namespace {

class InstallFileTest : public EngineTest {
  protected:
    const std::string dest = "C:\\App";
    const std::string x = "C:\\App\\x.dll";

    InstallFileTest() {
        machine.AddFile(Src("x.dll"), "new", 0x20);
        machine.AddFile(x, "old", 0x20);
    }

    std::string WinInitText() const { return machine.FileText("C:\\Windows\\WININIT.INI"); }
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(InstallFileTest, PlainReadOnlyAndHiddenDestinationsAreReplaced) {
    // The new file carries the source file's attributes; nothing waits for a restart.
    for (std::uint32_t attributes : {0x20u, 0x21u, 0x22u, 0x23u}) {
        machine.AddFile(x, "old", attributes);
        EXPECT_TRUE(InstallFile("x.dll", kSource, dest)) << attributes;
        EXPECT_EQ(machine.FileText(x), "new");
        EXPECT_EQ(platform::GetFileAttrs(x), 0x20u);
    }
    EXPECT_TRUE(InstallFile("x.dll", kSource, "C:\\App\\", "y.dll"));
    EXPECT_EQ(machine.FileText("C:\\App\\y.dll"), "new");
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallFileTest, AMissingSourceFails) {
    EXPECT_FALSE(InstallFile("none.dll", kSource, dest));
    EXPECT_EQ(machine.FileText(x), "old");
}

TEST_F(InstallFileTest, WithinOneFolder) {
    // Under its own name nothing is done; under another name the copy replaces that file,
    // unless it cannot be deleted, which is left alone and reported done.
    EXPECT_TRUE(InstallFile("x.dll", "c:\\source\\", kSource));
    EXPECT_EQ(machine.List(kSource), (Strings{"x.dll"}));
    EXPECT_TRUE(InstallFile("x.dll", kSource, kSource, "y.dll"));
    EXPECT_EQ(machine.FileText(Src("y.dll")), "new");
    machine.AddFile(Src("z.dll"), "held").hold = sim::Hold::Exclusive;
    EXPECT_TRUE(InstallFile("x.dll", kSource, kSource, "z.dll"));
    EXPECT_EQ(machine.FileText(Src("z.dll")), "held");
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallFileTest, ARunningFileIsMovedAsideAndTheOldCopyGoesAtRestart) {
    machine.Find(x)->hold = sim::Hold::RunningImage;
    EXPECT_TRUE(InstallFile("x.dll", kSource, dest));
    EXPECT_EQ(machine.FileText(x), "new");
    EXPECT_EQ(machine.FileText(x + ".old"), "old");
    EXPECT_EQ(PendingOperations(), (Strings{"\\??\\C:\\App\\x.dll.old", ""}));
    machine.Restart();
    EXPECT_EQ(machine.List(dest), (Strings{"x.dll"}));
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallFileTest, AnUndeletableOldCopyMakesWayForOld2) {
    machine.Find(x)->hold = sim::Hold::RunningImage;
    machine.AddFile(x + ".old", "older").hold = sim::Hold::RunningImage;
    machine.AddFile(x + ".old2", "stale");
    EXPECT_TRUE(InstallFile("x.dll", kSource, dest));
    EXPECT_EQ(machine.FileText(x), "new");
    EXPECT_EQ(machine.FileText(x + ".old2"), "old");
    EXPECT_EQ(PendingOperations(),
              (Strings{"\\??\\C:\\App\\x.dll.old", "", "\\??\\C:\\App\\x.dll.old2", ""}));
    machine.Restart();
    EXPECT_EQ(machine.List(dest), (Strings{"x.dll"}));
}

TEST_F(InstallFileTest, AFileThatCannotBeMovedIsReplacedAtRestart) {
    machine.Find(x)->hold = sim::Hold::Exclusive;
    machine.AddFile(x + ".new", "stale");
    EXPECT_FALSE(InstallFile("x.dll", kSource, dest));
    EXPECT_EQ(machine.FileText(x), "old");
    EXPECT_EQ(machine.FileText(x + ".new"), "new");
    EXPECT_EQ(PendingOperations(), (Strings{"\\??\\C:\\App\\x.dll", "", "\\??\\C:\\App\\x.dll.new",
                                            "\\??\\C:\\App\\x.dll"}));
    machine.Restart();
    EXPECT_EQ(machine.List(dest), (Strings{"x.dll"}));
    EXPECT_EQ(machine.FileText(x), "new");
}

TEST_F(InstallFileTest, WithoutAStagedCopyTheDestinationIsNotScheduled) {
    machine.Find(x)->hold = sim::Hold::Exclusive;
    machine.FailCalls("CopyFileTo", x + ".new");
    EXPECT_FALSE(InstallFile("x.dll", kSource, dest));
    EXPECT_TRUE(PendingOperations().empty());
    machine.Restart();
    EXPECT_EQ(machine.FileText(x), "old");
}

TEST_F(InstallFileTest, AFolderInTheWayIsLeftAlone) {
    machine.AddFile("C:\\App\\Sub\\keep.txt", "k");
    machine.AddFile(Src("Sub"), "file named like the folder");
    EXPECT_FALSE(InstallFile("Sub", kSource, dest));
    EXPECT_EQ(machine.FileText("C:\\App\\Sub\\keep.txt"), "k");
    EXPECT_FALSE(machine.IsFolder("C:\\App\\Sub.old"));
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallFileTest, PathsBeyondTheLimitAreRefusedWhole) {
    // A destination that fits but leaves no room for its ".old2" name is not touched either.
    const std::string deep = "C:\\App\\" + std::string(240, 'd');
    machine.AddFolder(deep);
    const std::string name(259 - deep.size() - 1, 'n');
    machine.AddFile(Src(name), "new");
    machine.AddFile(deep + "\\" + name, "old").hold = sim::Hold::RunningImage;
    EXPECT_FALSE(InstallFile(name, kSource, deep));
    EXPECT_EQ(machine.FileText(deep + "\\" + name), "old");
    EXPECT_FALSE(InstallFile("x.dll", kSource, deep + "\\" + std::string(30, 'e')));
    EXPECT_TRUE(PendingOperations().empty());
}

// ---- Windows 95, 98 and Me: WININIT.INI ----

TEST_F(InstallFileTest, On9xAStagedReplacementGoesIntoWinInit) {
    machine.system.family = sim::WindowsFamily::Win9x;
    machine.AddFile("C:\\Windows\\WININIT.INI", "[rename]\r\nNUL=C:\\earlier.tmp\r\n");
    machine.Find(x)->hold = sim::Hold::Exclusive;
    EXPECT_FALSE(InstallFile("x.dll", kSource, dest));
    EXPECT_EQ(WinInitText(), "[rename]\r\nNUL=C:\\earlier.tmp\r\nNUL=C:\\App\\x.dll\r\n"
                             "C:\\App\\x.dll=C:\\App\\x.dll.new\r\n");
    machine.Restart();
    EXPECT_EQ(machine.FileText(x), "new");
    EXPECT_EQ(machine.List(dest), (Strings{"x.dll"}));
    EXPECT_FALSE(machine.IsFile("C:\\Windows\\WININIT.INI"));
}

TEST_F(InstallFileTest, On9xDeferredOperationsStartAMissingSection) {
    machine.system.family = sim::WindowsFamily::Win9x;
    EXPECT_TRUE(DeleteFileAtRestart("C:\\Temp\\a.exe"));
    RenameFileAtRestart("C:\\b.new", "C:\\b");
    EXPECT_EQ(WinInitText(), "[rename]\r\nNUL=C:\\Temp\\a.exe\r\nC:\\b=C:\\b.new\r\n");
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallFileTest, On9xASectionThatWouldOverflowIsLeftAsItIs) {
    // The block holds 16384 bytes with its final zero: an entry that would pass that is
    // refused and nothing of the section is lost.
    machine.system.family = sim::WindowsFamily::Win9x;
    const std::string path = "C:\\" + std::string(200, 'p');
    std::string text = "[rename]\r\n";
    std::size_t used = 0;
    while (used + 205 + 1 <= 16384 - 300) {
        text += "NUL=" + path + "\r\n";
        used += 4 + path.size() + 1;
    }
    machine.AddFile("C:\\Windows\\WININIT.INI", text);
    const std::size_t room = 16384 - 1 - used; // bytes left for one entry and its zero
    EXPECT_TRUE(DeleteFileAtRestart("C:\\" + std::string(room - 1 - 4 - 3, 'f')));
    const std::string full = machine.FileText("C:\\Windows\\WININIT.INI");
    EXPECT_FALSE(DeleteFileAtRestart("C:\\x"));
    EXPECT_EQ(machine.FileText("C:\\Windows\\WININIT.INI"), full);
}
