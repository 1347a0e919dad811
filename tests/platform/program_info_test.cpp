// The running program's path, the Windows folder and file versions.
#include "platform/contract_env.h"
#include "platform/files.h"
#include "platform/program_info.h"
#include "platform/version_info.h"

using namespace platform;

using ProgramInfoContract = ContractTest;

TEST_F(ProgramInfoContract, ModuleFileNameIsTheRunningProgramsFullPath) {
    const std::string path = ModuleFileName();
    ASSERT_GT(path.size(), 3u);
    EXPECT_EQ(path[1], ':');
    EXPECT_EQ(path[2], '\\');
    EXPECT_TRUE(PathExists(path)) << path;
}

TEST_F(ProgramInfoContract, WindowsFolderExists) {
    const std::string folder = WindowsFolder();
    EXPECT_EQ(folder.substr(1, 2), ":\\");
    EXPECT_NE(folder.back(), '\\');
    EXPECT_NE(GetFileAttrs(folder) & kAttrDirectory, 0u) << folder;
}

TEST_F(ProgramInfoContract, FixedFileVersionOfAProgramWithAVersionResource) {
    // The contract tests' program carries the version 1.2.3.4.
    std::uint32_t most = 0;
    std::uint32_t least = 0;
    ASSERT_TRUE(ReadFixedFileVersion(ModuleFileName(), &most, &least));
    EXPECT_EQ(most, 0x00010002u);
    EXPECT_EQ(least, 0x00030004u);
}

TEST_F(ProgramInfoContract, FilesWithoutAVersionHaveNone) {
    WriteBytes(InFolder("plain.txt"), "no version here");
    std::uint32_t most = 7;
    std::uint32_t least = 7;
    EXPECT_FALSE(ReadFixedFileVersion(InFolder("plain.txt"), &most, &least));
    EXPECT_FALSE(ReadFixedFileVersion(InFolder("missing.exe"), &most, &least));
}
