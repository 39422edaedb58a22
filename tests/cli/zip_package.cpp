// SPDX-License-Identifier: MIT
#include "zip_package.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

namespace isr::test {

void WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& entries) {
    archive* package = archive_write_new();
    archive_write_set_format_zip(package);
    ASSERT_EQ(archive_write_open_filename(package, path.c_str()), ARCHIVE_OK);
    for (const auto& [name, bytes] : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        const bool folder = name.back() == '/';
        archive_entry_set_filetype(entry, folder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, folder ? 0 : static_cast<la_int64_t>(bytes.size()));
        EXPECT_EQ(archive_write_header(package, entry), ARCHIVE_OK);
        if (!folder) {
            EXPECT_EQ(archive_write_data(package, bytes.data(), bytes.size()),
                      static_cast<la_ssize_t>(bytes.size()));
        }
        archive_entry_free(entry);
    }
    EXPECT_EQ(archive_write_close(package), ARCHIVE_OK);
    archive_write_free(package);
}

}  // namespace isr::test
