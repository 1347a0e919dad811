// Finding an earlier installation, the default destination, the setup's folder and versions.
#include <gtest/gtest.h>

#include "app/discovery.h"
#include "platform/sim/machine.h"
#include "platform/sim/program_image.h"

using platform::kLocalMachine;

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";
constexpr char kAppPathKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe";
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

class Discovery : public ::testing::Test {
  protected:
    sim::Machine machine;
    void SetUp() override { ResetSetupState(); }
};

} // namespace

TEST_F(Discovery, InstalledFolderFromThePathValueOrTheAppPathsEntry) {
    const struct {
        const char* path;    // nullptr: no value
        const char* appPath; // nullptr: no value
        const char* folder;
    } kCases[] = {
        {"C:\\Apps\\Pictorva 6\\", nullptr, "C:\\Apps\\Pictorva 6"},
        {"C:\\Apps\\Pictorva 6", "D:\\Other\\Pictrv6.exe", "C:\\Apps\\Pictorva 6"},
        {"D:\\Gone", nullptr, "D:\\Gone"}, // not checked for existence
        {nullptr, "C:\\Apps\\P6\\Pictrv6.exe", "C:\\Apps\\P6"},
        {"", "C:\\Apps\\P6\\Pictrv6.exe", "C:\\Apps\\P6"},
        {nullptr, "C:\\Apps\\P6\\PICTRV6.EXE", ""},
        {nullptr, "\"C:\\Apps\\P6\\Pictrv6.exe\"", "\"C:\\Apps\\P6"},
        {nullptr, "C:\\Apps\\P6\\\\Pictrv6.exe", "C:\\Apps\\P6"},
        {nullptr, "Pictrv6.exe", ""},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : kCases) {
        sim::Machine fresh;
        if (c.path)
            fresh.SetRegString(kLocalMachine, kProductKey, "Path", c.path);
        if (c.appPath)
            fresh.SetRegString(kLocalMachine, kAppPathKey, nullptr, c.appPath);
        EXPECT_EQ(FindInstalledFolder(), c.folder)
            << (c.path ? c.path : "-") << " / " << (c.appPath ? c.appPath : "-");
    }
}

TEST_F(Discovery, DefaultFolderFromTheRegistryOrTheWindowsDrive) {
    machine.SetRegString(kLocalMachine, kWindowsKey, "ProgramFilesDir", "D:\\Programs\\");
    EXPECT_EQ(DefaultProgramFilesFolder(), "D:\\Programs");

    machine.SetRegString(kLocalMachine, kWindowsKey, "ProgramFilesDir", "");
    machine.windowsFolder = "C:\\WINDOWS";
    EXPECT_EQ(DefaultProgramFilesFolder(), "C:\\Program Files");
    machine.windowsFolder = "E:\\OS\\WINNT";
    EXPECT_EQ(DefaultProgramFilesFolder(), "E:\\Program Files");
}

TEST_F(Discovery, SetupFolderIsTheProgramsFolder) {
    machine.programPath = "C:\\Downloads\\Pictorva\\setup.exe";
    EXPECT_EQ(SetupProgramFolder(), "C:\\Downloads\\Pictorva");
    machine.programPath = "C:\\setup.exe";
    EXPECT_EQ(SetupProgramFolder(), "C:");
    machine.codePage = 932;
    machine.programPath = "C:\\\x95\x5c\\setup.exe";
    EXPECT_EQ(SetupProgramFolder(), "C:\\\x95\x5c");
}

TEST_F(Discovery, VersionOfAProductExecutable) {
    machine.AddFile("C:\\Src\\Pictrv6.exe", sim::ProgramImage(6, 70, 1, 3));
    machine.AddFile("C:\\Src\\Plain.exe", sim::ProgramImageWithoutVersion());
    theSetupState.productVersion = {9, 9, 9, 9};

    ReadFileVersion("C:\\Src\\Pictrv6.exe");
    const ProductVersion& v = theSetupState.productVersion;
    EXPECT_EQ(v.major, 6u);
    EXPECT_EQ(v.minor, 70u);
    EXPECT_EQ(v.build, 1u);
    EXPECT_EQ(v.revision, 3u);

    for (const char* path : {"C:\\Src\\Plain.exe", "C:\\Src\\Missing.exe"}) {
        theSetupState.productVersion = {9, 9, 9, 9};
        ReadFileVersion(path);
        EXPECT_EQ(PackedVersion(theSetupState.productVersion), 0u) << path;
        EXPECT_EQ(theSetupState.productVersion.major, 0u) << path;
    }
}

TEST_F(Discovery, PackedVersions) {
    const struct {
        ProductVersion version; // revision, build, minor, major
        std::uint32_t packed;
    } kCases[] = {
        {{0, 1, 70, 6}, 6700100u},
        {{0, 0, 100, 5}, 6000000u},
        {{0, 0, 0, 6}, 6000000u},
        {{5, 0, 10, 6}, 6100005u},
        {{65535, 65535, 65535, 65535},
         65535u * 1000000u + 65535u * 10000u + 65535u * 100u + 65535u},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PackedVersion(c.version), c.packed) << c.version.major << "." << c.version.minor;
    // Versions compare by their packed numbers: 6.10.0.5 is older than 6.20.0.0.
    EXPECT_LT(PackedVersion({5, 0, 10, 6}), PackedVersion({0, 0, 20, 6}));
}
