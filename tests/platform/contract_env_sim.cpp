// Contract tests on the simulated machine: every test gets a machine of its own.
#include "platform/contract_env.h"

#include "platform/sim/machine.h"
#include "platform/sim/program_image.h"

struct ContractTest::World {
    sim::Machine machine;
};

bool ContractTest::OnSimulatedMachine() {
    return true;
}

void ContractTest::SetUp() {
    world_ = std::make_shared<World>();
    folder_ = "C:\\Windows\\Temp\\contract";
    world_->machine.AddFolder(folder_);
    keyPath_ = "Software\\PictorvaContract";
    // The running program, with the version the Windows build's test program carries.
    world_->machine.programPath = "C:\\Tests\\platform_tests.exe";
    world_->machine.AddFile(world_->machine.programPath, sim::ProgramImage(1, 2, 3, 4));
}

void ContractTest::TearDown() {
    world_.reset();
}
