// SPDX-License-Identifier: MIT
#include "cli/receipt_sources.h"

#include <archive.h>
#include <archive_entry.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#include "cli/system_error_text.h"

namespace isr::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPieceSize = 64 * 1024;

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - suffix.size(), [](char s, char n) {
        return s == (n >= 'A' && n <= 'Z' ? static_cast<char>(n - 'A' + 'a') : n);
    });
}

ReceiptPath PathOf(const std::string& path) {
    return {path, EndsWithIgnoringCase(path, ".zip"), {}};
}

std::string TooLarge() {
    return std::string(kTooLarge);
}

struct FolderCloser {
    void operator()(DIR* folder) const { closedir(folder); }
};

// Every ".xml" file under the folder; a folder that can't be listed is kept with why. Links to
// folders are not followed: a link to a parent would never end. Read with readdir, whose
// entries say which are folders, as a folder of a year's receipts lists tens of thousands.
void ListFolder(const std::string& folder, std::vector<ReceiptPath>& paths) {
    const std::unique_ptr<DIR, FolderCloser> entries(opendir(folder.c_str()));
    if (entries == nullptr) {
        paths.push_back({folder, false, SystemErrorText(errno)});
        return;
    }
    const std::string prefix = folder.ends_with('/') ? folder : folder + '/';
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(entries.get());
        if (entry == nullptr) {
            error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool inner = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            inner =
                fstatat(dirfd(entries.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(status.st_mode);
        }
        if (inner) {
            ListFolder(prefix + std::string(name), paths);
        } else if (EndsWithIgnoringCase(name, ".xml")) {
            paths.push_back({prefix + std::string(name), false, {}});
        }
    }
    if (error != 0) paths.push_back({folder, false, SystemErrorText(error)});
}

class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor_; }

  private:
    int descriptor_;
};

}  // namespace

namespace {

// Non-blocking, so that a pipe named like a receipt can't hold the run; it is refused below.
constexpr int kFileFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;

// The file just opened (or not), read whole into `bytes`.
std::string ReadOpened(const Descriptor& file, std::string& bytes) {
    struct stat status {};
    if (file.Get() < 0 || fstat(file.Get(), &status) != 0) {
        const int error = errno;
        bytes.clear();
        return "no se pudo leer: " + SystemErrorText(error);
    }
    const auto expected = static_cast<std::size_t>(status.st_size);
    if (!S_ISREG(status.st_mode) || expected > kLargestReceipt) {
        bytes.clear();
        return S_ISREG(status.st_mode) ? TooLarge() : "no es un archivo";
    }
    // Room for the size the file has, and one byte to see that it grew (the room the last file
    // left is not filled again); a file that grows is followed up to the largest receipt and one
    // byte. One that comes whole in one short read is done: a regular file reads short only at
    // its end.
    bytes.resize(expected + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > kLargestReceipt) break;
            bytes.resize(std::min(2 * size, kLargestReceipt + 1));
        }
        const auto got = read(file.Get(), bytes.data() + size, bytes.size() - size);
        if (got == 0) break;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            bytes.clear();
            return "no se pudo leer: " + SystemErrorText(error);
        }
        size += static_cast<std::size_t>(got);
        if (size == expected && size < bytes.size()) break;
    }
    // A file that grew while it was read is refused as one that was too large.
    if (size > kLargestReceipt) {
        bytes.clear();
        return TooLarge();
    }
    bytes.resize(size);
    return {};
}

}  // namespace

std::string ReadReceiptFile(const std::string& path, std::string& bytes) {
    return ReadOpened(Descriptor(open(path.c_str(), kFileFlags)), bytes);
}

ReceiptFileReader::~ReceiptFileReader() {
    if (folderDescriptor_ >= 0) close(folderDescriptor_);
}

std::string ReceiptFileReader::Read(const std::string& path) {
    const auto cut = path.rfind('/');
    if (cut == std::string::npos || cut == 0) return ReadReceiptFile(path, bytes_);
    const std::string_view folder(path.data(), cut);
    if (folder != folder_) {
        if (folderDescriptor_ >= 0) close(folderDescriptor_);
        folder_ = folder;
        folderDescriptor_ = open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    // A folder that can't be opened is left to the whole path, and to what it says is wrong.
    if (folderDescriptor_ < 0) return ReadReceiptFile(path, bytes_);
    return ReadOpened(Descriptor(openat(folderDescriptor_, path.c_str() + cut + 1, kFileFlags)),
                      bytes_);
}

namespace {

struct ArchiveDeleter {
    void operator()(archive* package) const { archive_read_free(package); }
};

std::string ArchiveError(archive* package) {
    const char* text = archive_error_string(package);
    return text != nullptr ? text : "error desconocido";
}

// The entry being read of an open package, streamed in pieces: never more than the largest
// receipt is held, whatever the entry expands to.
void ReadEntry(archive* package, archive_entry* entry, ReceiptDocument& document) {
    if (archive_entry_size_is_set(entry) != 0 &&
        static_cast<std::size_t>(archive_entry_size(entry)) > kLargestReceipt) {
        document.problem = TooLarge();
        return;
    }
    std::array<char, kPieceSize> piece;
    for (;;) {
        const auto got = archive_read_data(package, piece.data(), piece.size());
        if (got == 0) return;
        if (got < 0) {
            document.problem = "no se pudo descomprimir: " + ArchiveError(package);
            document.bytes.clear();
            return;
        }
        if (document.bytes.size() + static_cast<std::size_t>(got) > kLargestReceipt) {
            document.problem = TooLarge();
            document.bytes.clear();
            return;
        }
        document.bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
}

void ReadZip(const std::string& path, const std::function<void(ReceiptDocument&&)>& take) {
    const std::unique_ptr<archive, ArchiveDeleter> package(archive_read_new());
    archive_read_support_format_zip(package.get());
    if (archive_read_open_filename(package.get(), path.c_str(), kPieceSize) != ARCHIVE_OK) {
        take({path, {}, "no es un ZIP que se pueda leer: " + ArchiveError(package.get())});
        return;
    }
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(package.get(), &entry);
        if (status == ARCHIVE_EOF) return;
        if (status < ARCHIVE_WARN) {
            take({path, {}, "ZIP dañado: " + ArchiveError(package.get())});
            return;
        }
        const char* name = archive_entry_pathname(entry);
        if (archive_entry_filetype(entry) != AE_IFREG || name == nullptr ||
            !EndsWithIgnoringCase(name, ".xml"))
            continue;
        ReceiptDocument document{path + ":" + name, {}, {}};
        ReadEntry(package.get(), entry, document);
        take(std::move(document));
    }
}

}  // namespace

std::variant<std::vector<ReceiptPath>, UnreadablePath> ListReceiptPaths(
    const std::vector<std::string>& arguments) {
    std::vector<ReceiptPath> paths;
    for (const auto& argument : arguments) {
        struct stat status {};
        if (stat(argument.c_str(), &status) != 0)
            return UnreadablePath{argument, SystemErrorText(errno)};
        if (!S_ISDIR(status.st_mode)) {
            if (access(argument.c_str(), R_OK) != 0)
                return UnreadablePath{argument, SystemErrorText(errno)};
            paths.push_back(PathOf(argument));
            continue;
        }
        std::error_code error;
        fs::directory_iterator probe(argument, error);
        if (error) return UnreadablePath{argument, SystemErrorText(error.value())};
        std::vector<ReceiptPath> found;
        ListFolder(argument, found);
        std::sort(found.begin(), found.end(),
                  [](const ReceiptPath& a, const ReceiptPath& b) { return a.path < b.path; });
        paths.insert(paths.end(), std::make_move_iterator(found.begin()),
                     std::make_move_iterator(found.end()));
    }
    return paths;
}

void ReadReceiptDocuments(const ReceiptPath& path,
                          const std::function<void(ReceiptDocument&&)>& take) {
    if (!path.problem.empty()) {
        take({path.path, {}, "no se pudo leer la carpeta: " + path.problem});
    } else if (path.zip) {
        ReadZip(path.path, take);
    } else {
        ReceiptDocument document{path.path, {}, {}};
        document.problem = ReadReceiptFile(path.path, document.bytes);
        take(std::move(document));
    }
}

}  // namespace isr::cli
