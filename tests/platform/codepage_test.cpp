// The ANSI code page: lead bytes and lower-casing, on the Western code page that both the
// simulated machine and Wine start with.
#include "platform/codepage.h"
#include "platform/contract_env.h"

using namespace platform;

using CodePageContract = ContractTest;

TEST_F(CodePageContract, WesternCodePageHasNoLeadBytes) {
    if (AnsiCodePage() != 1252)
        GTEST_SKIP() << "code page " << AnsiCodePage();
    for (int c = 0; c < 256; ++c)
        EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(c))) << c;
}

TEST_F(CodePageContract, LowerCaseCoversAsciiAndWesternLetters) {
    if (AnsiCodePage() != 1252)
        GTEST_SKIP() << "code page " << AnsiCodePage();
    EXPECT_EQ(LowerCase("C:\\Program Files\\PICTORVA 6"), "c:\\program files\\pictorva 6");
    EXPECT_EQ(LowerCase("\xC0\xC9\xD6\xDE\x8A\x9F"), "\xE0\xE9\xF6\xFE\x9A\xFF");
    // The multiplication sign, digits and signs have no small form.
    EXPECT_EQ(LowerCase("\xD7\xDF 1-9 \\/ \xE0"), "\xD7\xDF 1-9 \\/ \xE0");
    EXPECT_EQ(LowerCase(""), "");
}
