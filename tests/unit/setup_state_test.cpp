// The settings record starts, and starts again, with the program's start values.
#include <gtest/gtest.h>

#include "common/setup_state.h"

TEST(SetupStateRecord, StartValues) {
    theSetupState.silent = 1;
    theSetupState.installDir = "C:\\X";
    theSetupState.desktopIcon = 0;
    theSetupState.productVersion.major = 6;
    ResetSetupState();

    const SetupState& s = theSetupState;
    EXPECT_EQ(s.silent, 0);
    EXPECT_EQ(s.installDir, "");
    EXPECT_EQ(s.sourceDir, "");
    EXPECT_EQ(s.groupName, "");
    EXPECT_EQ(s.allUsers, 0);
    EXPECT_EQ(s.autoStart, 0);
    EXPECT_EQ(s.desktopIcon, 1);
    EXPECT_EQ(s.runAfter, 0);
    EXPECT_EQ(s.newInstall, 0);
    EXPECT_EQ(s.upgradeInstall, 0);
    EXPECT_EQ(s.productVersion.major, 0u);
    EXPECT_EQ(s.productVersion.minor, 0u);
    EXPECT_EQ(s.productVersion.build, 0u);
    EXPECT_EQ(s.productVersion.revision, 0u);
}
