// Copying, moving and deleting one file, as the setup relies on them.
#include "platform/contract_env.h"
#include "platform/file_ops.h"
#include "platform/files.h"

using namespace platform;

using FileOpsContract = ContractTest;

TEST_F(FileOpsContract, CopyMakesOrOverwritesTheDestination) {
    WriteBytes(InFolder("a"), "new");
    WriteBytes(InFolder("b"), "old");
    EXPECT_TRUE(CopyFileTo(InFolder("a"), InFolder("c")));
    EXPECT_EQ(ReadBytes(InFolder("c")), "new");
    EXPECT_TRUE(CopyFileTo(InFolder("A"), InFolder("b")));
    EXPECT_EQ(ReadBytes(InFolder("b")), "new");
    // Nothing to copy, or nowhere to put it.
    EXPECT_FALSE(CopyFileTo(InFolder("missing"), InFolder("d")));
    EXPECT_FALSE(CopyFileTo(InFolder("a"), InFolder("no\\d")));
    EXPECT_FALSE(PathExists(InFolder("d")));
}

TEST_F(FileOpsContract, CopyCarriesTheSourceAttributes) {
    WriteBytes(InFolder("a"), "x");
    ASSERT_TRUE(SetFileAttrs(InFolder("a"), kAttrHidden));
    ASSERT_TRUE(CopyFileTo(InFolder("a"), InFolder("b")));
    EXPECT_NE(GetFileAttrs(InFolder("b")) & kAttrHidden, 0u);
}

TEST_F(FileOpsContract, CopyOntoAReadOnlyFileFails) {
    if (!OnSimulatedMachine())
        GTEST_SKIP() << "Wine run by root writes over read-only files (Windows refuses)";
    WriteBytes(InFolder("a"), "new");
    WriteBytes(InFolder("b"), "old");
    ASSERT_TRUE(SetFileAttrs(InFolder("b"), kAttrReadOnly));
    EXPECT_FALSE(CopyFileTo(InFolder("a"), InFolder("b")));
    EXPECT_EQ(ReadBytes(InFolder("b")), "old");
}

TEST_F(FileOpsContract, MoveRenamesButNeverReplaces) {
    WriteBytes(InFolder("a"), "A");
    WriteBytes(InFolder("b"), "B");
    EXPECT_FALSE(MoveFileTo(InFolder("a"), InFolder("b")));
    EXPECT_EQ(ReadBytes(InFolder("b")), "B");
    EXPECT_TRUE(MoveFileTo(InFolder("a"), InFolder("a.old")));
    EXPECT_FALSE(PathExists(InFolder("a")));
    EXPECT_EQ(ReadBytes(InFolder("a.old")), "A");
    EXPECT_FALSE(MoveFileTo(InFolder("missing"), InFolder("c")));
    // Folders move too.
    ASSERT_TRUE(CreateFolder(InFolder("Sub")));
    EXPECT_TRUE(MoveFileTo(InFolder("Sub"), InFolder("Sub2")));
    EXPECT_NE(GetFileAttrs(InFolder("Sub2")) & kAttrDirectory, 0u);
}

TEST_F(FileOpsContract, DeleteTakesFilesOnly) {
    WriteBytes(InFolder("a"), "x");
    WriteBytes(InFolder("ro"), "x");
    ASSERT_TRUE(SetFileAttrs(InFolder("ro"), kAttrReadOnly));
    ASSERT_TRUE(CreateFolder(InFolder("Sub")));
    EXPECT_TRUE(RemoveFile(InFolder("A")));
    EXPECT_FALSE(PathExists(InFolder("a")));
    EXPECT_FALSE(RemoveFile(InFolder("a")));
    EXPECT_FALSE(RemoveFile(InFolder("Sub")));
    EXPECT_FALSE(RemoveFile(InFolder("ro")));
    EXPECT_TRUE(PathExists(InFolder("ro")));
    ASSERT_TRUE(SetFileAttrs(InFolder("ro"), kAttrNormal));
    EXPECT_TRUE(RemoveFile(InFolder("ro")));
}

TEST_F(FileOpsContract, AnOpenFileCanBeCopiedButNeitherDeletedNorMoved) {
    WriteBytes(InFolder("a"), "x");
    {
        auto open = StreamFile::Open(InFolder("a"), "r");
        ASSERT_TRUE(open.IsOpen());
        EXPECT_FALSE(RemoveFile(InFolder("a")));
        EXPECT_FALSE(MoveFileTo(InFolder("a"), InFolder("b")));
        EXPECT_TRUE(CopyFileTo(InFolder("a"), InFolder("c")));
    }
    EXPECT_TRUE(MoveFileTo(InFolder("a"), InFolder("b")));
    EXPECT_TRUE(RemoveFile(InFolder("b")));
}
