// Contract tests on Windows (under Wine): each test works in a folder and a key named after
// it, inside a prefix that is thrown away after the run.
#include "platform/contract_env.h"

#include "platform/files.h"

struct ContractTest::World {};

bool ContractTest::OnSimulatedMachine() {
    return false;
}

void ContractTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    const std::string base = "C:\\contract";
    platform::CreateFolder(base);
    folder_ = base + "\\" + name;
    ASSERT_TRUE(platform::CreateFolder(folder_)) << folder_;
    keyPath_ = "Software\\PictorvaContract\\" + name;
}

void ContractTest::TearDown() {}
