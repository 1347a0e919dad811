// Files and folders, and the C runtime's stream files, as the setup relies on them.
#include <cstring>

#include "platform/contract_env.h"
#include "platform/files.h"

using namespace platform;

using FilesContract = ContractTest;

TEST_F(FilesContract, ExistenceIgnoresCaseAndTakesEitherSeparator) {
    // A file and a folder exist by any spelling of their names; nothing else does.
    WriteBytes(InFolder("Data.TXT"), "x");
    ASSERT_TRUE(CreateFolder(InFolder("Sub")));
    EXPECT_TRUE(PathExists(InFolder("data.txt")));
    EXPECT_TRUE(PathExists(InFolder("SUB")));
    EXPECT_TRUE(PathExists(Folder() + "/sub"));
    EXPECT_TRUE(PathExists(Folder() + "\\\\Sub\\"));
    EXPECT_FALSE(PathExists(InFolder("missing")));
    EXPECT_FALSE(PathExists(InFolder("missing\\data.txt")));
}

TEST_F(FilesContract, CreateFolderMakesOneLevel) {
    // Only a folder whose parent exists can be made, and only once.
    EXPECT_TRUE(CreateFolder(InFolder("A")));
    EXPECT_FALSE(CreateFolder(InFolder("A")));
    EXPECT_FALSE(CreateFolder(InFolder("B\\C")));
    EXPECT_TRUE(CreateFolder(InFolder("A\\C")));
    EXPECT_FALSE(CreateFolder("C:\\"));
}

TEST_F(FilesContract, RemoveFolderTakesOnlyEmptyFolders) {
    ASSERT_TRUE(CreateFolder(InFolder("Full")));
    WriteBytes(InFolder("Full\\f"), "x");
    ASSERT_TRUE(CreateFolder(InFolder("Empty")));
    EXPECT_FALSE(RemoveFolder(InFolder("Full")));
    EXPECT_TRUE(RemoveFolder(InFolder("EMPTY")));
    EXPECT_FALSE(PathExists(InFolder("Empty")));
    EXPECT_FALSE(RemoveFolder(InFolder("Empty")));
    EXPECT_FALSE(RemoveFolder(InFolder("Full\\f")));
}

TEST_F(FilesContract, AttributesReadAndWrite) {
    WriteBytes(InFolder("f"), "x");
    EXPECT_EQ(GetFileAttrs(InFolder("missing")), kInvalidAttributes);
    EXPECT_NE(GetFileAttrs(Folder()) & kAttrDirectory, 0u);
    EXPECT_EQ(GetFileAttrs(InFolder("f")) & kAttrDirectory, 0u);

    ASSERT_TRUE(SetFileAttrs(InFolder("f"), kAttrReadOnly | kAttrHidden));
    EXPECT_EQ(GetFileAttrs(InFolder("f")) & (kAttrReadOnly | kAttrHidden),
              kAttrReadOnly | kAttrHidden);
    ASSERT_TRUE(SetFileAttrs(InFolder("f"), kAttrNormal));
    EXPECT_EQ(GetFileAttrs(InFolder("f")) & (kAttrReadOnly | kAttrHidden), 0u);
    EXPECT_FALSE(SetFileAttrs(InFolder("missing"), kAttrNormal));
}

TEST_F(FilesContract, ReadOnlyFileCannotBeOpenedForWriting) {
    if (!OnSimulatedMachine())
        GTEST_SKIP() << "Wine run by root opens read-only files for writing (Windows refuses)";
    WriteBytes(InFolder("f"), "x");
    ASSERT_TRUE(SetFileAttrs(InFolder("f"), kAttrReadOnly));
    EXPECT_FALSE(StreamFile::Open(InFolder("f"), "a").IsOpen());
    EXPECT_TRUE(StreamFile::Open(InFolder("f"), "r").IsOpen());
}

TEST_F(FilesContract, OpenForReadingNeedsAnExistingFile) {
    EXPECT_FALSE(StreamFile::Open(InFolder("missing"), "r").IsOpen());
    EXPECT_FALSE(StreamFile::Open(InFolder("no\\such.txt"), "a").IsOpen());
    EXPECT_FALSE(StreamFile::Open(Folder(), "r").IsOpen());
    EXPECT_FALSE(PathExists(InFolder("missing")));
}

// Reads every line of a text-mode file through a buffer of the given size.
static std::vector<std::string> ReadLines(const std::string& path, int size) {
    std::vector<std::string> lines;
    auto file = StreamFile::Open(path, "r");
    std::vector<char> buffer(static_cast<std::size_t>(size));
    while (file.GetLine(buffer.data(), size))
        lines.emplace_back(buffer.data());
    return lines;
}

TEST_F(FilesContract, TextModeReadingTurnsCrLfIntoLf) {
    // CR LF and bare LF end lines alike; a lone CR stays; the last line may lack an end.
    WriteBytes(InFolder("t"), "one\r\ntwo\nthree\rfour\r\nlast");
    EXPECT_EQ(ReadLines(InFolder("t"), 512),
              (std::vector<std::string>{"one\n", "two\n", "three\rfour\n", "last"}));
}

TEST_F(FilesContract, LongLinesArriveInPiecesOfTheBufferSize) {
    // A 600-byte line through a 512-byte buffer: 511 bytes, then the rest with its end.
    WriteBytes(InFolder("t"), std::string(600, 'x') + "\r\nnext\r\n");
    auto lines = ReadLines(InFolder("t"), 512);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(511, 'x'));
    EXPECT_EQ(lines[1], std::string(89, 'x') + "\n");
    EXPECT_EQ(lines[2], "next\n");
}

TEST_F(FilesContract, ZeroByteInsideALineIsReadOnThrough) {
    // The line is read to its end; as a C string it stops at the zero byte.
    WriteBytes(InFolder("t"), std::string("ab\0cd\r\nef\r\n", 11));
    auto file = StreamFile::Open(InFolder("t"), "r");
    char buffer[512];
    ASSERT_TRUE(file.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(std::memcmp(buffer, "ab\0cd\n", 7), 0);
    ASSERT_TRUE(file.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "ef\n");
}

TEST_F(FilesContract, ControlZEndsATextModeFile) {
    // The C runtime of Windows stops reading a text-mode file at its first CTRL+Z byte.
    WriteBytes(InFolder("t"), "one\r\n\x1atwo\r\n");
    EXPECT_EQ(ReadLines(InFolder("t"), 512), (std::vector<std::string>{"one\n"}));
    EXPECT_EQ(ReadBytes(InFolder("t")), "one\r\n\x1atwo\r\n");
}

TEST_F(FilesContract, AppendingCreatesTheFileAndWritesCrLf) {
    for (const char* line : {"first", "second"}) {
        auto file = StreamFile::Open(InFolder("log"), "a");
        ASSERT_TRUE(file.IsOpen());
        ASSERT_TRUE(file.PutText(std::string(line) + "\n"));
    }
    EXPECT_EQ(ReadBytes(InFolder("log")), "first\r\nsecond\r\n");
}

TEST_F(FilesContract, RewindReadsFromTheStartAgain) {
    WriteBytes(InFolder("t"), "a\nb\n");
    auto file = StreamFile::Open(InFolder("t"), "r");
    char buffer[16];
    while (file.GetLine(buffer, sizeof buffer)) {
    }
    file.Rewind();
    ASSERT_TRUE(file.GetLine(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "a\n");
}

TEST_F(FilesContract, BinaryModeKeepsEveryByteAndMeasuresTheFile) {
    const std::string bytes("a\r\nb\0\x1a\xff", 7);
    WriteBytes(InFolder("b"), bytes);
    auto file = StreamFile::Open(InFolder("b"), "rb");
    ASSERT_TRUE(file.Seek(0, 2));
    EXPECT_EQ(file.Tell(), 7);
    ASSERT_TRUE(file.Seek(0, 0));
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 7u);
    EXPECT_EQ(std::string(buffer, 7), bytes);
}
