// SPDX-License-Identifier: MIT
#include "xml_tree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace isr::test {

XmlNode& XmlNode::Set(const std::string& attribute, const std::string& value) {
    Remove(attribute);
    attributes.push_back({"", attribute, value});
    return *this;
}

XmlNode& XmlNode::Remove(const std::string& attribute) {
    std::erase_if(attributes,
                  [&](const Attribute& a) { return a.uri.empty() && a.name == attribute; });
    return *this;
}

XmlNode& XmlNode::Add(XmlNode child) {
    children.push_back(std::move(child));
    return *this;
}

bool XmlNode::Has(const std::string& inUri, const std::string& localName) const {
    if (uri == inUri && name == localName) return true;
    return std::any_of(children.begin(), children.end(),
                       [&](const XmlNode& child) { return child.Has(inUri, localName); });
}

XmlNode& XmlNode::Find(const std::string& inUri, const std::string& localName) {
    if (uri == inUri && name == localName) return *this;
    for (auto& child : children) {
        if (child.Has(inUri, localName)) return child.Find(inUri, localName);
    }
    ADD_FAILURE() << "no " << localName << " in " << name;
    return *this;
}

void XmlNode::RemoveChildren(const std::string& inUri, const std::string& localName) {
    std::erase_if(children, [&](const XmlNode& child) {
        return child.uri == inUri && child.name == localName;
    });
    for (auto& child : children) child.RemoveChildren(inUri, localName);
}

XmlNode Element(std::string uri, std::string name,
                std::vector<std::pair<std::string, std::string>> attributes,
                std::vector<XmlNode> children) {
    XmlNode node{std::move(uri), std::move(name), {}, std::move(children)};
    for (auto& [attribute, value] : attributes) node.Set(attribute, value);
    return node;
}

namespace {

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Qualified(const std::string& uri, const std::string& name,
                      const std::vector<std::pair<std::string, std::string>>& prefixes) {
    if (uri.empty()) return name;
    for (const auto& [prefixUri, prefix] : prefixes) {
        if (prefixUri == uri) return prefix.empty() ? name : prefix + ":" + name;
    }
    ADD_FAILURE() << "no prefix for " << uri;
    return name;
}

void Write(std::string& out, const XmlNode& node,
           const std::vector<std::pair<std::string, std::string>>& prefixes, bool root) {
    out += "<" + Qualified(node.uri, node.name, prefixes);
    if (root) {
        for (const auto& [uri, prefix] : prefixes) {
            out += prefix.empty() ? " xmlns" : " xmlns:" + prefix;
            out += "=\"" + Escaped(uri) + "\"";
        }
    }
    for (const auto& a : node.attributes) {
        out += " " + Qualified(a.uri, a.name, prefixes) + "=\"" + Escaped(a.value) + "\"";
    }
    if (node.children.empty()) {
        out += "/>";
        return;
    }
    out += ">\n";
    for (const auto& child : node.children) {
        Write(out, child, prefixes, false);
        out += "\n";
    }
    out += "</" + Qualified(node.uri, node.name, prefixes) + ">";
}

}  // namespace

std::string ToXml(const XmlNode& root,
                  const std::vector<std::pair<std::string, std::string>>& prefixes) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    Write(out, root, prefixes, true);
    return out + "\n";
}

std::vector<std::pair<std::string, std::string>> SatPrefixes() {
    return {{kCfdi, "cfdi"},
            {kNomina11, "nomina"},
            {kNomina12, "nomina12"},
            {kStamp, "tfd"},
            {kSchemaInstance, "xsi"}};
}

void Feed(XmlEvents& events, const XmlNode& root) {
    std::vector<XmlAttribute> attributes;
    for (const auto& a : root.attributes) attributes.push_back({a.uri, a.name, a.value});
    events.StartElement(root.uri, root.name, attributes);
    for (const auto& child : root.children) Feed(events, child);
    events.EndElement(root.uri, root.name);
}

}  // namespace isr::test
