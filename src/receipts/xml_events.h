// SPDX-License-Identifier: MIT
// What an XML parser hands over, in document order, whichever parser it is (expat on the command
// line, the browser's DOMParser on the page): names already resolved to their namespace URI, so
// that nothing downstream ever looks at a prefix.
#pragma once

#include <span>
#include <string_view>

namespace isr {

struct XmlAttribute {
    std::string_view uri;    // empty for an attribute without a prefix, as every CFDI attribute is
    std::string_view name;   // the local name, UTF-8 ("Antigüedad")
    std::string_view value;  // after the parser's entity and whitespace normalisation
};

// The texts are the parser's: valid only during the call.
class XmlEvents {
  public:
    virtual ~XmlEvents() = default;
    virtual void StartElement(std::string_view uri, std::string_view name,
                              std::span<const XmlAttribute> attributes) = 0;
    virtual void EndElement(std::string_view uri, std::string_view name) = 0;
};

}  // namespace isr
