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

void Feed(XmlEvents& events, const XmlNode& root) {
    std::vector<XmlAttribute> attributes;
    for (const auto& a : root.attributes) attributes.push_back({a.uri, a.name, a.value});
    events.StartElement(root.uri, root.name, attributes);
    for (const auto& child : root.children) Feed(events, child);
    events.EndElement(root.uri, root.name);
}

}  // namespace isr::test
