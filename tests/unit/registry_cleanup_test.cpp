// Removing the product's registry entries and giving image associations back.
#include <gtest/gtest.h>

#include "platform/sim/machine.h"
#include "uninstall/registry_cleanup.h"

using namespace platform;

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";
constexpr char kMakerKey[] = "SOFTWARE\\Quillmark";
constexpr char kFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
const std::string kOtherUser = "S-1-5-21-1004336348-1177238915-682003330-1002";

class RegistryCleanup : public ::testing::Test {
  protected:
    sim::Machine machine;

    void SetUp() override { machine.LoadUserHive(kOtherUser); }

    // The product's key with sub-keys and values, as the product leaves it.
    void AddProductKey(RegKey root, const std::string& prefix = "") {
        const std::string key = prefix + kProductKey;
        machine.SetRegString(root, key, "Path", "C:\\P6");
        machine.SetRegString(root, key + "\\Settings\\Recent", "File1", "a.png");
        machine.SetRegString(root, key + "\\Settings", "Zoom", "100");
        machine.SetRegString(root, key + "\\Toolbars", "Visible", "1");
    }
    std::string Hive(const std::string& sid) { return sid + "\\"; }
};

} // namespace

TEST_F(RegistryCleanup, ProductKeyGoesWithAllItsSubKeysEverywhere) {
    AddProductKey(kLocalMachine);
    AddProductKey(kCurrentUser);
    AddProductKey(kUsers, Hive(kOtherUser));
    machine.SetRegString(kLocalMachine, "SOFTWARE\\Classes\\PV6.Document\\shell\\open", nullptr,
                         "Pictrv6.exe %1");
    machine.SetRegString(kLocalMachine,
                         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictorva 6",
                         "DisplayName", "Pictorva 6");
    machine.SetRegString(kLocalMachine,
                         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe",
                         nullptr, "C:\\P6\\Pictrv6.exe");

    CleanRegistry();

    EXPECT_FALSE(machine.KeyExists(kLocalMachine, kProductKey));
    EXPECT_FALSE(machine.KeyExists(kCurrentUser, kProductKey));
    EXPECT_FALSE(machine.KeyExists(kUsers, Hive(kOtherUser) + kProductKey));
    // The maker's keys held nothing else, so they went too.
    EXPECT_FALSE(machine.KeyExists(kLocalMachine, kMakerKey));
    EXPECT_FALSE(machine.KeyExists(kUsers, Hive(kOtherUser) + kMakerKey));
    EXPECT_FALSE(machine.KeyExists(kClassesRoot, "PV6.Document"));
    EXPECT_FALSE(machine.KeyExists(
        kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictorva 6"));
    EXPECT_FALSE(machine.KeyExists(
        kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe"));
    EXPECT_TRUE(machine.KeyExists(kLocalMachine,
                                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths"));
}

TEST_F(RegistryCleanup, MakerKeyStaysWhileAnotherProductLivesInIt) {
    AddProductKey(kLocalMachine);
    machine.SetRegString(kLocalMachine, "SOFTWARE\\Quillmark\\Vistorel 4", "Path", "C:\\V4");
    machine.SetRegString(kCurrentUser, kMakerKey, "Owner", "values only");

    CleanRegistry();

    EXPECT_TRUE(machine.KeyExists(kLocalMachine, "SOFTWARE\\Quillmark\\Vistorel 4"));
    EXPECT_FALSE(machine.KeyExists(kLocalMachine, kProductKey));
    EXPECT_FALSE(machine.KeyExists(kCurrentUser, kMakerKey)); // its values go with it
}

TEST_F(RegistryCleanup, UndeletableSubKeyKeepsItsParentsAndTheRestGoes) {
    AddProductKey(kCurrentUser);
    machine.DenyKey(kCurrentUser, std::string(kProductKey) + "\\Settings\\Recent");

    EXPECT_FALSE(DeleteKeyTree(kCurrentUser, kProductKey));

    EXPECT_TRUE(machine.KeyExists(kCurrentUser, std::string(kProductKey) + "\\Settings\\Recent"));
    EXPECT_FALSE(machine.KeyExists(kCurrentUser, std::string(kProductKey) + "\\Toolbars"));
    EXPECT_TRUE(machine.KeyExists(kCurrentUser, kMakerKey));
}

TEST_F(RegistryCleanup, UserWithoutAdministratorRightsLosesOnlyTheirOwnEntries) {
    AddProductKey(kLocalMachine);
    AddProductKey(kCurrentUser);
    AddProductKey(kUsers, Hive(kOtherUser));
    machine.userIsAdministrator = false;

    CleanRegistry();

    EXPECT_FALSE(machine.KeyExists(kCurrentUser, kProductKey));
    EXPECT_TRUE(machine.KeyExists(kLocalMachine, std::string(kProductKey) + "\\Settings\\Recent"));
    EXPECT_TRUE(machine.KeyExists(kUsers, Hive(kOtherUser) + kProductKey));
}

TEST_F(RegistryCleanup, HiveThatCannotBeOpenedIsPassedOver) {
    AddProductKey(kUsers, Hive(kOtherUser));
    machine.LoadUserHive("S-1-5-21-9-9-9-1003");
    AddProductKey(kUsers, Hive("S-1-5-21-9-9-9-1003"));
    machine.DenyKey(kUsers, kOtherUser);

    CleanRegistry();

    EXPECT_FALSE(machine.KeyExists(kUsers, Hive("S-1-5-21-9-9-9-1003") + kProductKey));
}

namespace {

struct Association {
    const char* extension;
    const char* application; // nullptr: no value
    const char* kept;        // nullptr: no "PictrvOld"
    const char* applicationAfter;
    bool keptAfter;
};

} // namespace

TEST_F(RegistryCleanup, AssociationsGoBackToTheProgramThatHadThem) {
    const Association kCases[] = {
        {".png", "Pictrv6.exe", "mspaint.exe", "mspaint.exe", false},
        {".gif", "Pictrv6.exe", nullptr, nullptr, false},
        {".bmp", "Pictrv6.exe", "", nullptr, false},
        {".jpg", "viewer.exe", "stray.exe", "viewer.exe", true},
        {".tif", "C:\\Program Files\\Pictorva 6\\Pictrv6.exe", "tiffy.exe", "tiffy.exe", false},
        {".tga", "PICTRV6.EXE", "other.exe", "PICTRV6.EXE", true},
        {".txt", "Pictrv6.exe", "notepad.exe", "Pictrv6.exe", true}, // not an image extension
    };
    for (const auto& c : kCases) {
        const std::string key = std::string(kFileExts) + "\\" + c.extension;
        machine.SetRegString(kCurrentUser, key, "Application", c.application);
        if (c.kept)
            machine.SetRegString(kCurrentUser, key, "PictrvOld", c.kept);
    }

    RestoreImageAssociations();

    for (const auto& c : kCases) {
        const std::string key = std::string(kFileExts) + "\\" + c.extension;
        auto application = machine.GetRegString(kCurrentUser, key, "Application");
        if (c.applicationAfter)
            EXPECT_EQ(application, c.applicationAfter) << c.extension;
        else
            EXPECT_FALSE(application) << c.extension;
        EXPECT_EQ(machine.GetRegString(kCurrentUser, key, "PictrvOld").has_value(), c.keptAfter)
            << c.extension;
    }
    EXPECT_EQ(machine.associationChangeNotices, 1);
}

TEST_F(RegistryCleanup, ShellIsNotToldWhenNothingChanged) {
    machine.SetRegString(kCurrentUser, std::string(kFileExts) + "\\.jpg", "Application",
                         "viewer.exe");
    RestoreImageAssociations();
    EXPECT_EQ(machine.associationChangeNotices, 0);
}

TEST_F(RegistryCleanup, WithoutTheUsersFileExtsKeyTheClassesDefaultsAreUsed) {
    machine.SetRegString(kClassesRoot, ".png", nullptr, "Pictrv6.exe");
    machine.SetRegString(kClassesRoot, ".png", "PictrvOld", "pngfile");
    machine.SetRegString(kClassesRoot, ".gif", nullptr, "giffile");

    RestoreImageAssociations();

    EXPECT_EQ(machine.GetRegString(kClassesRoot, ".png", nullptr), "pngfile");
    EXPECT_FALSE(machine.GetRegString(kClassesRoot, ".png", "PictrvOld"));
    EXPECT_EQ(machine.GetRegString(kClassesRoot, ".gif", nullptr), "giffile");
    EXPECT_EQ(machine.associationChangeNotices, 1);
}

TEST_F(RegistryCleanup, KeptAssociationTooLongForTheBufferCountsAsMissing) {
    const std::string key = std::string(kFileExts) + "\\.png";
    machine.SetRegString(kCurrentUser, key, "Application", "Pictrv6.exe");
    machine.SetRegString(kCurrentUser, key, "PictrvOld", std::string(512, 'x'));
    RestoreImageAssociations();
    EXPECT_FALSE(machine.GetRegString(kCurrentUser, key, "Application"));
    EXPECT_FALSE(machine.GetRegString(kCurrentUser, key, "PictrvOld"));

    machine.SetRegString(kCurrentUser, key, "Application", "Pictrv6.exe");
    machine.SetRegString(kCurrentUser, key, "PictrvOld", std::string(511, 'y'));
    RestoreImageAssociations();
    EXPECT_EQ(machine.GetRegString(kCurrentUser, key, "Application"), std::string(511, 'y'));
}
