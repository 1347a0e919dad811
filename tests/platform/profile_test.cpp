// Whole sections of profile files, as the "rename" section of WININIT.INI is handled.
#include <cstring>

#include "platform/contract_env.h"
#include "platform/files.h"
#include "platform/profile.h"

using namespace platform;

using ProfileContract = ContractTest;

namespace {

std::string Block(const char* bytes, std::size_t size) {
    return std::string(bytes, size);
}

} // namespace

TEST_F(ProfileContract, ASectionReadsBackAsWritten) {
    // Entries keep their order, and a key may stand more than once.
    const std::string block = Block("NUL=C:\\a\0NUL=C:\\b\0C:\\x=C:\\x.new\0\0", 33);
    const std::string file = InFolder("w.ini");
    ASSERT_TRUE(WriteIniSection("rename", block.data(), file.c_str()));
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    const std::uint32_t used = ReadIniSection("rename", buffer, sizeof buffer, file.c_str());
    EXPECT_EQ(used, 32u);
    EXPECT_EQ(Block(buffer, used + 1), block);
}

TEST_F(ProfileContract, RewritingASectionReplacesItAndKeepsOthers) {
    const std::string file = InFolder("w.ini");
    ASSERT_TRUE(WriteIniSection("other", Block("k=v\0\0", 5).data(), file.c_str()));
    ASSERT_TRUE(WriteIniSection("rename", Block("NUL=C:\\a\0\0", 10).data(), file.c_str()));
    ASSERT_TRUE(WriteIniSection("rename", Block("NUL=C:\\b\0\0", 10).data(), file.c_str()));
    char buffer[64];
    EXPECT_EQ(ReadIniSection("RENAME", buffer, sizeof buffer, file.c_str()), 9u);
    EXPECT_STREQ(buffer, "NUL=C:\\b");
    EXPECT_EQ(ReadIniSection("other", buffer, sizeof buffer, file.c_str()), 4u);
    EXPECT_STREQ(buffer, "k=v");
}

TEST_F(ProfileContract, AMissingSectionOrFileReadsEmpty) {
    char buffer[16] = "xxxx";
    EXPECT_EQ(ReadIniSection("rename", buffer, sizeof buffer, InFolder("none.ini").c_str()), 0u);
    EXPECT_EQ(buffer[0], '\0');
    const std::string file = InFolder("w.ini");
    ASSERT_TRUE(WriteIniSection("other", Block("k=v\0\0", 5).data(), file.c_str()));
    buffer[0] = 'x';
    EXPECT_EQ(ReadIniSection("rename", buffer, sizeof buffer, file.c_str()), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(ProfileContract, ASectionLargerThanTheBufferIsCut) {
    const std::string file = InFolder("w.ini");
    ASSERT_TRUE(WriteIniSection("rename", Block("NUL=C:\\aaaa\0NUL=C:\\bbbb\0\0", 25).data(),
                                file.c_str()));
    char buffer[16];
    EXPECT_EQ(ReadIniSection("rename", buffer, sizeof buffer, file.c_str()), 14u);
}

TEST_F(ProfileContract, ABareFileNameLiesInTheWindowsFolder) {
    ASSERT_TRUE(WriteIniSection("rename", Block("k=v\0\0", 5).data(), "PVCONTRACT.INI"));
    EXPECT_TRUE(PathExists("C:\\Windows\\PVCONTRACT.INI"));
    char buffer[16];
    EXPECT_EQ(ReadIniSection("rename", buffer, sizeof buffer, "PVCONTRACT.INI"), 4u);
}
