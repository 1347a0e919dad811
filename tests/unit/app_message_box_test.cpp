// The program's message box: caption, icons, and the user's answers.
#include <gtest/gtest.h>

#include "common/app_message_box.h"
#include "platform/message_box.h"
#include "platform/sim/machine.h"

using namespace platform;

TEST(AppMessageBox, AnIconIsAddedOnlyWhereTheTypeNamesNone) {
    sim::Machine machine;
    const std::vector<std::pair<unsigned, unsigned>> cases = {
        {kMbOk, kMbOk | kMbIconExclamation},    {kMbOkCancel, kMbOkCancel | kMbIconExclamation},
        {kMbYesNo, kMbYesNo | kMbIconQuestion}, {kMbYesNoCancel, kMbYesNoCancel | kMbIconQuestion},
        {kMbYesNo | 0x40, kMbYesNo | 0x40},     {kMbOk | 0x10, kMbOk | 0x10},
    };
    for (const auto& [given, shown] : cases) {
        AfxMessageBox("text", given);
        EXPECT_EQ(machine.system.messageBoxes.back().type, shown) << given;
        EXPECT_EQ(machine.system.messageBoxes.back().caption, "Pictorva Setup");
    }
}

TEST(AppMessageBox, AnswersComeFromTheUserInOrderThenTheFirstButton) {
    sim::Machine machine;
    machine.system.messageBoxAnswers = {kIdNo, kIdCancel};
    EXPECT_EQ(AfxMessageBox("a", kMbYesNo), kIdNo);
    EXPECT_EQ(AfxMessageBox("b", kMbOkCancel), kIdCancel);
    EXPECT_EQ(AfxMessageBox("c", kMbYesNo), kIdYes);
    EXPECT_EQ(AfxMessageBox("d", kMbOk), kIdOk);
    ASSERT_EQ(machine.system.messageBoxes.size(), 4u);
    EXPECT_EQ(machine.system.messageBoxes[2].text, "c");
}
