// File searches by name and by wildcard, as the setup relies on them.
#include <set>

#include "platform/contract_env.h"
#include "platform/files.h"
#include "platform/find_files.h"

using namespace platform;

using FindFilesContract = ContractTest;

namespace {

// Every name a search returns, and how many of them are folders.
std::set<std::string> Names(const std::string& pattern, int* folders = nullptr) {
    std::set<std::string> names;
    FoundEntry entry;
    FileSearch search = FileSearch::Start(pattern, &entry);
    if (folders)
        *folders = 0;
    if (!search)
        return names;
    do {
        names.insert(entry.name);
        if (folders && (entry.attributes & kAttrDirectory))
            ++*folders;
    } while (search.Next(&entry));
    return names;
}

} // namespace

TEST_F(FindFilesContract, WildcardsListMatchesWithDotEntries) {
    WriteBytes(InFolder("a.txt"), "x");
    WriteBytes(InFolder("B.TXT"), "x");
    WriteBytes(InFolder("c.dat"), "x");
    WriteBytes(InFolder("readme"), "x");
    ASSERT_TRUE(CreateFolder(InFolder("Sub")));
    int folders = 0;
    EXPECT_EQ(Names(InFolder("*.*"), &folders),
              (std::set<std::string>{".", "..", "a.txt", "B.TXT", "c.dat", "readme", "Sub"}));
    EXPECT_EQ(folders, 3);
    EXPECT_EQ(Names(InFolder("*.txt")), (std::set<std::string>{"a.txt", "B.TXT"}));
    EXPECT_EQ(Names(InFolder("?.dat")), (std::set<std::string>{"c.dat"}));
    EXPECT_EQ(Names(Folder() + "/*.TXT"), (std::set<std::string>{"a.txt", "B.TXT"}));
}

TEST_F(FindFilesContract, AnExactNameFindsThatEntryAsStored) {
    WriteBytes(InFolder("Data.Bin"), "x");
    ASSERT_TRUE(CreateFolder(InFolder("Sub")));
    EXPECT_EQ(Names(InFolder("data.bin")), (std::set<std::string>{"Data.Bin"}));
    int folders = 0;
    EXPECT_EQ(Names(InFolder("sub"), &folders), (std::set<std::string>{"Sub"}));
    EXPECT_EQ(folders, 1);
}

TEST_F(FindFilesContract, NothingMatchingGivesNoSearch) {
    WriteBytes(InFolder("a.txt"), "x");
    FoundEntry entry;
    EXPECT_FALSE(FileSearch::Start(InFolder("*.chm"), &entry).IsValid());
    EXPECT_FALSE(FileSearch::Start(InFolder("missing"), &entry).IsValid());
    EXPECT_FALSE(FileSearch::Start(InFolder("NoFolder\\*.*"), &entry).IsValid());
}

TEST_F(FindFilesContract, APatternMayReachIntoASubfolder) {
    ASSERT_TRUE(CreateFolder(InFolder("Help")));
    WriteBytes(InFolder("Help\\one.chm"), "x");
    WriteBytes(InFolder("Help\\two.chm"), "x");
    WriteBytes(InFolder("Help\\other.txt"), "x");
    EXPECT_EQ(Names(InFolder("Help\\*.chm")), (std::set<std::string>{"one.chm", "two.chm"}));
}

TEST_F(FindFilesContract, ADrivesRootHasNoDotEntries) {
    std::set<std::string> names = Names("C:\\*");
    EXPECT_EQ(names.count("."), 0u);
    EXPECT_EQ(names.count(".."), 0u);
}
