// SPDX-License-Identifier: MIT
// A named output of the batch. A regular file is written to a temporary file beside it and put
// in its place only by Commit, once the run has finished: until then an earlier file of that
// name stays as it was, and a run that fails or is interrupted leaves no partial file under that
// name. The temporary file has no name at all where the file system allows it (O_TMPFILE), so
// that not even SIGKILL leaves it behind; elsewhere it is a hidden file that a signal ending the
// program removes. A symbolic link is followed to its target, as the shell's ">" does, and the
// target is made if missing; a replaced file keeps its mode and, as far as the user may give
// them, its owner and group. Anything else (a pipe, a terminal, a device, a name under /dev or
// /proc) is written directly.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/descriptor_output.h"
#include "cli/removal_on_signal.h"

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
    // How a regular file's temporary file is made: without a name where the file system allows
    // it, or always named (what happens on a file system without O_TMPFILE).
    enum class Temporary : std::uint8_t { kUnnamedWherePossible, kNamed };

    explicit OutputFile(Temporary temporary = Temporary::kUnnamedWherePossible)
        : wanted_(temporary) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Opened Open(const std::string& path, std::optional<FileIdentity> input);
    std::ostream& Stream() { return *stream_; }
    // Flushes the output; for a regular file also syncs it to the disk and puts it in place.
    // True when all of it is there; false with Error() set otherwise.
    bool Commit();
    // The errno of what failed.
    int Error() const { return error_; }

  private:
    enum class Kind : std::uint8_t { kDirect, kUnnamed, kNamed };

    bool Fail(int error);
    void Discard();
    bool OpenTemporary(const struct stat* existing);
    // Gives the unnamed temporary file a hidden name beside the target.
    bool LinkUnnamed();

    Temporary wanted_;
    Kind kind_ = Kind::kDirect;
    std::string target_;     // where the output ends up: no symbolic link in its last part
    std::string temporary_;  // the temporary file's name while it has one
    std::optional<RemovalOnSignal> removal_;  // of temporary_
    int descriptor_ = -1;
    std::unique_ptr<DescriptorOutput> buffer_;
    std::unique_ptr<std::ostream> stream_;
    int error_ = 0;
};

}  // namespace isr::cli
