// SPDX-License-Identifier: MIT
#include "cli/output_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace isr::cli {

namespace {

// As the kernel's own limit on the links followed in one path.
constexpr int kMostLinksFollowed = 40;

// New files get the usual mode: what the umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows `path` while it is a symbolic link, to the file the shell's ">" would write: one that
// exists, or the missing name a dangling link points to. 0, or the errno of what stopped it.
int FollowLinks(std::string& path) {
    for (int followed = 0;; ++followed) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        if (followed == kMostLinksFollowed) return ELOOP;
        char link[PATH_MAX];
        const ssize_t size = readlink(path.c_str(), link, sizeof link);
        if (size < 0) return errno;
        if (static_cast<std::size_t>(size) == sizeof link) return ENAMETOOLONG;
        const std::string to(link, static_cast<std::size_t>(size));
        path = to.starts_with('/') ? to : FolderOf(path) + to;
    }
}

// A hidden name beside `target` that is unlikely to be taken: ".NAME.isr2016-" and 12 random
// hexadecimal digits.
std::string HiddenNameBeside(const std::string& target) {
    const std::string folder = FolderOf(target);
    std::uint64_t random = 0;
    if (getrandom(&random, sizeof random, 0) != sizeof random) {
        random = static_cast<std::uint64_t>(getpid()) * 0x9E3779B97F4A7C15U;
    }
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%012llx",
                  static_cast<unsigned long long>(random & 0xFFFF'FFFF'FFFFU));
    return folder + '.' + target.substr(folder.size()) + ".isr2016-" + suffix;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(int descriptor) {
    struct stat st {};
    if (fstat(descriptor, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

OutputFile::~OutputFile() {
    Discard();
}

bool OutputFile::Fail(int error) {
    error_ = error;
    return false;
}

void OutputFile::Discard() {
    stream_.reset();
    buffer_.reset();
    // An unnamed temporary file goes away with its last descriptor.
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    removal_.reset();
}

OutputFile::Opened OutputFile::Open(const std::string& path, std::optional<FileIdentity> input) {
    target_ = path;
    if (const int error = FollowLinks(target_); error != 0) {
        Fail(error);
        return Opened::kFailed;
    }
    // The kernel follows /proc's links to what a descriptor holds (a pipe, a terminal), which
    // have no path to follow.
    struct stat st {};
    const bool exists = stat(path.c_str(), &st) == 0;
    const auto special = [](const std::string& name) {
        return name.starts_with("/dev/") || name.starts_with("/proc/");
    };
    const bool device = special(path) || special(target_);
    if (device || (exists && !S_ISREG(st.st_mode))) {
        if (exists && input && S_ISREG(st.st_mode) &&
            FileIdentity{st.st_dev, st.st_ino} == *input) {
            return Opened::kSameAsInput;
        }
        kind_ = Kind::kDirect;
        descriptor_ = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor_ < 0) {
            Fail(errno);
            return Opened::kFailed;
        }
    } else {
        // A file the user may not write is not replaced either, as cp would not write it.
        if (exists && faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
            Fail(errno);
            return Opened::kFailed;
        }
        if (!OpenTemporary(exists ? &st : nullptr)) {
            Discard();
            return Opened::kFailed;
        }
    }
    buffer_ = std::make_unique<DescriptorOutput>(descriptor_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
    return Opened::kOpened;
}

bool OutputFile::OpenTemporary(const struct stat* existing) {
    const std::string folder = FolderOf(target_);
    if (wanted_ == Temporary::kUnnamedWherePossible) {
        descriptor_ =
            open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        kind_ = Kind::kUnnamed;
    }
    // Any failure, an unsupported file system's included, is the named file's to say again.
    if (descriptor_ < 0) {
        std::string temporary = folder + '.' + target_.substr(folder.size()) + ".isr2016-XXXXXX";
        descriptor_ = mkostemp(temporary.data(), O_CLOEXEC);
        if (descriptor_ < 0) return Fail(errno);
        kind_ = Kind::kNamed;
        temporary_ = std::move(temporary);
        removal_.emplace(temporary_);
    }
    if (existing != nullptr && fchown(descriptor_, existing->st_uid, existing->st_gid) != 0) {
        // A user may not give a file away; keep at least the group, where the user is in it.
        static_cast<void>(fchown(descriptor_, static_cast<uid_t>(-1), existing->st_gid));
    }
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    const mode_t mode = existing != nullptr ? existing->st_mode & 07777 : NewFileMode();
    return fchmod(descriptor_, mode) == 0 || Fail(errno);
}

bool OutputFile::LinkUnnamed() {
    char self[32];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", descriptor_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = HiddenNameBeside(target_);
        // Watched before it exists, so that there is no moment when it could be left behind.
        removal_.emplace(name);
        int linked = linkat(AT_FDCWD, self, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        // Without /proc, the descriptor itself (which needs more privilege).
        if (linked != 0 && errno == ENOENT) {
            linked = linkat(descriptor_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
        }
        if (linked == 0) {
            temporary_ = std::move(name);
            return true;
        }
        removal_.reset();
        if (errno != EEXIST) return Fail(errno);
    }
    return Fail(EEXIST);
}

bool OutputFile::Commit() {
    stream_->flush();
    if (!*stream_) return Fail(buffer_->Error() != 0 ? buffer_->Error() : EIO);
    if (kind_ != Kind::kDirect) {
        // On the disk before it takes the name: a crash after the rename must not leave an empty
        // file where the payroll's results were.
        if (fsync(descriptor_) != 0) return Fail(errno);
    }
    if (kind_ == Kind::kUnnamed && !LinkUnnamed()) return false;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0 && errno != EINTR) return Fail(errno);
    if (kind_ != Kind::kDirect) {
        if (rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
        temporary_.clear();
        removal_.reset();
    }
    return true;
}

}  // namespace isr::cli
