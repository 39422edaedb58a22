// SPDX-License-Identifier: MIT
// Payroll receipts laid out as the SAT publishes them (nomina11.xsd and nomina12.xsd with their
// filling guides; cfdv32.xsd, cfdv33.xsd), with figures the tests change one at a time.
#pragma once

#include "xml_tree.h"

namespace isr::test {

// A CFDI 3.2 with a payroll 1.1 complement: a quincena of 15 days paid 2016-03-15 ("Quincenal"),
// wages 7,500.05 taxed, the ISR 1,054.75 written in ImporteExento, stamped.
XmlNode Receipt11();

// A payroll 1.2 complement of an ordinary quincena paid 2017-01-15 (code 04, 15 days), wages
// 4,165.56 taxed, ISR 375.58, subsidy 0.00 delivered and caused, on a CFDI 3.3 or 3.2.
XmlNode Receipt12OnCfdi33();
XmlNode Receipt12OnCfdi32();

// The receipt's (first) Nomina element.
XmlNode& NominaOf(XmlNode& receipt);

}  // namespace isr::test
