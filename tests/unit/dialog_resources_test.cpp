// The wizard's dialog templates, read from the compiled resources as Windows reads them,
// hold every control with its number, text, place, size and the styles that matter.
#include <gtest/gtest.h>

#include "platform/sim/dialog_template.h"
#include "platform/sim/machine.h"

namespace {

constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kPopup = 0x80000000;
constexpr std::uint32_t kClipSiblings = 0x04000000;
constexpr std::uint32_t kClipChildren = 0x02000000;
constexpr std::uint32_t kCaption = 0x00C00000;
constexpr std::uint32_t kSysMenu = 0x00080000;
constexpr std::uint32_t kModalFrame = 0x80;
constexpr std::uint32_t kControl = 0x400;

struct Expected {
    int id;
    const char* className;
    const char* text;
    short x, y, width, height;
    std::uint32_t styles; // bits that must be set
    bool visible;
};

void ExpectControls(unsigned dialogId, const std::vector<Expected>& expected) {
    auto dialog = sim::LoadDialogTemplate(dialogId);
    ASSERT_TRUE(dialog) << dialogId;
    ASSERT_EQ(dialog->controls.size(), expected.size()) << dialogId;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& c = dialog->controls[i];
        const auto& e = expected[i];
        SCOPED_TRACE(std::to_string(dialogId) + " control " + std::to_string(e.id) + " " + e.text);
        EXPECT_EQ(c.id, e.id);
        EXPECT_STRCASEEQ(c.className.c_str(), e.className);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.style & e.styles, e.styles);
        EXPECT_EQ((c.style & kVisible) != 0, e.visible);
    }
}

void ExpectPage(unsigned dialogId, short width, short height) {
    auto dialog = sim::LoadDialogTemplate(dialogId);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->width, width);
    EXPECT_EQ(dialog->height, height);
    EXPECT_EQ(dialog->style & (kChild | kClipSiblings | kClipChildren | kControl),
              kChild | kClipSiblings | kClipChildren | kControl);
    EXPECT_EQ(dialog->style & kVisible, 0u);
    EXPECT_EQ(dialog->typeface, "MS Sans Serif");
    EXPECT_EQ(dialog->pointSize, 8);
}

class DialogResources : public ::testing::Test {
  protected:
    sim::Machine machine;
};

} // namespace

TEST_F(DialogResources, Frame) {
    auto frame = sim::LoadDialogTemplate(103);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->caption, "Pictorva Setup");
    EXPECT_EQ(frame->width, 318);
    EXPECT_EQ(frame->height, 204);
    EXPECT_EQ(frame->style & (kPopup | kCaption | kSysMenu | kModalFrame),
              kPopup | kCaption | kSysMenu | kModalFrame);
    EXPECT_EQ(frame->typeface, "MS Sans Serif");
    ExpectControls(103, {
                            {3, "Button", "< &Back", 147, 184, 50, 14, kGroup | kTabStop, true},
                            {1, "Button", "&Next >", 202, 184, 50, 14, kTabStop | 0x1, true},
                            {2, "Button", "Cancel", 257, 184, 50, 14, kTabStop, true},
                            {1002, "Static", "", 11, 8, 81, 161, 0xE | 0x1000, false},
                            {-1, "Static", "", 11, 176, 296, 1, 0x10, true},
                        });
    EXPECT_EQ(frame->controls[3].textResource, 101u); // the picture
}

TEST_F(DialogResources, WelcomeAndAgreementPages) {
    ExpectPage(105, 217, 161);
    ExpectControls(
        105,
        {
            {-1, "Static",
             "Welcome to Pictorva Setup! This program will install Pictorva on your computer.", 5,
             0, 207, 28, 0, true},
            {-1, "Static",
             "Please click the \"Next >\" button to continue setup, or \"Cancel\" button to abort.",
             5, 32, 207, 18, 0, true},
            {1003, "Static",
             "Pictorva ver. %d.%02d.%02d %s\nCopyright \xA9 Quillmark Technology LLC.\nAll rights "
             "reserved.",
             18, 72, 191, 25, 0, true},
            {-1, "Static", "www.quillmark.example", 18, 100, 191, 10, 0, true},
        });
    ExpectPage(104, 313, 174);
    ExpectControls(
        104,
        {
            {1000, "Edit", "", 0, 0, 313, 155, 0x4 | 0x800 | 0x200000 | 0x800000 | kTabStop, true},
            {-1, "Static", "Do you accept this agreement?", 2, 160, 306, 10, 0, true},
        });
}

TEST_F(DialogResources, FolderPage) {
    ExpectPage(106, 217, 163);
    ExpectControls(
        106,
        {
            {-1, "Static", "Please select how to install Pictorva:", 5, 0, 207, 10, 0, true},
            {1001, "Button", "Install for the Current User only", 8, 12, 205, 9,
             0x9 | kGroup | kTabStop, true},
            {1002, "Button",
             "Install for All Users of this computer (you should be an Administrator to install "
             "that way)",
             8, 23, 205, 29, 0x9 | 0x2000 | 0x400, true},
            {-1, "Static", "Setup will install Pictorva into the following folder.", 5, 71, 207, 10,
             0, true},
            {1006, "Static",
             "To install into a different folder, Click Browse, and select another one.", 5, 83,
             205, 27, 0, true},
            {-1, "Button", "Destination Folder", 5, 111, 207, 51, 0x7, true},
            {1013, "Static", "Static", 11, 122, 197, 17, 0, true},
            {1005, "Button", "B&rowse...", 134, 141, 71, 16, kTabStop, true},
        });
}

TEST_F(DialogResources, GroupAndReadyPages) {
    ExpectPage(107, 217, 163);
    ExpectControls(107,
                   {
                       {-1, "Static",
                        "Enter the name of the Program Manager group to add Pictorva icons to:", 5,
                        28, 207, 17, 0, true},
                       {1008, "Button", "Auto-start Pictorva when Windows starts", 5, 88, 207, 10,
                        0x3 | kTabStop, true},
                       {1009, "Button", "Add Pictorva icon to the desktop", 5, 99, 207, 10,
                        0x3 | kTabStop, true},
                       {1000, "Edit", "", 3, 48, 211, 12, 0x80 | 0x800000 | kTabStop, true},
                   });
    ExpectPage(108, 217, 163);
    ExpectControls(
        108,
        {
            {1010, "Static", "You are now ready to install Pictorva.", 5, 0, 207, 16, 0, true},
            {1011, "Static",
             "Press the Next button to begin the installation or the Back button to change "
             "your selections.",
             5, 19, 207, 28, 0, true},
            {1009, "Static", "Installing Pictorva, please wait...", 5, 80, 207, 20, 0x1, false},
            {1012, "Button", "Run Pictorva", 5, 66, 206, 11, 0x3 | kTabStop, false},
        });
}
