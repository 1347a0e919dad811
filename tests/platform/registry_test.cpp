// Registry keys and values, as the setup relies on them.
#include <cstring>

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
