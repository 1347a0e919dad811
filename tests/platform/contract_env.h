// What a platform contract test stands on: a fresh, empty place in the file system and in
// the registry, on the simulated machine or on the real Windows under Wine alike.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/registry.h"

class ContractTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A folder that exists and is empty, without a trailing backslash.
    const std::string& Folder() const { return folder_; }
    std::string InFolder(const std::string& name) const { return folder_ + "\\" + name; }

    // A key path under HKEY_CURRENT_USER that does not exist yet.
    const std::string& KeyPath() const { return keyPath_; }

    // True on the simulated machine (to name a known difference of Wine in a skipped case).
    static bool OnSimulatedMachine();

    // Writes bytes exactly as given (binary mode) and reads a whole file back.
    void WriteBytes(const std::string& path, const std::string& bytes);
    std::string ReadBytes(const std::string& path);

  private:
    struct World;
    std::shared_ptr<World> world_;
    std::string folder_;
    std::string keyPath_;
};
