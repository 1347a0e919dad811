// Temporary files and processes, as the uninstaller's hand-over relies on them.
#include "platform/contract_env.h"
#include "platform/files.h"
#include "platform/process_control.h"

using namespace platform;

using ProcessControlContract = ContractTest;

TEST_F(ProcessControlContract, TempFileIsANewEmptyFileWithThePrefix) {
    const std::string first = CreateTempFile(Folder(), "uni");
    const std::string second = CreateTempFile(Folder(), "uni");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    const std::string name = first.substr(first.find_last_of('\\') + 1);
    EXPECT_EQ(name.substr(0, 3), "uni") << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp") << name;
    EXPECT_EQ(first.substr(0, Folder().size()), Folder());
    EXPECT_EQ(ReadBytes(first), "");
    EXPECT_EQ(CreateTempFile(InFolder("missing"), "uni"), "");
}

TEST_F(ProcessControlContract, ProcessesThatDoNotExistCanBeNeitherStartedNorEnded) {
    EXPECT_FALSE(StartProcess(InFolder("missing.exe"), Folder()));
    // Process ids are multiples of four; this one is never handed out.
    EXPECT_FALSE(TerminateProcessById(0x7FFFFFF0u));
    Wait(1);
}
