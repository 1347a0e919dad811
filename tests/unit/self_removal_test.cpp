// The uninstaller's hand-over to a temporary copy of itself, and the copy's run.
#include "engine_fixture.h"

#include "platform/message_box.h"
#include "platform/sim/program_end.h"
#include "platform/sim/program_image.h"
#include "uninstall/self_removal.h"

namespace {

const std::string kUninstaller = "C:\\Program Files\\Pictorva 6\\PictrvUnInst.exe";

class SelfRemoval : public EngineTest {
  protected:
    SelfRemoval() {
        machine.AddFile(kUninstaller, sim::ProgramImageWithoutVersion() + "uninstaller");
        machine.programPath = kUninstaller;
    }

    // Runs the launcher; the started copy's command line, or "returned N".
    std::string Relaunch() {
        try {
            return "returned " + std::to_string(RelaunchFromTemp());
        } catch (const sim::ProgramEnded& end) {
            EXPECT_TRUE(end.immediate);
            EXPECT_EQ(end.status, 0);
            return machine.runs.started.back().commandLine;
        }
    }
};

} // namespace

TEST_F(SelfRemoval, CopyStartsWithDelselfAndTheQuotedUninstallerPath) {
    EXPECT_EQ(Relaunch(), "C:\\Windows\\Temp\\uni1A2B.tmp -delself \"" + kUninstaller + "\"");
    const auto& started = machine.runs.started.back();
    EXPECT_EQ(started.program, "C:\\Windows\\Temp\\uni1A2B.tmp");
    EXPECT_TRUE(started.replacedCaller);
    EXPECT_EQ(machine.FileText(started.program), machine.FileText(kUninstaller));
}

TEST_F(SelfRemoval, BlanksOrTabsInEitherPathAreQuotedAndSilenceIsPassedOn) {
    machine.system.tempFolder = "C:\\Users\\Ann Smith\\Temp\\";
    machine.AddFolder("C:\\Users\\Ann Smith\\Temp");
    machine.AddFile("C:\\Apps\\P6\\PictrvUnInst.exe", "uninstaller");
    machine.programPath = "C:\\Apps\\P6\\PictrvUnInst.exe";
    theSetupState.silent = 1;
    EXPECT_EQ(Relaunch(), "\"C:\\Users\\Ann Smith\\Temp\\uni1A2B.tmp\" -delself "
                          "C:\\Apps\\P6\\PictrvUnInst.exe -s");
}

TEST_F(SelfRemoval, NothingStartsWhenTheCopyCannotBeMade) {
    const struct { const char* call; } kFailures[] = {{"CreateTempFile"}, {"CopyFileTo"}};
    for (const auto& failure : kFailures) {
        machine.FailCalls(failure.call);
        EXPECT_EQ(Relaunch(), "returned -1") << failure.call;
        EXPECT_TRUE(machine.runs.started.empty()) << failure.call;
        machine.StopFailing(failure.call);
    }
}

TEST_F(SelfRemoval, PathTooLongToQuoteIsRefused) {
    // 258 characters with a blank need 260 once quoted: one more than the buffer holds.
    const std::string folder = "C:\\Long Folder\\" + std::string(258 - 15 - 17, 'x');
    const std::string path = folder + "\\PictrvUnInst.exe";
    ASSERT_EQ(path.size(), 258u);
    machine.AddFile(path, "uninstaller");
    machine.programPath = path;
    EXPECT_EQ(Relaunch(), "returned -1");
    EXPECT_TRUE(machine.runs.started.empty());
}

TEST_F(SelfRemoval, CopysRunUninstallsAndSchedulesItsOwnDeletion) {
    machine.AddFile("C:\\Program Files\\Pictorva 6\\Pictrv6.exe", "exe");
    machine.AddFile("C:\\Program Files\\Pictorva 6\\PictrvUnInst.log",
                    "File Copy: Pictrv6.exe\r\nFile Copy: PictrvUnInst.exe\r\n");
    machine.AddFile("C:\\Windows\\Temp\\uni1A2B.tmp", "copy");
    machine.programPath = "C:\\Windows\\Temp\\uni1A2B.tmp";
    machine.system.messageBoxAnswers.push_back(platform::kIdOk);

    try {
        RunSelfRemoval(kUninstaller);
        FAIL() << "the run must end the program";
    } catch (const sim::ProgramEnded& end) {
        EXPECT_EQ(end.status, 0);
        EXPECT_FALSE(end.immediate);
    }

    EXPECT_EQ(machine.runs.millisecondsWaited, 1000u);
    EXPECT_FALSE(machine.IsFolder("C:\\Program Files\\Pictorva 6"));
    EXPECT_EQ(PendingOperations(),
              (std::vector<std::string>{"\\??\\C:\\Windows\\Temp\\uni1A2B.tmp", ""}));
    ASSERT_EQ(machine.system.messageBoxes.size(), 1u);
    EXPECT_EQ(machine.system.messageBoxes[0].text,
              "Pictorva 6 has been completely uninstalled from this computer.");
    EXPECT_EQ(machine.system.messageBoxes[0].caption, "Pictorva Setup");
    EXPECT_EQ(machine.system.messageBoxes[0].type, 0x30u);

    machine.Restart();
    EXPECT_FALSE(machine.IsFile("C:\\Windows\\Temp\\uni1A2B.tmp"));
}

TEST_F(SelfRemoval, SilentRunShowsNothingAndAnUndeletableUninstallerStays) {
    theSetupState.silent = 1;
    machine.Find(kUninstaller)->hold = sim::Hold::RunningImage;
    EXPECT_THROW(RunSelfRemoval(kUninstaller), sim::ProgramEnded);
    EXPECT_TRUE(machine.system.messageBoxes.empty());
    EXPECT_TRUE(machine.IsFile(kUninstaller));
    EXPECT_TRUE(machine.IsFolder("C:\\Program Files\\Pictorva 6"));
}
