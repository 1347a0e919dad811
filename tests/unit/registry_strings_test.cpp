// Reading and writing registry string values on the simulated machine.
#include <gtest/gtest.h>

#include "common/registry_strings.h"
#include "platform/sim/machine.h"

using platform::kCurrentUser;
using platform::kLocalMachine;

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";

class RegistryStrings : public ::testing::Test {
  protected:
    sim::Machine machine;
};

} // namespace

TEST_F(RegistryStrings, MissingKeyMissingValueAndEmptyValueAllReadEmpty) {
    machine.SetRegString(kLocalMachine, kProductKey, "Empty", "");
    EXPECT_EQ(ReadRegistryString(kLocalMachine, "SOFTWARE\\Nobody", "Path"), "");
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Path"), "");
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Empty"), "");
}

TEST_F(RegistryStrings, ReadLimitIs259Characters) {
    // 259 characters and the zero fill the 260-byte buffer exactly; one more does not fit.
    const struct {
        std::size_t length;
        bool readWhole;
    } kCases[] = {{1, true}, {258, true}, {259, true}, {260, false}, {4000, false}};
    for (const auto& c : kCases) {
        const std::string text(c.length, 'p');
        machine.SetRegString(kLocalMachine, kProductKey, "Path", text);
        EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Path"), c.readWhole ? text : "")
            << c.length;
    }
}

TEST_F(RegistryStrings, DataWithoutTerminatorIsReadToItsEndOnly) {
    // 260 bytes without a zero: the read never runs past the stored data.
    machine.SetRegValue(kLocalMachine, kProductKey, "Raw", platform::kRegBinary,
                        std::string(260, 'r'));
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Raw"), std::string(260, 'r'));
    machine.SetRegValue(kLocalMachine, kProductKey, "Short", platform::kRegSz, "abc");
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Short"), "abc");
    machine.SetRegValue(kLocalMachine, kProductKey, "Number", platform::kRegDword,
                        std::string("\x07\0\0\0", 4));
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Number"), "\x07");
}

TEST_F(RegistryStrings, NullNameIsTheDefaultValue) {
    const char kAppPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe";
    EXPECT_TRUE(WriteRegistryString(kLocalMachine, kAppPath, nullptr, "C:\\P6\\Pictrv6.exe"));
    EXPECT_EQ(machine.GetRegString(kLocalMachine, kAppPath, ""), "C:\\P6\\Pictrv6.exe");
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kAppPath, nullptr), "C:\\P6\\Pictrv6.exe");
}

TEST_F(RegistryStrings, WriteCreatesEveryKeyAlongThePath) {
    EXPECT_TRUE(WriteRegistryString(kLocalMachine, kProductKey, "Path", "C:\\P6"));
    EXPECT_TRUE(machine.KeyExists(kLocalMachine, "SOFTWARE\\Quillmark"));
    auto value = machine.GetRegValue(kLocalMachine, kProductKey, "Path");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::kRegSz);
    EXPECT_EQ(value->data, std::string("C:\\P6\0", 6));
}

TEST_F(RegistryStrings, EmptyTextIsStoredAsOneZeroByte) {
    EXPECT_TRUE(WriteRegistryString(kCurrentUser, "Software\\Quillmark", "AllUsers", ""));
    auto value = machine.GetRegValue(kCurrentUser, "Software\\Quillmark", "AllUsers");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::kRegSz);
    EXPECT_EQ(value->data, std::string(1, '\0'));
}

TEST_F(RegistryStrings, UserWithoutAdministratorRightsCannotWriteMachineKeys) {
    // Machine keys stay readable; writes there fail and leave nothing behind.
    machine.SetRegString(kLocalMachine, kProductKey, "Path", "C:\\P6");
    machine.userIsAdministrator = false;
    EXPECT_FALSE(WriteRegistryString(kLocalMachine, kProductKey, "Path", "D:\\Other"));
    EXPECT_FALSE(WriteRegistryString(kLocalMachine, "SOFTWARE\\New\\Key", "V", "x"));
    EXPECT_FALSE(machine.KeyExists(kLocalMachine, "SOFTWARE\\New"));
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Path"), "C:\\P6");
    EXPECT_TRUE(WriteRegistryString(kCurrentUser, "Software\\Quillmark", "V", "x"));
}

TEST_F(RegistryStrings, DeniedKeyAndFailedCallsGiveEmptyTextAndFalse) {
    machine.SetRegString(kLocalMachine, kProductKey, "Path", "C:\\P6");
    machine.DenyKey(kLocalMachine, kProductKey);
    EXPECT_EQ(ReadRegistryString(kLocalMachine, kProductKey, "Path"), "");
    EXPECT_FALSE(WriteRegistryString(kLocalMachine, kProductKey, "Path", "x"));

    machine.FailCalls("SetValue");
    EXPECT_FALSE(WriteRegistryString(kCurrentUser, "Software\\Quillmark", "V", "x"));
}
