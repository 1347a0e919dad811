// Named mutexes and paging-file mappings shared by name, as the instance list relies on them.
#include <cstring>
#include <string>

#include "platform/contract_env.h"
#include "platform/kernel_objects.h"
#include "platform/processes.h"

using namespace platform;

namespace {

class KernelObjectsContract : public ContractTest {
  protected:
    // A name no other test uses.
    std::string Name(const char* kind) const {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string("PictorvaContract_") + kind + "_" + info->name() + "_" +
               std::to_string(CurrentProcessId());
    }
};

constexpr std::uint32_t kReadWrite = kFileMapRead | kFileMapWrite;
constexpr std::uint32_t kCommitted = kPageReadWrite | kSecCommit;

} // namespace

TEST_F(KernelObjectsContract, MutexIsRecursiveForItsOwner) {
    // Each acquisition needs its own release; a release without ownership fails.
    ScopedKernelHandle mutex(CreateNamedMutex(Name("mutex")));
    ASSERT_TRUE(mutex);
    EXPECT_FALSE(ReleaseOwnedMutex(mutex.get()));
    EXPECT_EQ(WaitForObject(mutex.get(), kInfinite), kWaitObject0);
    EXPECT_EQ(WaitForObject(mutex.get(), 0), kWaitObject0);
    EXPECT_TRUE(ReleaseOwnedMutex(mutex.get()));
    EXPECT_TRUE(ReleaseOwnedMutex(mutex.get()));
    EXPECT_FALSE(ReleaseOwnedMutex(mutex.get()));
}

TEST_F(KernelObjectsContract, MutexOpenedAgainByNameIsTheSameMutex) {
    // Ownership taken through one handle is held through the other.
    ScopedKernelHandle first(CreateNamedMutex(Name("mutex")));
    ScopedKernelHandle second(CreateNamedMutex(Name("mutex")));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first.get(), second.get());
    {
        MutexLock lock(first.get());
        ASSERT_TRUE(lock.Acquired());
        EXPECT_EQ(WaitForObject(second.get(), 0), kWaitObject0);
        EXPECT_TRUE(ReleaseOwnedMutex(second.get()));
    }
    EXPECT_FALSE(ReleaseOwnedMutex(second.get()));
}

TEST_F(KernelObjectsContract, MappingMadeThenOpenedByName) {
    // The first creation makes it; a second one opens it, says so, and shares its bytes.
    long error = -1;
    ScopedKernelHandle made(CreatePagingFileMapping(kCommitted, 131072, Name("map"), &error));
    ASSERT_TRUE(made);
    EXPECT_NE(error, kErrorAlreadyExists);
    ScopedKernelHandle opened(CreatePagingFileMapping(kCommitted, 131072, Name("map"), &error));
    ASSERT_TRUE(opened);
    EXPECT_EQ(error, kErrorAlreadyExists);

    ScopedView first(MapView(made.get(), kReadWrite, 65536));
    ScopedView second(MapView(opened.get(), kReadWrite, 4008));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    const auto* fresh = static_cast<const unsigned char*>(first.get());
    for (int i = 0; i < 65536; ++i)
        ASSERT_EQ(fresh[i], 0) << "a new mapping is zero-filled, byte " << i;
    std::memcpy(static_cast<char*>(first.get()) + 4000, "list", 4);
    EXPECT_EQ(std::memcmp(static_cast<char*>(second.get()) + 4000, "list", 4), 0);
}

TEST_F(KernelObjectsContract, ExistingMappingKeepsItsSize) {
    // Opened with a larger size, a small mapping stays small: a view beyond it fails.
    long error = -1;
    ScopedKernelHandle small(CreatePagingFileMapping(kCommitted, 4096, Name("map"), &error));
    ASSERT_TRUE(small);
    ScopedKernelHandle opened(CreatePagingFileMapping(kCommitted, 131072, Name("map"), &error));
    ASSERT_TRUE(opened);
    EXPECT_EQ(error, kErrorAlreadyExists);
    ScopedView fits(MapView(opened.get(), kReadWrite, 4008));
    EXPECT_TRUE(fits);
    ScopedView tooLarge(MapView(opened.get(), kReadWrite, 65536));
    EXPECT_FALSE(tooLarge);
}

TEST_F(KernelObjectsContract, MappingNameEndsWithItsLastHandle) {
    // A view still mapped keeps its bytes but not the name: the next creation makes a new,
    // separate mapping.
    long error = -1;
    ScopedKernelHandle made(CreatePagingFileMapping(kCommitted, 65536, Name("map"), &error));
    ASSERT_TRUE(made);
    ScopedKernelHandle second(CreatePagingFileMapping(kCommitted, 65536, Name("map"), &error));
    EXPECT_EQ(error, kErrorAlreadyExists);
    ScopedView view(MapView(made.get(), kReadWrite, 0));
    ASSERT_TRUE(view);
    std::memcpy(view.get(), "old", 4);
    made.Reset();
    second.Reset();

    ScopedKernelHandle fresh(CreatePagingFileMapping(kCommitted, 65536, Name("map"), &error));
    ASSERT_TRUE(fresh);
    EXPECT_NE(error, kErrorAlreadyExists);
    ScopedView freshView(MapView(fresh.get(), kReadWrite, 0));
    ASSERT_TRUE(freshView);
    EXPECT_EQ(static_cast<const char*>(freshView.get())[0], '\0');
    EXPECT_STREQ(static_cast<const char*>(view.get()), "old");
}

TEST_F(KernelObjectsContract, AllocationGranularityIs64KiB) {
    EXPECT_EQ(AllocationGranularity(), 65536u);
}
