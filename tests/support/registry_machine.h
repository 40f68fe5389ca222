// A fresh machine for registry tests: the per-test machine, plus the test keys removed afterwards
// (in the sandbox they go with the machine; under Wine the registry outlives the test).
#pragma once

#include "platform/registry.h"
#include "support/test_machine.h"

#include <string>

class RegistryMachine : public TestMachine {
protected:
    // Every test key lives below these, in HKEY_CURRENT_USER and in HKEY_LOCAL_MACHINE.
    static constexpr const char *userTestKey = "Software\\VeltraTests";
    static constexpr const char *machineTestKey = "SOFTWARE\\VeltraTests";

    void SetUp() override;
    void TearDown() override;

    // Creates (or opens) root\path for reading and writing; fails the test when that fails.
    os::HKey createKey(os::HKey root, const std::string &path, std::uint32_t view = 0);
    // Opens root\path for reading; null when it does not exist.
    os::HKey openKey(os::HKey root, const std::string &path, std::uint32_t view = 0);

    void setValue(os::HKey key, const char *name, std::uint32_t type, const std::string &data);
    // The data of a value as the seam hands it back, or "<missing>".
    std::string valueData(os::HKey key, const char *name, std::uint32_t *type = nullptr);

private:
    void removeTestKeys();
};
