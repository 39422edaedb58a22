// SPDX-License-Identifier: MIT
#include "cli/help.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

#include "tariffs/periods.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

namespace {

// The help, around the list of periods and the paragraph of --tablas, made from the core.
constexpr std::string_view kHelpBeforePeriods =
    R"(Calcula el ISR a retener sobre salarios con las tarifas de 2016.

uso: isr2016-cli [--json] [--tablas NOMBRE] PERIODO BASE [SUMA_SUBSIDIO]
     isr2016-cli --neto [--json] [--tablas NOMBRE] PERIODO NETO [SUMA_SUBSIDIO]
     isr2016-cli --pago [--json] [--tablas NOMBRE] [--salario-minimo IMPORTE] CONCEPTO INGRESO_MENSUAL IMPORTE [DOMINGOS]
     isr2016-cli [--json] [--tablas NOMBRE] --dias N [--metodo METODO] BASE
     isr2016-cli --csv [--tablas NOMBRE] [--resumen] [ENTRADA [SALIDA]]
     isr2016-cli --recibos [--tablas NOMBRE] [--tolerancia IMPORTE] [--resumen] [--salida ARCHIVO] RUTA...
     isr2016-cli --ejercicio [--tablas NOMBRE] [--resumen] [--meses] [ENTRADA [SALIDA]]
     isr2016-cli --help | --version

PERIODO        )";
// Then the periods, and:
constexpr std::string_view kHelpAfterPeriods = R"(
               (sin distinguir mayúsculas y minúsculas).
BASE           ingreso gravable del periodo, escrito como en la ventana:
               12,000.50  7.5  0.  (se redondea a centavos); ni negativo
               ni más allá de la tarifa del periodo (99,999,999.99 mensual y
               anual, 9,999,999.99 en los demás).
NETO           con --neto, el neto buscado: el ingreso gravable menos el
               procedimiento 2016 (ISR y subsidio para el empleo, sin cuotas
               de seguridad social), escrito como BASE.
SUMA_SUBSIDIO  suma del subsidio para el empleo pagado en el año; sólo
               cuenta para el periodo Anual (0 si se omite o está vacía);
               no negativa.

Opciones:
  --json       un objeto JSON con el texto de cada casilla
  --neto       del neto al ingreso gravable: el menor ingreso cuyo neto
               llega a NETO, con su cálculo, el neto que deja y si es NETO
               exacto (con --json, "neto_buscado", "neto" y "exacto"); el
               neto no crece siempre con el ingreso, porque el subsidio baja
               por escalones; admite --tablas como cualquier cálculo, y
               --dias N: NETO es entonces el neto de los N días
  --pago       la retención de un aguinaldo, una PTU o una prima por los
               dos métodos: el art. 174 del Reglamento (el pago gravado
               llevado a un mes, G / 365 x 30.4, y la tasa que su ISR
               añade, aplicada a todo G) y el art. 96 (G sumado al ingreso
               del mes); la parte exenta es la del art. 93 XIV (aguinaldo
               30 salarios mínimos, PTU y prima vacacional 15, prima
               dominical 1 por domingo), suponiendo que no se ha usado
               nada de la del año; dice qué método retiene menos
  --salario-minimo IMPORTE
               con --pago, el salario mínimo diario de la exención (73.04,
               el de 2016, si se omite)
  --dias N     el pago de N días (NumDiasPagados): con --metodo tabla (por
               omisión; RLISR art. 176), la tarifa y el subsidio diarios del
               Anexo 8 por N días enteros, de 1 a 31 (las tablas programa
               sólo tienen las de 7, 10, 14 y 15); con mensual (LISR art.
               96), la base llevada a un mes (x 30.4 / N), la tarifa y el
               subsidio mensuales, y el impuesto y el subsidio traídos de
               vuelta (x N / 30.4), con N de hasta tres decimales, de más
               de 0 a 366 (con --json, "dias", "metodo", "ingreso_mensual",
               "isr_periodo", "subsidio_periodo" y "procedimiento_2016")
  --metodo METODO
               con --dias, tabla o mensual
  --csv        una nómina entera: lee un CSV de ENTRADA y escribe otro en
               SALIDA (entrada y salida estándar si se omiten o son "-")
  --ejercicio  el cálculo anual del patrón (LISR art. 97) de cada empleado
               y año: lee un historial de pagos en CSV de ENTRADA y escribe
               una fila por empleado y año en SALIDA (las estándar si se
               omiten o son "-"); con --recibos, de los recibos ordinarios
  --meses      con --ejercicio, tras cada año una fila por mes con pagos:
               su ingreso, los subsidios de sus pagos, el tope de la tabla
               mensual para ese ingreso y lo que pasó del tope
  --resumen    con --csv, al terminar, en la salida de errores: las filas,
               las filas con error y las sumas de las filas buenas; con
               --recibos, los recibos leídos, auditados, los que coinciden
               (por método), los que difieren (con la suma de las
               diferencias) y los no auditados (por motivo); con
               --ejercicio, los años por resultado y los pagos con error
  --recibos    audita recibos de nómina CFDI (complemento 1.1 o 1.2): cada
               RUTA es un archivo XML, una carpeta (sus archivos .xml, a
               cualquier profundidad) o un ZIP (sus entradas .xml); escribe
               un informe CSV con una fila por complemento Nomina
  --tolerancia IMPORTE
               con --recibos, la diferencia que aún coincide (0.00 si se
               omite)
  --salida ARCHIVO
               con --recibos, el archivo del informe (la salida estándar si
               se omite o es "-"), que se reemplaza sólo al terminar
  --tablas NOMBRE
)";
// Then the paragraph of the table sets, and:
constexpr std::string_view kHelpAfterTables =
    R"(  --help       esta ayuda
  --version    la versión del programa
Las opciones pueden ir antes o después de los argumentos, una opción larga
puede abreviarse mientras no se confunda con otra (--res por --resumen), y
su valor puede seguirla tras "=" (--tablas=anexo8); NOMBRE no distingue
mayúsculas y minúsculas. Un argumento que empieza con "-" seguido de un
dígito o de "." es un importe, no una opción; después de "--", todo es
argumento.

Nómina en CSV (--csv):
  La primera fila nombra las columnas: periodo, ingreso_gravable y, si se
  quiere, suma_subsidio (sin distinguir mayúsculas y minúsculas); las demás
  columnas pasan sin cambios y en su lugar. Cada valor se lee como en la
  línea de órdenes; un importe con comas va entre comillas ("12,000.50") y
  una suma_subsidio vacía vale 0. La salida repite cada fila, en el mismo
  orden, con una columna por casilla, nombrada como su clave en --json
  (isr_limite_inferior ... procedimiento_2016), y una última columna error.
  Con una columna neto en lugar de ingreso_gravable, cada fila es un --neto:
  la columna neto sale como neto_buscado, y tras las de la entrada vienen
  ingreso_gravable, las casillas, neto y exacto (true o false).
  Una fila mal escrita no se pierde: sale con las casillas vacías y en error
  lo que está mal, con su línea y columna, que también se escribe en la
  salida de errores. Se aceptan la marca BOM de UTF-8 y los finales de
  línea CRLF, y la salida los conserva; las líneas vacías se saltan. En una
  terminal, la salida de errores muestra el avance de las entradas largas.
  Un archivo SALIDA se escribe aparte y toma su nombre sólo al terminar: si
  algo falla, el anterior queda como estaba, y ENTRADA y SALIDA pueden ser
  el mismo archivo. Desde una tubería, cada fila sale en cuanto llega.
  Con las columnas concepto, ingreso_mensual e importe (y, si se quiere,
  domingos y salario_minimo), cada fila es un --pago: tras las columnas de
  la entrada vienen las de cada cifra, nombradas como sus claves en --json
  (tope_exento ... art174_retencion ... art96_retencion, menor_retencion);
  no se mezclan con ingreso_gravable ni con neto.
  Con una columna dias en lugar de periodo (y, si se quiere, metodo: tabla
  o mensual, vacía por tabla), cada fila es un --dias: tras las columnas de
  la entrada vienen ingreso_mensual, las casillas, isr_periodo,
  subsidio_periodo y procedimiento_2016; dias no se mezcla con periodo,
  neto ni suma_subsidio.

Recibos de nómina (--recibos):
  El informe sale en el orden de las RUTA; de una carpeta, por ruta; de un
  ZIP, en el orden del paquete. Cada fila dice lo que dice el recibo (uuid,
  RFC, CURP, fechas, periodicidad, días pagados, ISR retenido y subsidio
  entregado) y lo compara con tres cálculos de su base ordinaria (ISR menos
  subsidio): procedimiento_periodo (la tabla de su periodicidad),
  procedimiento_dias (la tarifa diaria por los días pagados) y
  procedimiento_mensual (el método de 30.4 días). dictamen es "coincide"
  (metodo dice cuál), "difiere" (diferencia, contra el más cercano) o
  "no auditado" (motivo: no es un CFDI de nómina, no está bien formado, le
  falta una cifra, se pagó fuera de 2014-2017, nómina extraordinaria o de
  separación, o no hay tabla para su periodicidad ni sus días). Un archivo
  o una entrada de ZIP de más de 4 MiB, anidado a más de 64 niveles, con
  DTD o un ZIP dañado da una fila que lo dice, y lo demás sigue.

Cálculo anual (--ejercicio):
  Cada fila de ENTRADA es un pago, en cualquier orden; la primera nombra las
  columnas empleado, fecha_pago (aaaa-mm-dd), ingreso_gravable, isr_retenido
  y, si se quiere, fecha_inicial_pago y fecha_final_pago (juntas),
  subsidio_causado, periodo, dias e ingreso_exento; las demás se ignoran. El
  subsidio de un pago es su subsidio_causado o, si está vacío, el de su
  periodo o el de sus dias por el método mensual. El subsidio de un mes (por
  fecha_pago) es la suma del de sus pagos, hasta lo que da la tabla mensual
  para el ingreso de todo el mes; isr_tarifa es la tarifa anual sobre el
  ingreso gravable del año, isr_ejercicio = isr_tarifa - subsidio_causado
  (nunca menos de 0) y diferencia = isr_ejercicio - isr_retenido: "a cargo",
  "a favor" o "sin diferencia". Es "no corresponde" (y motivo dice por qué)
  si el ingreso del año pasa de 400,000.00, el primer periodo empieza
  después del 1 de enero o el último termina antes del 1 de diciembre. Una
  fila que no se puede leer se dice en la salida de errores y deja a su año
  sin cifras ("error"). Los pagos se agrupan en archivos temporales (en
  TMPDIR), de modo que la memoria no crece con la entrada.

Ejemplos:
  isr2016-cli mensual 3,000.00
  isr2016-cli --neto mensual 7,000.00
  isr2016-cli --pago aguinaldo 10,000.00 5,000.00
  isr2016-cli --tablas anexo8 --dias 16 2,500.00
  isr2016-cli --csv nomina.csv resultados.csv
  isr2016-cli --ejercicio pagos-2016.csv anual-2016.csv
  isr2016-cli --recibos --resumen recibos.zip --salida informe.csv
  isr2016-cli --recibos --ejercicio recibos-2016.zip --salida anual-2016.csv

Estado de salida:
  0  cálculo hecho (con --csv, todas las filas bien; con --recibos, todos
     los recibos coinciden; con --ejercicio, todos los años con cifras)
  1  con --csv, alguna fila con error (las demás se calcularon); con
     --recibos, algún recibo difiere o no se auditó; con --ejercicio, algún
     pago o año con error
  2  argumentos incorrectos (periodo desconocido, importe no numérico o
     negativo, opción desconocida o número de argumentos equivocado), una
     BASE más allá de la tarifa o, con --neto, un neto mayor que el de
     cualquier ingreso de las tablas; con --pago, un importe que lleva el
     ingreso más allá de la tarifa mensual; con --csv, una entrada que no se
     pudo leer (vacía, sin encabezado, sin una columna obligatoria, con una
     repetida, con ingreso_gravable y neto a la vez o con columnas de --pago
     entre ellas); con --recibos, una RUTA que no se puede leer; en
     cualquier modo, una salida que no se pudo escribir
)";

// The help's lines are filled up to this column, their words after the options' indent.
constexpr std::size_t kHelpWidth = 76;
constexpr std::string_view kHelpIndent = "               ";

// Columns, not bytes: one for each character of the UTF-8 text.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// "las tablas del cálculo: programa (las del programa, por omisión) o anexo8 (...); ...", each
// line as full as kHelpWidth lets it be.
std::string TablesHelp() {
    std::string paragraph = "las tablas del cálculo: ";
    const auto sets = AllTableSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (i > 0) paragraph += i + 1 == sets.size() ? " o " : ", ";
        paragraph += sets[i]->Name();
        paragraph += " (";
        paragraph += sets[i]->Description();
        if (sets[i] == &DefaultTableSet()) paragraph += ", por omisión";
        paragraph += ')';
    }
    paragraph += "; con --json, la clave \"tablas\" dice cuáles";
    std::string help;
    std::string line(kHelpIndent);
    std::size_t start = 0;
    while (start < paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string_view word = std::string_view(paragraph).substr(start, end - start);
        if (line.size() > kHelpIndent.size() && Columns(line) + 1 + Columns(word) > kHelpWidth) {
            help += line + '\n';
            line = kHelpIndent;
        }
        if (line.size() > kHelpIndent.size()) line += ' ';
        line += word;
        start = end + 1;
    }
    return help + line + '\n';
}

}  // namespace

std::string ListedWithOr(std::span<const std::string_view> names) {
    std::string listed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) listed += i + 1 == names.size() ? " o " : ", ";
        listed += names[i];
    }
    return listed;
}

std::string TableSetNames() {
    std::vector<std::string_view> names;
    for (const TableSet* set : AllTableSets()) names.push_back(set->Name());
    return ListedWithOr(names);
}

void WriteHelp(std::ostream& out) {
    out << kHelpBeforePeriods << ListedWithOr(kPeriodNames) << kHelpAfterPeriods << TablesHelp()
        << kHelpAfterTables;
}

}  // namespace isr::cli
