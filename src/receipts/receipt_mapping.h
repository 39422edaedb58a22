// SPDX-License-Identifier: MIT
// The one reading of a CFDI payroll receipt: from the elements and attributes a parser hands over
// to a row of figures per Nomina complement. Names are matched by namespace URI and local name,
// never by prefix: CFDI 3.2 and 3.3 (http://www.sat.gob.mx/cfd/3), payroll 1.1
// (http://www.sat.gob.mx/nomina) and 1.2 (http://www.sat.gob.mx/nomina12) and the stamp
// (http://www.sat.gob.mx/TimbreFiscalDigital).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "receipts/receipt_figures.h"
#include "receipts/xml_events.h"

namespace isr {

class ReceiptMapping final : public XmlEvents {
  public:
    void StartElement(std::string_view uri, std::string_view name,
                      std::span<const XmlAttribute> attributes) override;
    void EndElement(std::string_view uri, std::string_view name) override;

    // The rows of the document whose events came since the last call: one per Nomina complement
    // in document order, or a single one saying why there is none. Ready for the next document.
    std::vector<ReceiptRow> Finish();

    // The row of a file that could not be read to its end (not well formed, too large, ...):
    // whatever its events said is dropped.
    static ReceiptRow Unreadable(std::string problem);

  private:
    struct Complement {
        ReceiptRow row;
        ReceiptFigures figures{};
        std::size_t depth = 0;
        bool receptorRead = false;  // 1.2's Receptor
    };

    void StartComprobante(std::span<const XmlAttribute> attributes);
    void StartNomina(PayrollVersion version, std::span<const XmlAttribute> attributes);
    void StartPayrollElement(Complement& complement, std::string_view name,
                             std::span<const XmlAttribute> attributes);
    void Fail(Complement& complement, std::string problem);

    std::size_t depth_ = 0;  // of the element being read; the root is 1
    std::optional<std::string> documentProblem_;
    bool rfcLowerCase_ = false;        // CFDI 3.2 writes rfc, 3.3 Rfc
    std::size_t complementDepth_ = 0;  // of cfdi:Complemento while inside it, else 0
    std::string issuerRfc_;
    std::string receiverRfc_;
    std::string uuid_;
    std::vector<Complement> complements_;
    bool insideNomina_ = false;  // the last complement is open
};

}  // namespace isr
