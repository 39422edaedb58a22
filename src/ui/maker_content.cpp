// SPDX-License-Identifier: MIT
#include "ui/maker_content.h"

namespace isr::maker {

const std::array<Product, 5> kProducts = {{
    {"NdV Nómina 2016",
     "Calcula la nómina de cualquier periodo con las tarifas vigentes: percepciones, "
     "deducciones, ISR, subsidio para el empleo y cuotas obrero-patronales. Timbra los recibos "
     "CFDI, dispersa los pagos al banco y entrega la póliza contable lista para su sistema.",
     "nomina"},
    {"NdV IMSS y SUA",
     "Movimientos afiliatorios, cuotas IMSS e INFONAVIT, archivos para el SUA e IDSE.", "imss"},
    {"NdV Capital Humano",
     "Expedientes, vacaciones, incidencias, capacitación y evaluación del personal.",
     "capital-humano"},
    {"Formatos", "Constancias de retenciones, DIM y formatos fiscales del patrón, listos.",
     "formatos"},
    {"Anual", "Cálculo anual del ISR de cada trabajador y su ajuste en la nómina.", "anual"},
}};

const std::array<std::string_view, 10> kServices = {
    "- Consultoría en nómina y seguridad social",
    "- Auditoría de nóminas",
    "- Auditoría de cuotas IMSS e INFONAVIT",
    "- Capacitación a usuarios",
    "- Cursos de actualización fiscal",
    "- Implantación de sistemas",
    "- Migración de datos de nómina",
    "- Maquila de nómina",
    "- Desarrollos a la medida",
    "- Soporte técnico en línea",
};

std::string HomePage() {
    return std::string(kHost);
}

std::string ProductPage(std::size_t product) {
    return std::string(kHost) + "/" + std::string(kProducts.at(product).page) + ".html";
}

std::string MailTarget() {
    return "mailto: " + std::string(kContactAddress);
}

}  // namespace isr::maker
