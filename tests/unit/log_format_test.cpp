// Reading manifest and log lines, and appending to the install log.
#include <gtest/gtest.h>

#include "install/log_format.h"
#include "platform/sim/machine.h"

namespace {

class LogFormat : public ::testing::Test {
  protected:
    sim::Machine machine;
    const std::string path = "C:\\Source\\PictrvUnInst.log";

    std::vector<std::string> ReadAll(const std::string& contents) {
        machine.AddFile(path, contents);
        std::vector<std::string> lines;
        LogReader reader(path);
        for (std::string line; reader.Next(line);)
            lines.push_back(line);
        return lines;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(LogFormat, LineEndsAndTrailingBlanksReadTheSame) {
    const Lines expected = {"File Copy: a.dll", "Make Dir: Help"};
    EXPECT_EQ(ReadAll("File Copy: a.dll\r\nMake Dir: Help\r\n"), expected);
    EXPECT_EQ(ReadAll("File Copy: a.dll\nMake Dir: Help\n"), expected);
    EXPECT_EQ(ReadAll("File Copy: a.dll  \t\r\nMake Dir: Help"), expected);
    EXPECT_EQ(ReadAll("File Copy: a.dll\x01\x1f \r\nMake Dir: Help \x7f"),
              (Lines{"File Copy: a.dll", "Make Dir: Help \x7f"}));
}

TEST_F(LogFormat, TheFirstByteIsNeverRemoved) {
    // Blank and empty lines keep one byte; leading blanks stay.
    EXPECT_EQ(ReadAll("\r\n   \r\n  x  \r\n"), (Lines{"\n", " ", "  x"}));
}

TEST_F(LogFormat, BytesFrom128UpAreText) {
    EXPECT_EQ(ReadAll("File Copy: \xe9t\xe9\xa0\xff\r\n"), (Lines{"File Copy: \xe9t\xe9\xa0\xff"}));
}

TEST_F(LogFormat, LongLinesArriveAsPiecesOf511Bytes) {
    const std::string head = "File Copy: " + std::string(500, 'n');
    const std::string tail = std::string(300, 't');
    const Lines lines = ReadAll(head + tail + "\r\nMake Dir: X\r\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (head + tail).substr(0, 511));
    EXPECT_EQ(lines[1], (head + tail).substr(511));
    EXPECT_EQ(lines[2], "Make Dir: X");
}

TEST_F(LogFormat, AZeroByteEndsTheLineItIsIn) {
    EXPECT_EQ(ReadAll(std::string("File Copy: a\0b.dll\r\nMake Dir: X\r\n", 32)),
              (Lines{"File Copy: a", "Make Dir: X"}));
    EXPECT_EQ(ReadAll(std::string("\0File Copy: a.dll\r\n", 19)), (Lines{""}));
}

TEST_F(LogFormat, MissingFileReadsAsNoLines) {
    LogReader reader("C:\\Source\\missing.log");
    std::string line;
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Next(line));
}

TEST_F(LogFormat, RewindStartsASecondPass) {
    machine.AddFile(path, "a\r\nb\r\n");
    LogReader reader(path);
    std::string line;
    while (reader.Next(line)) {
    }
    reader.Rewind();
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "a");
}

TEST_F(LogFormat, PrefixesMatchExactlyAtTheStart) {
    const struct {
        const char* line;
        const char* prefix;
        bool matches;
    } kCases[] = {
        {"File Copy: a.dll", kFileCopyPrefix, true},
        {"file copy: a.dll", kFileCopyPrefix, false},
        {" File Copy: a.dll", kFileCopyPrefix, false},
        {"File Copy:a.dll", kFileCopyPrefix, false},
        {"File Copy x64: a.dll", kFileCopyPrefix, false},
        {"File Copy x64: a.dll", kFileCopyX64Prefix, true},
        {"File Copy ind: a.dll", kFileCopyIndPrefix, true},
        {"File Overwrite: a", kFileOverwritePrefix, true},
        {"File Del: a", kFileDelPrefix, true},
        {"Make Dir: Help", kMakeDirPrefix, true},
        {"Made Dir: C:\\G", kMadeDirPrefix, true},
        {"Make Dir: Help", kMadeDirPrefix, false},
        {"Shell Link: C:\\G\\x.lnk", kShellLinkPrefix, true},
        {"Shell Link:", kShellLinkPrefix, false},
        {"", kFileCopyPrefix, false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(HasPrefix(c.line, c.prefix), c.matches) << c.line << " / " << c.prefix;
}

TEST_F(LogFormat, AppendLogLineAddsOneCrLfLineEachTime) {
    machine.AddFile(path, "File Copy: a.dll");
    AppendLogLine(path, "");
    AppendLogLine(path, "Made Dir: C:\\Menu\\Pictorva 6");
    // The manifest's last line had no end: the empty line ends it, and the install's own
    // line still reads as a line of its own.
    EXPECT_EQ(machine.FileText(path), "File Copy: a.dll\r\nMade Dir: C:\\Menu\\Pictorva 6\r\n");
    EXPECT_EQ(ReadAll(machine.FileText(path)),
              (Lines{"File Copy: a.dll", "Made Dir: C:\\Menu\\Pictorva 6"}));
    AppendLogLine(path, "");
    EXPECT_EQ(machine.FileText(path), "File Copy: a.dll\r\nMade Dir: C:\\Menu\\Pictorva 6\r\n\r\n");
}

TEST_F(LogFormat, AppendLogLineCreatesTheFileAndDropsLinesItCannotWrite) {
    AppendLogLine("C:\\Dest\\new.log", "x"); // no such folder: dropped
    EXPECT_FALSE(machine.IsFile("C:\\Dest\\new.log"));
    machine.AddFolder("C:\\Dest");
    AppendLogLine("C:\\Dest\\new.log", "x");
    EXPECT_EQ(machine.FileText("C:\\Dest\\new.log"), "x\r\n");

    machine.AddFile("C:\\Dest\\ro.log", "a\r\n", platform::kAttrReadOnly);
    AppendLogLine("C:\\Dest\\ro.log", "b");
    EXPECT_EQ(machine.FileText("C:\\Dest\\ro.log"), "a\r\n");
}
