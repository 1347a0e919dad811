// Making one shortcut and recording it in the install log.
#include "engine_fixture.h"

#include "install/shortcuts.h"
#include "platform/message_box.h"

namespace {

class ShortcutsTest : public EngineTest {
  protected:
    const std::string link = std::string(kUserPrograms) + "\\Pictorva 6.lnk";

    ShortcutsTest() { machine.AddFolder(kInstall); }

    std::vector<std::string> Log() const { return Lines(Dst("PictrvUnInst.log")); }
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(ShortcutsTest, ASavedShortcutIsRecordedByThePathAsPassed) {
    // Quotes around the target go; the working directory is kept unexpanded; the
    // description is empty; COM is started by the first shortcut only.
    const std::string spelled = "c:\\users\\ann\\start menu\\programs\\Pictorva 6.lnk";
    EXPECT_TRUE(platform::Succeeded(
        CreateShortcut("\"" + Dst("Pictrv6.exe") + "\"", spelled, "%APPDATA%")));
    EXPECT_TRUE(platform::Succeeded(CreateShortcut(Dst("readme.txt"), link, std::nullopt)));
    ASSERT_EQ(machine.system.shortcuts.size(), 2u);
    const sim::SavedShortcut& first = machine.system.shortcuts[0];
    EXPECT_EQ(first.path, spelled);
    EXPECT_EQ(first.target, Dst("Pictrv6.exe"));
    EXPECT_EQ(first.workingDirectory, "%APPDATA%");
    EXPECT_EQ(first.description, "");
    EXPECT_FALSE(machine.system.shortcuts[1].workingDirectory.has_value());
    EXPECT_EQ(machine.system.comInitializeCalls, 1);
    EXPECT_TRUE(machine.IsFile(link));
    // Saving over it again records it again.
    EXPECT_EQ(Log(), (Strings{"Shell Link: " + spelled, "Shell Link: " + link}));
}

TEST_F(ShortcutsTest, OneQuoteAtEitherEndIsDroppedAlone) {
    for (const auto& [given, stored] :
         std::vector<std::pair<std::string, std::string>>{{"\"C:\\a.exe", "C:\\a.exe"},
                                                          {"C:\\a.exe\"", "C:\\a.exe"},
                                                          {"\"\"C:\\a.exe\"\"", "\"C:\\a.exe\""}}) {
        CreateShortcut(given, link, std::nullopt);
        EXPECT_EQ(machine.system.shortcuts.back().target, stored) << given;
    }
}

TEST_F(ShortcutsTest, SetPathAndSetDescriptionFailuresAreShownAndTheSaveGoesOn) {
    machine.FailCalls("ShellLink::SetPath");
    machine.FailCalls("ShellLink::SetDescription");
    EXPECT_TRUE(platform::Succeeded(CreateShortcut(Dst("Pictrv6.exe"), link, std::nullopt)));
    ASSERT_EQ(machine.system.messageBoxes.size(), 2u);
    EXPECT_EQ(machine.system.messageBoxes[0].text, "SetPath failed!");
    EXPECT_EQ(machine.system.messageBoxes[1].text, "SetDescription failed!");
    for (const auto& box : machine.system.messageBoxes) {
        EXPECT_EQ(box.caption, "Pictorva Setup");
        EXPECT_EQ(box.type, platform::kMbOk | platform::kMbIconExclamation);
    }
    EXPECT_EQ(Log(), (Strings{"Shell Link: " + link}));
}

TEST_F(ShortcutsTest, OtherFailuresAreSilentAndUnrecorded) {
    // The link object, its file interface, the save, a path or target beyond its buffer.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"ShellLink::Create", link},
        {"ShellLink::QueryPersistFile", link},
        {"ShellLink::Save", link},
        {"", std::string(kUserPrograms) + "\\" + std::string(240, 'l') + ".lnk"},
        {"", std::string(kUserPrograms) + "\\Missing Folder\\x.lnk"},
    };
    for (const auto& [call, path] : cases) {
        if (!call.empty())
            machine.FailCalls(call);
        EXPECT_FALSE(platform::Succeeded(CreateShortcut(Dst("Pictrv6.exe"), path, std::nullopt)))
            << call << path;
        if (!call.empty())
            machine.StopFailing(call);
    }
    EXPECT_FALSE(platform::Succeeded(
        CreateShortcut("\"" + std::string(511, 't') + "\"", link, std::nullopt)));
    EXPECT_TRUE(
        platform::Succeeded(CreateShortcut("\"C:\\" + std::string(508, 't'), link, std::nullopt)));
    EXPECT_EQ(machine.system.shortcuts.size(), 1u);
    EXPECT_TRUE(machine.system.messageBoxes.empty());
    EXPECT_EQ(Log().size(), 1u);
}

TEST_F(ShortcutsTest, AnUnwritableLogLeavesTheShortcutUnrecorded) {
    machine.FailCalls("StreamFile::Open", Dst("PictrvUnInst.log"));
    EXPECT_TRUE(platform::Succeeded(CreateShortcut(Dst("Pictrv6.exe"), link, std::nullopt)));
    EXPECT_TRUE(machine.IsFile(link));
    EXPECT_FALSE(machine.IsFile(Dst("PictrvUnInst.log")));
}
