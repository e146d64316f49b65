// What the fuzz targets share: a private folder for the files they make,
// removed when the fuzzer ends, and a finding reported as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder of this process's own under the temporary folder.
inline std::string FuzzFolder() {
    static std::string folder;
    if (folder.empty()) {
        std::string name = (std::filesystem::temp_directory_path() / "stellarion-fuzz-XXXXXX").string();
        if (!mkdtemp(name.data())) std::abort();
        folder = name;
        std::atexit([] { std::filesystem::remove_all(folder); });
    }
    return folder;
}

// An invariant that did not hold: said on standard error, then a crash, so
// that the fuzzer keeps the input that broke it.
[[noreturn]] inline void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}
