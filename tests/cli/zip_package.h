// SPDX-License-Identifier: MIT
// ZIP packages for the tests, written with libarchive.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace isr::test {

// Writes a ZIP at `path` of the entries, in their order; an entry ending in "/" is a folder.
void WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace isr::test
