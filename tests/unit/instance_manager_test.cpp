// The shared instance list as several simulated processes use it: the setup and running
// copies of the product, each with a COXInstanceManager of its own over the same kernel
// objects.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

#include "instances/instance_manager.h"
#include "platform/sim/machine.h"
#include "platform/sim/processes.h"

namespace {

const std::string kListMutex = "COXInstanceManager_InstanceList_Mutex_Quillmark.Vistorel.v4";
const std::string kAdditionalMutex = "COXInstanceManager_Additional_Mutex_Quillmark.Vistorel.v4";
const std::string kMapping = "COXInstanceManager_FileMap_Quillmark.Vistorel.v4";

// Who received which notification about which process.
using Post = std::tuple<std::uint32_t /*queue*/, std::uint32_t /*message*/, std::intptr_t>;

class InstanceListTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    sim::ProcessTable& processes = machine.Processes();
    const std::uint32_t setup = processes.current;

    // A running copy of the product: a process with its main window, joined to the list.
    struct Copy {
        std::uint32_t id = 0;
        std::unique_ptr<COXInstanceManager> manager;
    };
    Copy StartProduct(bool withWindow = true) {
        Copy copy;
        copy.id = processes.Start();
        if (withWindow)
            processes.AddWindow(copy.id, "Pictorva 6");
        sim::ProcessTable::As as(processes, copy.id);
        copy.manager = std::make_unique<COXInstanceManager>();
        return copy;
    }
    // A normal end: the copy leaves the list, then its process ends.
    void EndNormally(Copy& copy) {
        {
            sim::ProcessTable::As as(processes, copy.id);
            copy.manager.reset();
        }
        processes.End(copy.id);
    }

    SharedInstanceList& List() {
        auto* mapping = processes.Mapping(kMapping);
        if (mapping == nullptr || mapping->bytes.size() < sizeof(SharedInstanceList))
            throw std::logic_error("no list region");
        return *reinterpret_cast<SharedInstanceList*>(mapping->bytes.data());
    }
    std::vector<std::uint32_t> Listed() {
        auto& list = List();
        return std::vector<std::uint32_t>(list.processIds, list.processIds + list.count);
    }
    std::vector<Post> Posts() const {
        std::vector<Post> result;
        for (const auto& post : processes.posted)
            result.emplace_back(post.queueProcess, post.message, post.lParam);
        return result;
    }
    // Between operations no view is mapped and the list mutex is free.
    void ExpectIdle() {
        for (const auto& view : processes.views)
            ADD_FAILURE() << "view left mapped by process " << view.processId;
        auto mutex = processes.mutexes.find(kListMutex);
        if (mutex != processes.mutexes.end()) {
            EXPECT_EQ(mutex->second->owner, 0u);
        }
    }
};

} // namespace

TEST_F(InstanceListTest, FirstProcessMakesTheListAndIsItsOnlyMember) {
    // The list is made, initialised and joined; nobody is there to be told.
    COXInstanceManager manager;
    EXPECT_STREQ(manager.GetRuntimeClassName(), "COXInstanceManager");
    ASSERT_NE(processes.Mapping(kMapping), nullptr);
    EXPECT_EQ(processes.Mapping(kMapping)->bytes.size(), 131072u);
    EXPECT_EQ(processes.mutexes.count(kListMutex), 1u);
    EXPECT_EQ(processes.mutexes.count(kAdditionalMutex), 1u);

    auto& list = List();
    EXPECT_EQ(list.marker, 1);
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(list.processIds[0], setup);
    for (int i = 1; i < kMaxInstances; ++i)
        ASSERT_EQ(list.processIds[i], 0u) << i;
    EXPECT_TRUE(processes.posted.empty());
    EXPECT_EQ(manager.GetInstanceCount(), 1);
    ExpectIdle();
}

TEST_F(InstanceListTest, NewListIsLockedUntilInitialised) {
    // Another process starting right after the mapping is made finds the list locked, so its
    // entry cannot be cleared by the initialisation that follows.
    const auto other = processes.Start();
    std::uint32_t waitResult = 0;
    processes.onMappingMade = [&](const std::string&) {
        sim::ProcessTable::As as(processes, other);
        platform::ScopedKernelHandle mutex(platform::CreateNamedMutex(kListMutex));
        waitResult = platform::WaitForObject(mutex.get(), 0);
    };
    COXInstanceManager manager;
    EXPECT_EQ(waitResult, platform::kWaitTimeout);
    EXPECT_EQ(Listed(), std::vector<std::uint32_t>{setup});
    ExpectIdle();
}

TEST_F(InstanceListTest, RegionsRoundUpToTheAllocationGranularity) {
    const struct {
        std::uint32_t granularity, listRegion, additionalRegion;
    } cases[] = {
        {65536, 65536, 65536}, {4096, 4096, 4096}, {1024, 4096, 1024},
        {8, 4008, 1024},       {0, 4008, 1024},
    };
    for (const auto& c : cases) {
        sim::Machine fresh;
        fresh.Processes().allocationGranularity = c.granularity;
        COXInstanceManager manager;
        EXPECT_EQ(manager.ListRegionSize(), c.listRegion) << c.granularity;
        EXPECT_EQ(manager.AdditionalRegionSize(), c.additionalRegion) << c.granularity;
        ASSERT_NE(fresh.Processes().Mapping(kMapping), nullptr);
        EXPECT_EQ(fresh.Processes().Mapping(kMapping)->bytes.size(),
                  c.listRegion + c.additionalRegion);
        EXPECT_EQ(manager.GetInstanceCount(), 1) << c.granularity;
    }
}

TEST_F(InstanceListTest, SetupJoiningTwoRunningCopiesTellsEachOfThem) {
    // A and B are told of C; the list reads A, B, C.
    auto a = StartProduct();
    auto b = StartProduct();
    processes.posted.clear();

    COXInstanceManager manager;
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{a.id, b.id, setup}));
    EXPECT_EQ(manager.GetInstanceCount(), 3);
    std::vector<std::uint32_t> ids = {7, 7, 7, 7, 7};
    ASSERT_TRUE(manager.GetInstanceList(ids));
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{a.id, b.id, setup}));
    EXPECT_EQ(Posts(), (std::vector<Post>{{a.id, WM_INSTANCE_ADDED, setup},
                                          {b.id, WM_INSTANCE_ADDED, setup}}));
    for (const auto& post : processes.posted) {
        EXPECT_EQ(post.fromProcess, setup);
        EXPECT_EQ(post.wParam, 0u);
    }
    ExpectIdle();
}

TEST_F(InstanceListTest, CopyLeavingFromTheMiddleTellsTheOthers) {
    // Removing B from A, B, C gives A, C with the vacated slot cleared; A is told through its
    // window, C (the setup, without a window) through the null window, which lands in B's
    // own queue.
    auto a = StartProduct();
    auto b = StartProduct();
    COXInstanceManager manager;
    processes.posted.clear();

    EndNormally(b);
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{a.id, setup}));
    EXPECT_EQ(List().processIds[2], 0u);
    EXPECT_EQ(Posts(), (std::vector<Post>{{a.id, WM_INSTANCE_REMOVED, b.id},
                                          {b.id, WM_INSTANCE_REMOVED, b.id}}));
    EXPECT_EQ(processes.posted[1].window, 0u);
    EXPECT_EQ(manager.GetInstanceCount(), 2);
    ExpectIdle();
}

TEST_F(InstanceListTest, LastMemberLeavingEmptiesTheListAndClosesEverything) {
    {
        COXInstanceManager manager;
        EXPECT_TRUE(manager.RemoveInstance(setup));
        EXPECT_EQ(manager.GetInstanceCount(), 0);
        EXPECT_EQ(List().processIds[0], 0u);
        EXPECT_FALSE(manager.RemoveInstance(setup));
        std::vector<std::uint32_t> ids = {9};
        EXPECT_TRUE(manager.GetInstanceList(ids));
        EXPECT_TRUE(ids.empty());
    }
    EXPECT_TRUE(processes.posted.empty());
    EXPECT_EQ(processes.HandleCount(setup), 0);
    EXPECT_EQ(processes.Mapping(kMapping), nullptr);
}

TEST_F(InstanceListTest, IdsAreNotComparedOnAdding) {
    // The same id twice stays twice; removal takes the first.
    COXInstanceManager manager;
    EXPECT_TRUE(manager.AddInstance(setup));
    EXPECT_TRUE(manager.AddInstance(42));
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{setup, setup, 42}));
    EXPECT_TRUE(manager.RemoveInstance(setup));
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{setup, 42}));
    EXPECT_FALSE(manager.RemoveInstance(7));
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{setup, 42}));
}

TEST_F(InstanceListTest, FullListTakesNoMore) {
    // 999 entries take one more into the last slot; 1000 take none and nobody is told.
    auto a = StartProduct();
    COXInstanceManager manager;
    auto& list = List();
    for (int i = 2; i < 999; ++i)
        list.processIds[i] = 10000 + i;
    list.count = 999;
    processes.posted.clear();

    EXPECT_TRUE(manager.AddInstance(500));
    EXPECT_EQ(list.count, 1000);
    EXPECT_EQ(list.processIds[999], 500u);
    EXPECT_EQ(processes.PostsReceivedBy(a.id).size(), 1u);

    processes.posted.clear();
    const std::vector<unsigned char> before = processes.Mapping(kMapping)->bytes;
    EXPECT_FALSE(manager.AddInstance(501));
    EXPECT_EQ(processes.Mapping(kMapping)->bytes, before);
    EXPECT_TRUE(processes.posted.empty());
    EXPECT_EQ(manager.GetInstanceCount(), 1000);
    ExpectIdle();
}

TEST_F(InstanceListTest, ListWithImpossibleCountIsNeitherReadNorWritten) {
    // Another writer left a count outside 0..1000: the list counts as unreachable and no
    // byte of the shared memory changes.
    const std::int32_t counts[] = {-1, -1000, INT_MIN, 1001, 4096, INT_MAX};
    for (const auto count : counts) {
        sim::Machine fresh;
        auto& table = fresh.Processes();
        auto a = table.Start();
        table.AddWindow(a, "Pictorva 6");
        std::unique_ptr<COXInstanceManager> product;
        {
            sim::ProcessTable::As as(table, a);
            product = std::make_unique<COXInstanceManager>();
        }
        auto& bytes = table.Mapping(kMapping)->bytes;
        reinterpret_cast<SharedInstanceList*>(bytes.data())->count = count;
        const std::vector<unsigned char> before = bytes;

        COXInstanceManager manager;
        std::vector<std::uint32_t> ids = {1, 2};
        EXPECT_EQ(manager.GetInstanceCount(), 0) << count;
        EXPECT_FALSE(manager.GetInstanceList(ids)) << count;
        EXPECT_EQ(ids, (std::vector<std::uint32_t>{1, 2}));
        EXPECT_FALSE(manager.AddInstance(77)) << count;
        EXPECT_FALSE(manager.RemoveInstance(a)) << count;
        EXPECT_EQ(bytes, before) << count;
        EXPECT_TRUE(table.posted.empty()) << count;
        EXPECT_TRUE(table.views.empty()) << count;
    }
}

TEST_F(InstanceListTest, MappingSmallerThanTheListRegionIsUnreachable) {
    // A mapping of that name made smaller by someone else keeps its size; no view of the
    // list region fits, so nothing is read or written.
    const auto other = processes.Start();
    platform::KernelHandle small = 0;
    {
        sim::ProcessTable::As as(processes, other);
        long error = 0;
        small = platform::CreatePagingFileMapping(platform::kPageReadWrite, 4096, kMapping, &error);
        ASSERT_NE(small, 0u);
        processes.Mapping(kMapping)->bytes.assign(4096, 0xAB);
    }
    COXInstanceManager manager;
    EXPECT_EQ(processes.Mapping(kMapping)->bytes.size(), 4096u);
    EXPECT_EQ(processes.Mapping(kMapping)->bytes, std::vector<unsigned char>(4096, 0xAB));
    std::vector<std::uint32_t> ids;
    EXPECT_EQ(manager.GetInstanceCount(), 0);
    EXPECT_FALSE(manager.GetInstanceList(ids));
    EXPECT_FALSE(manager.AddInstance(5));
    ExpectIdle();
}

TEST_F(InstanceListTest, MappingThatCannotBeMadeLeavesNoCopiesRunning) {
    machine.FailCalls("CreatePagingFileMapping");
    COXInstanceManager manager;
    std::vector<std::uint32_t> ids = {3};
    EXPECT_EQ(manager.GetInstanceCount(), 0);
    EXPECT_FALSE(manager.GetInstanceList(ids));
    EXPECT_EQ(ids, std::vector<std::uint32_t>{3});
    EXPECT_FALSE(manager.AddInstance(5));
    EXPECT_FALSE(manager.RemoveInstance(setup));
    EXPECT_EQ(processes.Mapping(kMapping), nullptr);
}

TEST_F(InstanceListTest, MissingMutexKeepsTheSetupOutOfTheList) {
    // Without either mutex the list is left alone: the running copy's list stays as it was
    // and the setup sees no copies.
    for (const auto& name : {kListMutex, kAdditionalMutex}) {
        sim::Machine fresh;
        auto& table = fresh.Processes();
        auto a = table.Start();
        table.AddWindow(a, "Pictorva 6");
        std::unique_ptr<COXInstanceManager> product;
        {
            sim::ProcessTable::As as(table, a);
            product = std::make_unique<COXInstanceManager>();
        }
        fresh.FailCalls("CreateNamedMutex", name);
        {
            COXInstanceManager manager;
            EXPECT_EQ(manager.GetInstanceCount(), 0) << name;
            std::vector<std::uint32_t> ids;
            EXPECT_FALSE(manager.GetInstanceList(ids)) << name;
        }
        auto* list = reinterpret_cast<SharedInstanceList*>(table.Mapping(kMapping)->bytes.data());
        EXPECT_EQ(list->count, 1) << name;
        EXPECT_EQ(list->processIds[0], a) << name;
        EXPECT_TRUE(table.posted.empty()) << name;
        EXPECT_EQ(table.HandleCount(table.current), 0) << name;
        sim::ProcessTable::As as(table, a);
        product.reset();
    }
}

TEST_F(InstanceListTest, MutexAbandonedByAnEndedCopyIsTakenOver) {
    // A copy ended while it held the list mutex, without leaving the list, and B keeps the
    // list alive: the setup takes the mutex over, joins, and releases it; the stale entry
    // stays and is told through the null window.
    auto a = StartProduct();
    auto b = StartProduct();
    {
        sim::ProcessTable::As as(processes, a.id);
        platform::ScopedKernelHandle mutex(platform::CreateNamedMutex(kListMutex));
        ASSERT_EQ(platform::WaitForObject(mutex.get(), platform::kInfinite),
                  platform::kWaitObject0);
        processes.End(a.id);
        a.manager.release(); // the process is gone with its handles; nothing runs at its end
    }
    ASSERT_TRUE(processes.mutexes[kListMutex]->abandoned);
    processes.posted.clear();

    COXInstanceManager manager;
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{a.id, b.id, setup}));
    EXPECT_EQ(Posts(), (std::vector<Post>{{setup, WM_INSTANCE_ADDED, setup},
                                          {b.id, WM_INSTANCE_ADDED, setup}}));
    EXPECT_EQ(processes.posted[0].window, 0u);
    EXPECT_FALSE(processes.mutexes[kListMutex]->abandoned);
    EXPECT_EQ(manager.GetInstanceCount(), 3);
    ExpectIdle();
}

TEST_F(InstanceListTest, FailedWaitLeavesTheListUntouched) {
    // Without the lock nothing is read or written, and the view is unmapped again.
    auto a = StartProduct();
    COXInstanceManager manager;
    machine.FailCalls("WaitForObject");
    std::vector<std::uint32_t> ids;
    EXPECT_EQ(manager.GetInstanceCount(), 0);
    EXPECT_FALSE(manager.GetInstanceList(ids));
    EXPECT_FALSE(manager.RemoveInstance(a.id));
    EXPECT_FALSE(manager.AddInstance(5));
    machine.StopFailing("WaitForObject");
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{a.id, setup}));
    ExpectIdle();
}

TEST_F(InstanceListTest, ListLivesAcrossCopiesComingAndGoing) {
    // The mapping outlives its maker while others hold it, and is made afresh after the last
    // member has gone.
    auto a = StartProduct();
    auto b = StartProduct();
    EndNormally(a);
    ASSERT_NE(processes.Mapping(kMapping), nullptr);
    {
        COXInstanceManager manager;
        EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{b.id, setup}));
        EndNormally(b);
        EXPECT_EQ(Listed(), std::vector<std::uint32_t>{setup});
    }
    EXPECT_EQ(processes.Mapping(kMapping), nullptr);
    processes.posted.clear();

    auto c = StartProduct();
    EXPECT_EQ(List().marker, 1);
    EXPECT_EQ(Listed(), std::vector<std::uint32_t>{c.id});
    EXPECT_TRUE(processes.posted.empty());
}
