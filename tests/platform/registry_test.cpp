// Registry keys and values, as the setup relies on them.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/contract_env.h"
#include "platform/registry.h"

using namespace platform;

using RegistryContract = ContractTest;

namespace {

long Query(RegKey key, const char* name, std::string* text, std::uint32_t bufferSize = 260) {
    std::string buffer(bufferSize, '\0');
    std::uint32_t size = bufferSize;
    std::uint32_t type = 0;
    long error = QueryValue(key, name, &type, &buffer[0], &size);
    if (error == kErrorSuccess)
        *text = buffer.substr(0, size);
    else
        *text = std::to_string(size);
    return error;
}

} // namespace

TEST_F(RegistryContract, CreateKeyMakesEveryMissingKeyOnThePath) {
    ScopedKey created;
    ASSERT_EQ(CreateKey(kCurrentUser, (KeyPath() + "\\A\\B").c_str(), created.out()),
              kErrorSuccess);
    ScopedKey opened;
    EXPECT_EQ(OpenKey(kCurrentUser, (KeyPath() + "\\a").c_str(), kKeyRead, opened.out()),
              kErrorSuccess);
    // An existing key is simply opened again.
    ScopedKey again;
    EXPECT_EQ(CreateKey(kCurrentUser, (KeyPath() + "\\A").c_str(), again.out()), kErrorSuccess);
}

TEST_F(RegistryContract, OpenKeyOfAMissingKeyFails) {
    ScopedKey key;
    EXPECT_EQ(OpenKey(kCurrentUser, (KeyPath() + "\\Missing").c_str(), kKeyRead, key.out()),
              kErrorFileNotFound);
    EXPECT_FALSE(key);
}

TEST_F(RegistryContract, ValuesRoundTripUnderAnyLetterCase) {
    ScopedKey key;
    ASSERT_EQ(CreateKey(kCurrentUser, KeyPath().c_str(), key.out()), kErrorSuccess);
    ASSERT_EQ(SetValue(key.get(), "Path", kRegSz, "C:\\P6", 6), kErrorSuccess);
    ASSERT_EQ(SetValue(key.get(), nullptr, kRegSz, "default", 8), kErrorSuccess);

    std::string text;
    EXPECT_EQ(Query(key.get(), "PATH", &text), kErrorSuccess);
    EXPECT_EQ(text, std::string("C:\\P6\0", 6));
    EXPECT_EQ(Query(key.get(), nullptr, &text), kErrorSuccess);
    EXPECT_EQ(text, std::string("default\0", 8));
    EXPECT_EQ(Query(key.get(), "", &text), kErrorSuccess);
    EXPECT_EQ(text, std::string("default\0", 8));
    EXPECT_EQ(Query(key.get(), "Missing", &text), kErrorFileNotFound);
}

TEST_F(RegistryContract, ABufferTooSmallReportsTheSizeNeeded) {
    ScopedKey key;
    ASSERT_EQ(CreateKey(kCurrentUser, KeyPath().c_str(), key.out()), kErrorSuccess);
    const std::string long_text(300, 'x');
    ASSERT_EQ(SetValue(key.get(), "Long", kRegSz, long_text.c_str(), 301), kErrorSuccess);
    std::string text;
    EXPECT_EQ(Query(key.get(), "Long", &text, 260), kErrorMoreData);
    EXPECT_EQ(text, "301");
    // Without a buffer only the size is reported.
    std::uint32_t size = 0;
    EXPECT_EQ(QueryValue(key.get(), "Long", nullptr, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(size, 301u);
}

TEST_F(RegistryContract, TheEmptyTextIsAOneByteValue) {
    ScopedKey key;
    ASSERT_EQ(CreateKey(kCurrentUser, KeyPath().c_str(), key.out()), kErrorSuccess);
    ASSERT_EQ(SetValue(key.get(), "Empty", kRegSz, "", 1), kErrorSuccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(QueryValue(key.get(), "Empty", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 1u);
}

TEST_F(RegistryContract, OtherValueTypesComeBackAsStored) {
    ScopedKey key;
    ASSERT_EQ(CreateKey(kCurrentUser, KeyPath().c_str(), key.out()), kErrorSuccess);
    const unsigned char dword[4] = {0x41, 0x42, 0, 0};
    ASSERT_EQ(SetValue(key.get(), "Number", kRegDword, dword, 4), kErrorSuccess);
    std::uint32_t type = 0;
    unsigned char buffer[8] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(QueryValue(key.get(), "Number", &type, buffer, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::memcmp(buffer, dword, 4), 0);
}

TEST_F(RegistryContract, MachineKeysOpenForReading) {
    ScopedKey key;
    EXPECT_EQ(OpenKey(kLocalMachine, "SOFTWARE", kKeyRead, key.out()), kErrorSuccess);
    ScopedKey classes;
    EXPECT_EQ(OpenKey(kClassesRoot, nullptr, kKeyRead, classes.out()), kErrorSuccess);
}

TEST_F(RegistryContract, EnumerationListsEverySubKeyOnceThenEnds) {
    for (const char* name : {"One", "Two", "Three"}) {
        ScopedKey key;
        ASSERT_EQ(CreateKey(kCurrentUser, (KeyPath() + "\\" + name).c_str(), key.out()),
                  kErrorSuccess);
    }
    ScopedKey parent;
    ASSERT_EQ(OpenKey(kCurrentUser, KeyPath().c_str(), kKeyAllAccess, parent.out()), kErrorSuccess);
    std::vector<std::string> names;
    char name[512];
    std::uint32_t index = 0;
    for (long error; (error = EnumKey(parent.get(), index, name, sizeof name)) == kErrorSuccess;
         ++index)
        names.push_back(name);
    EXPECT_EQ(EnumKey(parent.get(), index, name, sizeof name), kErrorNoMoreItems);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Three", "Two"}));
    // A name that does not fit the buffer is not cut short.
    char small[3];
    EXPECT_NE(EnumKey(parent.get(), 0, small, sizeof small), kErrorSuccess);
}

TEST_F(RegistryContract, DeleteKeyTakesOnlyKeysWithoutSubKeys) {
    ScopedKey leaf;
    ASSERT_EQ(CreateKey(kCurrentUser, (KeyPath() + "\\Parent\\Leaf").c_str(), leaf.out()),
              kErrorSuccess);
    ASSERT_EQ(SetValue(leaf.get(), "v", kRegSz, "x", 2), kErrorSuccess);
    leaf.Reset();
    ScopedKey base;
    ASSERT_EQ(OpenKey(kCurrentUser, KeyPath().c_str(), kKeyAllAccess, base.out()), kErrorSuccess);
    EXPECT_NE(DeleteKey(base.get(), "Parent"), kErrorSuccess);
    EXPECT_EQ(DeleteKey(base.get(), "Parent\\LEAF"), kErrorSuccess);
    EXPECT_EQ(DeleteKey(base.get(), "Parent"), kErrorSuccess);
    EXPECT_EQ(DeleteKey(base.get(), "Parent"), kErrorFileNotFound);
    char name[512];
    EXPECT_EQ(EnumKey(base.get(), 0, name, sizeof name), kErrorNoMoreItems);
}

TEST_F(RegistryContract, DeleteValueRemovesOneValue) {
    ScopedKey key;
    ASSERT_EQ(CreateKey(kCurrentUser, KeyPath().c_str(), key.out()), kErrorSuccess);
    ASSERT_EQ(SetValue(key.get(), "Application", kRegSz, "Pictrv6.exe", 12), kErrorSuccess);
    ASSERT_EQ(SetValue(key.get(), nullptr, kRegSz, "d", 2), kErrorSuccess);
    EXPECT_EQ(DeleteValue(key.get(), "application"), kErrorSuccess);
    EXPECT_EQ(DeleteValue(key.get(), "Application"), kErrorFileNotFound);
    EXPECT_EQ(DeleteValue(key.get(), nullptr), kErrorSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(QueryValue(key.get(), nullptr, nullptr, nullptr, &size), kErrorFileNotFound);
}

TEST_F(RegistryContract, LoadedUserHivesAreListed) {
    // HKEY_USERS lists at least the current user's hive; HKEY_CURRENT_USER is one of them.
    char name[512];
    EXPECT_EQ(EnumKey(kUsers, 0, name, sizeof name), kErrorSuccess);
}
