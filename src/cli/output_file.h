// SPDX-License-Identifier: MIT
// A named output of the batch. A regular file is written to a temporary file beside it and renamed
// into place only by Commit, once the run has finished: until then an earlier file of that name
// stays as it was, and a run that fails or is interrupted leaves no partial file under that name
// (only one OutputFile at a time may be open: it removes its temporary file on SIGINT, SIGTERM
// and SIGHUP). Anything else (a pipe, a terminal, a device, a name under /dev or /proc) is
// written directly.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/descriptor_output.h"

namespace isr::cli {

// A regular file, however it is named (a path, a symbolic or a hard link).
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The regular file open on `descriptor`; nothing for anything else.
std::optional<FileIdentity> IdentityOf(int descriptor);

class OutputFile {
  public:
    enum class Opened : std::uint8_t {
        kOpened,
        // The output would be written straight into the input file while it is read: nothing was
        // touched. (Through a temporary file the input is read to its end before it is replaced,
        // so that works.)
        kSameAsInput,
        kFailed,  // Error() says why
    };

    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Opened Open(const std::string& path, std::optional<FileIdentity> input);
    std::ostream& Stream() { return *stream_; }
    // Flushes the output; for a regular file also syncs it to the disk and renames it into
    // place. True when all of it is there; false with Error() set otherwise.
    bool Commit();
    // The errno of what failed.
    int Error() const { return error_; }

  private:
    bool Fail(int error);
    void Discard();

    std::string target_;     // where the output ends up
    std::string temporary_;  // empty when writing directly, or once renamed
    int descriptor_ = -1;
    std::unique_ptr<DescriptorOutput> buffer_;
    std::unique_ptr<std::ostream> stream_;
    int error_ = 0;
};

}  // namespace isr::cli
