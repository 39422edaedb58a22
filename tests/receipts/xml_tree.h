// SPDX-License-Identifier: MIT
// A small XML tree for the tests: receipts are built as trees, handed to the mapping as a parser
// would hand them, and written out as text for the real parsers.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "receipts/xml_events.h"

namespace isr::test {

inline constexpr const char* kCfdi = "http://www.sat.gob.mx/cfd/3";
inline constexpr const char* kNomina11 = "http://www.sat.gob.mx/nomina";
inline constexpr const char* kNomina12 = "http://www.sat.gob.mx/nomina12";
inline constexpr const char* kStamp = "http://www.sat.gob.mx/TimbreFiscalDigital";
inline constexpr const char* kSchemaInstance = "http://www.w3.org/2001/XMLSchema-instance";

struct XmlNode {
    struct Attribute {
        std::string uri;  // empty for an unqualified attribute
        std::string name;
        std::string value;
    };
    std::string uri;
    std::string name;
    std::vector<Attribute> attributes;
    std::vector<XmlNode> children;

    // Sets an unqualified attribute, replacing one of that name.
    XmlNode& Set(const std::string& attribute, const std::string& value);
    XmlNode& Remove(const std::string& attribute);
    XmlNode& Add(XmlNode child);
    // The first element of that namespace and name, this one or below; the test fails without it.
    XmlNode& Find(const std::string& inUri, const std::string& localName);
    bool Has(const std::string& inUri, const std::string& localName) const;
    void RemoveChildren(const std::string& inUri, const std::string& localName);
};

XmlNode Element(std::string uri, std::string name,
                std::vector<std::pair<std::string, std::string>> attributes = {},
                std::vector<XmlNode> children = {});

// The tree as an XML document, each namespace written with the prefix given for its URI (an empty
// prefix makes it the default namespace), all declared on the root.
std::string ToXml(const XmlNode& root,
                  const std::vector<std::pair<std::string, std::string>>& prefixes);

// The prefixes the SAT's own examples use.
std::vector<std::pair<std::string, std::string>> SatPrefixes();

// Hands the tree to `events` in document order, as a parser does.
void Feed(XmlEvents& events, const XmlNode& root);

}  // namespace isr::test
