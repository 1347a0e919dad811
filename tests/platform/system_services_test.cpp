// The temporary folder, environment variables, the WOW64 answer and loading modules by name.
#include "platform/contract_env.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/modules.h"
#include "platform/temp_folder.h"
#include "platform/wow64.h"

using namespace platform;

using SystemServicesContract = ContractTest;

TEST_F(SystemServicesContract, TheTempFolderEndsWithABackslashAndExists) {
    const std::string temp = TempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_NE(GetFileAttrs(temp) & kAttrDirectory, 0u);
}

TEST_F(SystemServicesContract, EnvironmentNamesIgnoreLetterCase) {
    const auto lower = GetEnvironmentValue("windir");
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(GetEnvironmentValue("WINDIR"), lower);
    EXPECT_FALSE(GetEnvironmentValue("PICTORVA_NOT_SET").has_value());
}

TEST_F(SystemServicesContract, WindowsOfTodayAnswersTheWow64Question) {
    EXPECT_TRUE(HasIsWow64Process());
    bool wow64 = false;
    EXPECT_TRUE(AskIsWow64Process(&wow64));
}

TEST_F(SystemServicesContract, ModulesLoadByNameWhenWindowsFindsThem) {
    ScopedModule kernel = ScopedModule::Load("kernel32.dll");
    EXPECT_TRUE(kernel.IsLoaded());
    kernel.Release();
    EXPECT_FALSE(kernel.IsLoaded());
    EXPECT_FALSE(ScopedModule::Load("pictorva-no-such-module.dll").IsLoaded());
    EXPECT_FALSE(ScopedModule::Load(InFolder("missing.dll")).IsLoaded());
}
