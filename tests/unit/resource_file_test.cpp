// The compiled resources that the simulated machine embeds hold what setup.exe carries.
#include <gtest/gtest.h>

#include "platform/sim/machine.h"
#include "platform/sim/resource_file.h"

namespace {

unsigned Dword(const std::vector<std::uint8_t>& data, std::size_t at) {
    return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) | (data[at + 3] << 24);
}

} // namespace

TEST(ResourceFile, WizardPictureIs120By260In256Colours) {
    sim::Machine machine;
    const auto bitmap = sim::FindResource(2 /* bitmap */, 101);
    ASSERT_GE(bitmap.size(), 40u);
    EXPECT_EQ(Dword(bitmap, 4), 120u);                       // width
    EXPECT_EQ(Dword(bitmap, 8), 260u);                       // height
    EXPECT_EQ(bitmap[14] | (bitmap[15] << 8), 8);            // bits per pixel
    EXPECT_EQ(bitmap.size(), 40u + 256u * 4u + 120u * 260u); // rows of 120 bytes
}

TEST(ResourceFile, DialogsIconAndManifestArePresent) {
    sim::Machine machine;
    for (unsigned dialog = 103; dialog <= 108; ++dialog)
        EXPECT_FALSE(sim::FindResource(5 /* dialog */, dialog).empty()) << dialog;
    EXPECT_FALSE(sim::FindResource(14 /* icon group */, 128).empty());
    const auto manifest = sim::FindResource(24 /* manifest */, 1);
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}
