// SPDX-License-Identifier: MIT
#include "cli/output_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace isr::cli {

namespace {

// The temporary file to remove if the program is stopped by a signal; empty when none.
char gTemporary[PATH_MAX + 1];
constexpr int kCleanUpSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction gPrevious[std::size(kCleanUpSignals)];

extern "C" void RemoveTemporaryAndStop(int signal) {
    if (gTemporary[0] != '\0') unlink(gTemporary);
    // Die of the same signal, so that the caller sees how the program ended.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

void WatchSignals(const std::string& temporary) {
    if (temporary.size() > PATH_MAX) return;
    std::memcpy(gTemporary, temporary.c_str(), temporary.size() + 1);
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryAndStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kCleanUpSignals); ++i) {
        sigaction(kCleanUpSignals[i], &action, &gPrevious[i]);
    }
}

void StopWatchingSignals() {
    if (gTemporary[0] == '\0') return;
    for (std::size_t i = 0; i < std::size(kCleanUpSignals); ++i) {
        sigaction(kCleanUpSignals[i], &gPrevious[i], nullptr);
    }
    gTemporary[0] = '\0';
}

// New files get the usual mode: what the umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
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
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    StopWatchingSignals();
}

OutputFile::Opened OutputFile::Open(const std::string& path, std::optional<FileIdentity> input) {
    struct stat st {};
    const bool exists = stat(path.c_str(), &st) == 0;
    const bool device = path.starts_with("/dev/") || path.starts_with("/proc/");
    target_ = path;
    if (device || (exists && !S_ISREG(st.st_mode))) {
        if (exists && input && S_ISREG(st.st_mode) &&
            FileIdentity{st.st_dev, st.st_ino} == *input) {
            return Opened::kSameAsInput;
        }
        descriptor_ = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    } else {
        // Beside the file a link points to, so that the link keeps pointing to the output.
        if (exists) {
            if (char* real = realpath(path.c_str(), nullptr)) {
                target_ = real;
                std::free(real);
            }
        }
        const auto slash = target_.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : target_.substr(0, slash + 1);
        const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
        std::string temporary = folder + '.' + name + ".isr2016-XXXXXX";
        descriptor_ = mkostemp(temporary.data(), O_CLOEXEC);
        if (descriptor_ >= 0) {
            temporary_ = std::move(temporary);
            WatchSignals(temporary_);
            const mode_t mode = exists ? st.st_mode & 07777 : NewFileMode();
            if (fchmod(descriptor_, mode) != 0) {
                Fail(errno);
                Discard();
                return Opened::kFailed;
            }
        }
    }
    if (descriptor_ < 0) {
        Fail(errno);
        return Opened::kFailed;
    }
    buffer_ = std::make_unique<DescriptorOutput>(descriptor_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
    return Opened::kOpened;
}

bool OutputFile::Commit() {
    stream_->flush();
    if (!*stream_) return Fail(buffer_->Error() != 0 ? buffer_->Error() : EIO);
    if (!temporary_.empty()) {
        // On the disk before it takes the name: a crash after the rename must not leave an empty
        // file where the payroll's results were.
        if (fsync(descriptor_) != 0) return Fail(errno);
    }
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0 && errno != EINTR) return Fail(errno);
    if (!temporary_.empty()) {
        if (rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
        temporary_.clear();
        StopWatchingSignals();
    }
    return true;
}

}  // namespace isr::cli
