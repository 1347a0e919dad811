#include "install/install_file.h"

#include <cstring>
#include <vector>

#include "common/ansi_text.h"
#include "common/folder_names.h"
#include "platform/delayed_move.h"
#include "platform/file_ops.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

constexpr char kWinInitFile[] = "WININIT.INI";
constexpr char kRenameSection[] = "rename";

bool Fits(const std::string& path) {
    return path.size() <= kMaxPathLength;
}

// Adds "key=value" as the last entry of WININIT.INI's "rename" section. A section that was
// cut on reading, or that the entry would overflow, is left as it is: false.
bool AddRenameEntry(const std::string& key, const std::string& value) {
    std::vector<char> block(kRenameSectionSize, '\0');
    const std::uint32_t used =
        platform::ReadIniSection(kRenameSection, block.data(), kRenameSectionSize, kWinInitFile);
    const std::string entry = key + "=" + value;
    if (used >= kRenameSectionSize - 2 || used + entry.size() + 2 > kRenameSectionSize)
        return false;
    std::memcpy(block.data() + used, entry.data(), entry.size());
    block[used + entry.size()] = '\0';
    block[used + entry.size() + 1] = '\0';
    return platform::WriteIniSection(kRenameSection, block.data(), kWinInitFile);
}

} // namespace

bool InstallFile(const std::string& name, const std::string& sourceFolder,
                 const std::string& destinationFolder, const std::optional<std::string>& target) {
    std::string source = sourceFolder;
    std::string destination = destinationFolder;
    AppendSeparator(source);
    AppendSeparator(destination);
    const bool sameFolder = EqualsIgnoringCase(source, destination);
    if (sameFolder && !target)
        return true;

    const std::string sourceFile = source + name;
    if (!Fits(sourceFile) || !platform::PathExists(sourceFile))
        return false;
    const std::string destinationFile = destination + (target ? *target : name);
    if (!Fits(destinationFile))
        return false;
    // One look at the destination tells whether it exists and whether it is a folder, which
    // is never moved aside or scheduled for deletion. (Every look is a path lookup, under
    // Wine often a folder read too, and this runs once per installed file.)
    const std::uint32_t attributes = platform::GetFileAttrs(destinationFile);
    const bool destinationExists = attributes != platform::kInvalidAttributes;
    if (destinationExists && (attributes & platform::kAttrDirectory))
        return false;

    if (sameFolder && destinationExists && !platform::RemoveFile(destinationFile))
        return true;
    if (!destinationExists || sameFolder)
        return platform::CopyFileTo(sourceFile, destinationFile);

    platform::SetFileAttrs(destinationFile,
                           attributes & ~(platform::kAttrReadOnly | platform::kAttrHidden));
    if (platform::RemoveFile(destinationFile))
        return platform::CopyFileTo(sourceFile, destinationFile);

    // In use. Without room for the aside and staging names nothing is touched.
    std::string aside = destinationFile + ".old";
    const std::string staging = destinationFile + ".new";
    if (!Fits(aside + "2") || !Fits(staging))
        return false;
    if (platform::PathExists(aside) && !platform::RemoveFile(aside)) {
        DeleteFileAtRestart(aside);
        aside += "2";
        platform::RemoveFile(aside);
    }
    if (platform::MoveFileTo(destinationFile, aside)) {
        DeleteFileAtRestart(aside);
        return platform::CopyFileTo(sourceFile, destinationFile);
    }

    // Neither deletable nor movable: stage the new file to take its place at the next start.
    // Without a staged copy the destination is left alone.
    platform::RemoveFile(staging);
    if (platform::CopyFileTo(sourceFile, staging)) {
        DeleteFileAtRestart(destinationFile);
        RenameFileAtRestart(staging, destinationFile);
    }
    return platform::CopyFileTo(sourceFile, destinationFile);
}

bool DeleteFileAtRestart(const std::string& path) {
    if (platform::ScheduleDelayedMove(path, nullptr))
        return true;
    return AddRenameEntry("NUL", path);
}

void RenameFileAtRestart(const std::string& existing, const std::string& newPath) {
    if (platform::ScheduleDelayedMove(existing, newPath.c_str()))
        return;
    AddRenameEntry(newPath, existing);
}
