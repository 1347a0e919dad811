// Shortcut files through the shell's link object.
#include "platform/contract_env.h"
#include "platform/files.h"
#include "platform/shell_link.h"

using namespace platform;

using ShellLinkContract = ContractTest;

namespace {

HResult SaveLink(const std::string& path, const std::string& target) {
    ShellLink link;
    HResult result = link.Create();
    if (!Succeeded(result))
        return result;
    if (!Succeeded(result = link.QueryPersistFile()))
        return result;
    if (!Succeeded(result = link.SetPath(target)))
        return result;
    if (!Succeeded(result = link.SetDescription("")))
        return result;
    if (!Succeeded(result = link.SetWorkingDirectory("%APPDATA%")))
        return result;
    std::wstring wide;
    if (!AnsiToWide(path, 260, &wide))
        return kEInvalidArg;
    return link.Save(wide, true);
}

} // namespace

TEST_F(ShellLinkContract, ALinkIsSavedAndSavedOverAgain) {
    ASSERT_TRUE(Succeeded(InitializeCom()));
    WriteBytes(InFolder("Target.exe"), "MZ");
    EXPECT_TRUE(Succeeded(SaveLink(InFolder("Pictorva 6.lnk"), InFolder("Target.exe"))));
    EXPECT_TRUE(PathExists(InFolder("Pictorva 6.lnk")));
    EXPECT_TRUE(Succeeded(SaveLink(InFolder("Pictorva 6.lnk"), InFolder("Target.exe"))));
    // A folder that does not exist cannot take one.
    EXPECT_FALSE(Succeeded(SaveLink(InFolder("No\\Pictorva 6.lnk"), InFolder("Target.exe"))));
}

TEST_F(ShellLinkContract, WidePathsFitTheirBufferOrAreRefused) {
    std::wstring wide;
    EXPECT_TRUE(AnsiToWide(std::string(259, 'a'), 260, &wide));
    EXPECT_EQ(wide.size(), 259u);
    EXPECT_FALSE(AnsiToWide(std::string(260, 'a'), 260, &wide));
}
