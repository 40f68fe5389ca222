// A fresh copy of the sample machine in a temporary folder, and the programs run on it as if
// installed in C:\Program Files\Veltra (Linux build only).
#pragma once

#include <string>

class SampleCopy {
public:
    // Copies the sample machine of samplesFolder (its copy-machine script) to a new test folder.
    explicit SampleCopy(const std::string &samplesFolder);
    ~SampleCopy();
    SampleCopy(const SampleCopy &) = delete;
    SampleCopy &operator=(const SampleCopy &) = delete;

    // The machine's folder (VELTRA_ROOT).
    const std::string &root() const { return root_; }

    struct Outcome {
        int code; // the exit code; -1 when the program did not end by itself within 60 s
        std::string out, err;
    };
    // Runs program (arguments shell-quoted by the caller) with input on its standard input and more
    // environment settings (NAME=VALUE words; by default a user without administrator rights).
    Outcome run(const std::string &program, const std::string &arguments, const std::string &input = "",
                const std::string &environment = "VELTRA_ADMIN=0") const;

    // The bytes of a file below the machine's folder ('/' separated); empty when it is missing.
    std::string bytes(const std::string &relative) const;
    // Every file below drive_c with its bytes, and the registry, as one text: the machine as a
    // deployment leaves it. The programs' own folder (AppData\Local\Veltra) is left out.
    std::string state() const;

private:
    std::string work_;
    std::string root_;
};
