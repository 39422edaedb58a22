// SPDX-License-Identifier: MIT
// A receipt's XML read with expat into the receipts' one mapping. Hostile files are refused, never
// followed: no DTD or external entity is ever loaded, a document type declaration is refused
// (a CFDI has none, so one can only be there to declare entities), entity expansion is bounded
// all the same, and so is the nesting of elements.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "receipts/reading_limits.h"
#include "receipts/receipt_mapping.h"

// expat's parser, whose header only receipt_xml.cpp includes.
struct XML_ParserStruct;

namespace isr::cli {

class ReceiptXml {
  public:
    ReceiptXml();
    ~ReceiptXml();
    ReceiptXml(const ReceiptXml&) = delete;
    ReceiptXml& operator=(const ReceiptXml&) = delete;

    // The rows of one whole document; one parser serves document after document.
    std::vector<ReceiptRow> Read(std::string_view document);

  private:
    // expat's handlers (its XML_Char is char).
    static void OnStart(void* self, const char* name, const char** attributes);
    static void OnEnd(void* self, const char* name);
    static void OnDoctype(void* self, const char*, const char*, const char*, int);
    void Configure();
    void Stop(std::string_view problem);

    XML_ParserStruct* parser_;
    unsigned long hashSalt_;
    ReceiptMapping mapping_;
    std::vector<XmlAttribute> attributes_;  // scratch for each element's
    std::size_t depth_ = 0;
    std::string_view refusal_;  // why the parser was stopped, empty if it was not
};

}  // namespace isr::cli
