#include "platform/contract_env.h"

#include "platform/files.h"

void ContractTest::WriteBytes(const std::string& path, const std::string& bytes) {
    auto file = platform::StreamFile::Open(path, "wb");
    ASSERT_TRUE(file.IsOpen()) << path;
    ASSERT_EQ(file.Write(bytes.data(), bytes.size()), bytes.size());
}

std::string ContractTest::ReadBytes(const std::string& path) {
    auto file = platform::StreamFile::Open(path, "rb");
    if (!file.IsOpen())
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = file.Read(buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    return bytes;
}
