// SPDX-License-Identifier: MIT
// Where receipts come from: XML files, folders of them and ZIP packages (the SAT's bulk
// download), each document read whole into memory but never beyond a fixed size, a ZIP entry
// by streaming, so that no input makes the program hold more.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "receipts/reading_limits.h"

namespace isr::cli {

struct ReceiptDocument {
    std::string name;     // the file's path; for a ZIP entry, "package.zip:entry.xml"
    std::string bytes;    // the whole document, at most kLargestReceipt
    std::string problem;  // why it was not read, empty when it was
};

struct ReceiptPath {
    std::string path;
    bool zip = false;     // by its name: ".zip" in any case
    std::string problem;  // a folder inside that could not be listed, and why
};

struct UnreadablePath {
    std::string path;
    std::string why;
};

// The files the arguments name, in a stable order: the arguments in their order, a folder's
// files with a name ending in ".xml" (any case) at any depth, sorted by path (a folder inside
// that can't be listed among them, with why). An argument that
// doesn't exist or can't be listed is refused.
std::variant<std::vector<ReceiptPath>, UnreadablePath> ListReceiptPaths(
    const std::vector<std::string>& arguments);

// One XML file read whole into `bytes`, whose room a reader keeps from file to file: empty when
// it was read, else why not (and `bytes` empty).
std::string ReadReceiptFile(const std::string& path, std::string& bytes);

// Files read one after another as ReadReceiptFile reads them, each opened in the folder of the
// last one when it is the same: a year's receipts are thousands of files in a few folders, and
// the kernel walks a whole path again for every file opened by it.
class ReceiptFileReader {
  public:
    ReceiptFileReader() = default;
    ~ReceiptFileReader();
    ReceiptFileReader(const ReceiptFileReader&) = delete;
    ReceiptFileReader& operator=(const ReceiptFileReader&) = delete;

    // Empty when the file was read, else why not; Bytes() holds it until the next.
    std::string Read(const std::string& path);
    std::string_view Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::string folder_;
    int folderDescriptor_ = -1;
};

// Hands `take` each document of the path in order: the file itself, or a ZIP's ".xml" entries
// in the package's order. A ZIP that turns out corrupt ends with a document naming it.
void ReadReceiptDocuments(const ReceiptPath& path,
                          const std::function<void(ReceiptDocument&&)>& take);

}  // namespace isr::cli
