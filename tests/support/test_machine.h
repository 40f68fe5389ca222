// A fresh machine for each test: an empty scratch folder on a machine of its own, and raw
// access to the bytes of its files that does not go through the layer under test.
#pragma once

#include <gtest/gtest.h>

#include <string>

// Test fixture. Linux: a new sandbox folder, set as VELTRA_ROOT with an empty drive C:, removed
// afterwards. Windows: a new folder under the temporary folder, removed afterwards.
class TestMachine : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Windows path of the scratch folder, without trailing separator.
    const std::string &scratch() const { return windowsScratch; }
    // Windows path of a file or folder in the scratch folder ('\' separated relative path).
    std::string scratchPath(const std::string &relative) const { return windowsScratch + "\\" + relative; }

    // Writes or reads a scratch file's bytes as they are on disk. Reading a missing file fails
    // the test and gives the empty text.
    void writeBytes(const std::string &relative, const std::string &bytes) const;
    std::string readBytes(const std::string &relative) const;
    bool hostFileExists(const std::string &relative) const;
    // Waits (up to 30 s) until a scratch file exists and ends with ending; gives its bytes, or
    // fails the test and gives what was there.
    std::string waitForFile(const std::string &relative, const std::string &ending) const;
    // The path of a scratch file on the machine that runs the tests.
    std::string hostPathOf(const std::string &relative) const;

private:

    std::string windowsScratch;
    std::string hostScratch;
};

// The platform half of the fixture (tests/support/<platform>/).
namespace test_machine {
// Makes a fresh machine with an empty scratch folder; gives its Windows path and host path.
void create(std::string &windowsScratch, std::string &hostScratch);
// Removes the machine made by create.
void destroy(const std::string &hostScratch);
// The host path of a path relative to the scratch folder.
std::string hostPath(const std::string &hostScratch, const std::string &relative);
// Sets (or, when value is null, removes) a variable of the process environment; name and
// value are code page 1252.
void setVariable(const char *name, const char *value);
} // namespace test_machine
