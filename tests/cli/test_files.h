// SPDX-License-Identifier: MIT
// Whole files in and out, byte for byte, for tests that look at what a run left behind.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace isr::test {

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace isr::test
