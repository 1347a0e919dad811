// Contract tests on the simulated machine: every test gets a machine of its own.
#include "platform/contract_env.h"

#include "platform/sim/machine.h"

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
}

void ContractTest::TearDown() {
    world_.reset();
}
