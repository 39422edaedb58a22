// SPDX-License-Identifier: MIT
// Everything the window says about the program's maker, the fictional payroll-software company
// "Nóminas del Valle": the one place to rebrand. Web and mail addresses use reserved example
// domains only. Each text is sized for the box that shows it, in Tahoma 8.25 pt: the web address
// has 102 pixels in bold, the support address the 137 pixels left of its box inside the panel.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace isr::maker {

// Bare host name, no scheme: what the web-address links show and open.
inline constexpr std::string_view kHost = "ndv.example.com";
// The address a new mail message goes to; the mail link shows the support address instead.
inline constexpr std::string_view kContactAddress = "contacto@example.com";
inline constexpr std::string_view kSupportAddress = "soporte@example.com";

inline constexpr std::string_view kPhone = "Tel. (55) 5550-0100";
inline constexpr std::string_view kFax = "Fax (55) 5550-0102";
inline constexpr std::string_view kSlogan = "Su nómina al día, sin complicaciones";
// Two wrapped lines under "Productos y Servicios sobre:" on the tariffs panel.
inline constexpr std::string_view kServiceAreas =
    "Nómina, IMSS, SUA, capital humano, declaraciones y cumplimiento fiscal.";

struct Product {
    std::string_view name;         // caption of its link, one line
    std::string_view description;  // wrapped below the name
    std::string_view page;         // page name on the host, without ".html"
};

// 0 is the featured product (payroll); 1 social security, 2 human capital, 3 tax forms, 4 the
// annual tax return. Index k is the product of link lblProdlink(k).
extern const std::array<Product, 5> kProducts;

// Service names, each beginning with "- ": the left column top to bottom, then the right one.
extern const std::array<std::string_view, 10> kServices;

// Link targets as the links hand them to OpenDocument.
std::string HomePage();
std::string ProductPage(std::size_t product);
std::string MailTarget();

}  // namespace isr::maker
