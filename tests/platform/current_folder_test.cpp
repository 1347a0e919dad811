// The current folder, and relative paths taken against it.
#include "platform/contract_env.h"
#include "platform/current_folder.h"
#include "platform/files.h"

using namespace platform;

using CurrentFolderContract = ContractTest;

TEST_F(CurrentFolderContract, RelativePathsFollowTheCurrentFolder) {
    const std::string before = CurrentFolder();
    ASSERT_TRUE(CreateFolder(InFolder("Here")));
    WriteBytes(InFolder("Here\\agreement.txt"), "text");
    ASSERT_TRUE(SetCurrentFolder(InFolder("Here")));
    EXPECT_TRUE(PathExists("agreement.txt"));
    EXPECT_EQ(ReadBytes("agreement.txt"), "text");

    // "\" is the root of the current drive.
    ASSERT_TRUE(SetCurrentFolder("\\"));
    EXPECT_EQ(CurrentFolder().substr(1), ":\\");
    EXPECT_FALSE(PathExists("agreement.txt"));

    EXPECT_FALSE(SetCurrentFolder(InFolder("Missing")));
    EXPECT_TRUE(SetCurrentFolder(before));
}
