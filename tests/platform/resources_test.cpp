// The string table, read the same way by both builds; the texts are the program's own,
// exact to the letter (their misspellings included).
#include "platform/contract_env.h"
#include "platform/resources.h"

using ResourcesContract = ContractTest;

TEST_F(ResourcesContract, EveryStringOfTheTableReadsExactly) {
    const struct {
        unsigned id;
        const char* text;
    } kStrings[] = {
        {1, "1 instance of Pictorva is currently opened. If you click \"Yes\" button, SETUP will "
            "try to close it without saving any editing work you may have done. \n\nContinue "
            "installation?"},
        {2, "Pictorva Setup"},
        {3, "Setup of Pictorva aborted. Please close other instances of Pictorva manually, "
            "saving any editing work you have done in them, then restart this setup program."},
        {4, "%d instances of Pictorva are currently opened. ff you click \"Yes\" button, SETUP "
            "will try to close them without saving any editing work you may have done. "
            "\n\nContinue installation?"},
        {6, "This will completely uninstall Pictorva 6.\nDo you want to continue?"},
        {7, "Please accept the License Agreement"},
        {8, "&Finish >"},
        {9, "Pictorva 6 has been successfully installed."},
        {10, "Press the Finish button to exit this installation."},
        {11, "Do you really want to cancel Pictorva setup?"},
        {12, "Select the folder where where Pictorva should be installed."},
        {13, "You have entered and invalid folder name. Please correct.\nIf you want to create a "
             "new folder, select its parent folder in the list and click \"Make New Foilder\" "
             "button."},
        {14, "Pictorva ver. 6 can not be installed into the same folder where the old version 4 "
             "or 5 is installed. Please select a different folder."},
        {15, "Pictorva 6"},
        {16, "Pictorva v. %d.%02d.%02d.%02d is already installed on this machine. You are trying "
             "to install an older version %d.%02d.%02d.%02d .\n\nDo you still want to continue?"},
        {17, "Pictorva ver. %d.%02d.%02d.%02d is already installed on this machine.\n\nWould you "
             "like to run this setup again to select different options or repair the files?"},
        {18, "This setup files are damaged, installation aborted.\n\nPlease download the product "
             "again from http://www.quillmark.example and re-try the setup."},
        {19, "This folder already contains a previous copy of Pictorva 6. To upgrade or "
             "re-install that copy, please do not change the destination folder."},
        {20, "Pictorva 6 has been completely uninstalled from this computer."},
        {21, "Yes"},
        {22, "No"},
        {23, "Error: Please enter a valid group name, minimum 3 letters"},
        {24, "Error: Can not install shortcuts into this group, please select a different name."},
        {101, "Pictorva 6 Help"},
        {102, "Read about Pictorva 6"},
        {104, "Uninstall Pictorva 6"},
        {57344, "Pictorva Setup"},
    };
    for (const auto& entry : kStrings)
        EXPECT_EQ(platform::LoadResourceString(entry.id), entry.text) << "string " << entry.id;
}

TEST_F(ResourcesContract, NumbersOutsideTheTableReadAsEmpty) {
    for (unsigned id : {0u, 5u, 25u, 103u, 57345u})
        EXPECT_EQ(platform::LoadResourceString(id), "") << "string " << id;
}
