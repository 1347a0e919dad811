// Operations scheduled for the next start of Windows, as Windows records them.
#include <algorithm>
#include <vector>

#include "platform/contract_env.h"
#include "platform/delayed_move.h"
#include "platform/files.h"
#include "platform/registry.h"

using namespace platform;

using DelayedMoveContract = ContractTest;

namespace {

// The strings of the pending list, in order, zero bytes as separators.
std::vector<std::string> PendingStrings() {
    ScopedKey key;
    std::vector<std::string> strings;
    if (OpenKey(kLocalMachine, kSessionManagerKey, kKeyRead, key.out()) != kErrorSuccess)
        return strings;
    std::uint32_t size = 0;
    std::uint32_t type = 0;
    if (QueryValue(key.get(), kPendingRenamesValue, &type, nullptr, &size) != kErrorSuccess)
        return strings;
    std::string data(size, '\0');
    if (QueryValue(key.get(), kPendingRenamesValue, &type, &data[0], &size) != kErrorSuccess)
        return strings;
    EXPECT_EQ(type, kRegMultiSz);
    data.resize(size);
    for (std::size_t start = 0; start < data.size();) {
        std::size_t end = data.find('\0', start);
        if (end == std::string::npos)
            end = data.size();
        strings.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}

} // namespace

TEST_F(DelayedMoveContract, PairsAreRecordedInCallOrder) {
    WriteBytes(InFolder("x.new"), "new");
    WriteBytes(InFolder("x"), "old");
    ASSERT_TRUE(ScheduleDelayedMove(InFolder("x"), nullptr));
    ASSERT_TRUE(ScheduleDelayedMove(InFolder("x.new"), InFolder("x").c_str()));
    const std::vector<std::string> strings = PendingStrings();
    const std::vector<std::string> expected = {
        "\\??\\" + InFolder("x"), "", "\\??\\" + InFolder("x.new"), "\\??\\" + InFolder("x")};
    auto found = std::search(strings.begin(), strings.end(), expected.begin(), expected.end());
    EXPECT_NE(found, strings.end()) << "pending list holds " << strings.size() << " strings";
    // Nothing happens before the next start.
    EXPECT_EQ(ReadBytes(InFolder("x")), "old");
    EXPECT_EQ(ReadBytes(InFolder("x.new")), "new");
}
