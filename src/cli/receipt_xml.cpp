// SPDX-License-Identifier: MIT
#include "cli/receipt_xml.h"

#include <expat.h>
#include <sys/random.h>

#include <limits>
#include <string>

#include "cli/expat_memory.h"

namespace isr::cli {

namespace {

// Between a namespace URI and a local name in the names expat hands over: a character no XML
// name or URI may hold.
constexpr char kSeparator = '\x01';

const XML_Memory_Handling_Suite kMemory = {ExpatAllocate, ExpatReallocate, ExpatFree};

struct ResolvedName {
    std::string_view uri;
    std::string_view local;
};

ResolvedName Resolve(const char* name) {
    const std::string_view text(name);
    const auto cut = text.find(kSeparator);
    if (cut == std::string_view::npos) return {{}, text};
    return {text.substr(0, cut), text.substr(cut + 1)};
}

// Entity expansion beyond ten times its input is refused from the first 64 KiB of output on:
// a CFDI expands none, and expat's own defaults (100 times, from 8 MiB) are far looser. Expat's
// interface takes the factor as a float.
constexpr auto kLargestAmplification = 10.0F;
constexpr unsigned long long kAmplificationCheckedFrom = 64 * 1024;

// The secret of expat's name hashes, drawn once per reader: expat draws one from the system at
// every document otherwise, a system call per receipt. Kept secret all the same, so that no
// document can be made to collide its names; where none can be drawn, 0 leaves it to expat.
unsigned long HashSalt() {
    unsigned long salt = 0;
    if (getrandom(&salt, sizeof salt, 0) != static_cast<ssize_t>(sizeof salt)) salt = 0;
    return salt;
}

}  // namespace

ReceiptXml::ReceiptXml()
    : parser_(XML_ParserCreate_MM(nullptr, &kMemory, &kSeparator)), hashSalt_(HashSalt()) {
    if (parser_ == nullptr) throw std::bad_alloc();
    Configure();
}

ReceiptXml::~ReceiptXml() {
    XML_ParserFree(parser_);
}

void ReceiptXml::Configure() {
    XML_SetUserData(parser_, this);
    XML_SetHashSalt(parser_, hashSalt_);
    XML_SetElementHandler(parser_, OnStart, OnEnd);
    XML_SetStartDoctypeDeclHandler(parser_, OnDoctype);
    // Parameter entities and the external subset are never read; with no external entity
    // handler, expat loads no external entity either.
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser_, kLargestAmplification);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser_, kAmplificationCheckedFrom);
}

void ReceiptXml::Stop(std::string_view problem) {
    if (refusal_.empty()) refusal_ = problem;
    XML_StopParser(parser_, XML_FALSE);
}

void ReceiptXml::OnStart(void* self, const char* name, const char** attributes) {
    auto& reader = *static_cast<ReceiptXml*>(self);
    if (++reader.depth_ > kDeepestNesting) {
        reader.Stop(kTooDeep);
        return;
    }
    reader.attributes_.clear();
    for (const char** a = attributes; *a != nullptr; a += 2) {
        const auto resolved = Resolve(a[0]);
        reader.attributes_.push_back({resolved.uri, resolved.local, a[1]});
    }
    const auto element = Resolve(name);
    reader.mapping_.StartElement(element.uri, element.local, reader.attributes_);
}

void ReceiptXml::OnEnd(void* self, const char* name) {
    auto& reader = *static_cast<ReceiptXml*>(self);
    const auto element = Resolve(name);
    reader.mapping_.EndElement(element.uri, element.local);
    --reader.depth_;
}

void ReceiptXml::OnDoctype(void* self, const char*, const char*, const char*, int) {
    static_cast<ReceiptXml*>(self)->Stop(kDeclaresDoctype);
}

std::vector<ReceiptRow> ReceiptXml::Read(std::string_view document) {
    depth_ = 0;
    refusal_ = {};
    // A document is read whole: its size is bounded before it gets here.
    const bool parsed =
        document.size() <= static_cast<std::size_t>(std::numeric_limits<int>::max()) &&
        XML_Parse(parser_, document.data(), static_cast<int>(document.size()), XML_TRUE) ==
            XML_STATUS_OK;
    std::vector<ReceiptRow> rows;
    if (parsed) {
        rows = mapping_.Finish();
    } else {
        mapping_.Finish();  // what was read of it is dropped
        std::string problem;
        if (!refusal_.empty()) {
            problem = refusal_;
        } else {
            // Expansion beyond the bound set above is one of these too, in expat's words.
            const auto error = XML_GetErrorCode(parser_);
            problem = "no es XML bien formado (línea " +
                      std::to_string(XML_GetCurrentLineNumber(parser_)) + ", columna " +
                      std::to_string(XML_GetCurrentColumnNumber(parser_) + 1) + ": " +
                      XML_ErrorString(error) + ")";
        }
        rows.push_back(ReceiptMapping::Unreadable(std::move(problem)));
    }
    XML_ParserReset(parser_, nullptr);
    Configure();
    return rows;
}

}  // namespace isr::cli
