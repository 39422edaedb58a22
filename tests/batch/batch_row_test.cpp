// SPDX-License-Identifier: MIT
// The batch library on its own, over texts in memory: which kind of row a header names, and each
// kind's rows written by ProcessChunk. The figures are the command line's worked examples.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <variant>

#include "batch/batch_chunk.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

std::optional<BatchLayout> LayoutOf(const std::string& header, std::string& problem) {
    std::istringstream in(header + "\n");
    CsvReader reader(in);
    return ReadBatchHeader(reader, problem);
}

TEST(ReadBatchHeader, EachHeaderNamesOneKindOfRowAndItsColumns) {
    struct Case {
        std::string header;
        RowKind expected;
    };
    const Case cases[] = {
        {"periodo,ingreso_gravable", IncomeColumns{0, 1, std::nullopt}},
        {"id,Ingreso Gravable,período ,Suma Subsidio para el Empleo", IncomeColumns{2, 1, 3}},
        {"empleado;periodo;NETO;suma_subsidio", NetColumns{1, 2, 3}},
        {"num,Concepto,INGRESO_MENSUAL,importe,domingos,salario_minimo,depto",
         PaymentColumns{1, 2, 3, 4, 5}},
        {"importe,concepto,Ingreso Mensual Ordinario", PaymentColumns{1, 2, 0, {}, {}}},
        {"salario_minimo,concepto,ingreso_mensual,importe", PaymentColumns{1, 2, 3, {}, 0}},
        {"x\tdias\tingreso_gravable\tmetodo", DaysColumns{1, 2, 3}},
        {"ingreso_gravable,dias", DaysColumns{1, 0, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        std::string problem;
        const auto layout = LayoutOf(c.header, problem);
        ASSERT_TRUE(layout) << problem;
        EXPECT_EQ(layout->columns, c.expected);
    }
}

TEST(ReadBatchHeader, HeadersNoKindOfRowTakesAreRefused) {
    struct Case {
        std::string header;
        std::string problem;
    };
    const Case cases[] = {
        {"periodo,Periodo,ingreso_gravable",
         "la columna \"periodo\" aparece dos veces en el encabezado"},
        {"periodo", "falta la columna \"ingreso_gravable\" en el encabezado"},
        {"ingreso_gravable", "falta la columna \"periodo\" en el encabezado"},
        {"periodo,neto,ingreso_gravable", "las columnas \"ingreso_gravable\" y \"neto\""},
        {"dias,periodo,ingreso_gravable", "una nómina de días pagados no lleva periodo"},
        {"dias,ingreso_gravable,suma_subsidio", "no lleva suma_subsidio"},
        {"dias,metodo", "falta la columna \"ingreso_gravable\" en el encabezado"},
        {"periodo,ingreso_gravable,metodo",
         "la columna \"metodo\" sólo cuenta con la columna \"dias\""},
        {"concepto,ingreso_mensual", "falta la columna \"importe\" en el encabezado"},
        {"concepto,ingreso_mensual,importe,neto", "una nómina lleva pagos extraordinarios"},
        {"concepto,importe,importe,ingreso_mensual",
         "la columna \"importe\" aparece dos veces en el encabezado"},
        {"periodo,ingreso_gravable,ISR_Excedente", "la columna \"ISR_Excedente\" de la entrada"},
        {"periodo,neto,neto_buscado", "la columna \"neto_buscado\" de la entrada"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        std::string problem;
        EXPECT_FALSE(LayoutOf(c.header, problem));
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
    }
}

struct Processed {
    std::string out;  // the output header, then the rows
    std::string messages;
    std::uint64_t rows;
    std::uint64_t badRows;
};

// The whole input as one chunk, the output's header written before it.
Processed ProcessAll(const std::string& input) {
    std::istringstream in(input);
    CsvReader reader(in, 7);  // records straddle refills
    std::string problem;
    const auto layout = ReadBatchHeader(reader, problem);
    EXPECT_TRUE(layout) << problem;
    if (!layout) return {};
    BatchChunk chunk;
    WriteOutputStart(reader, *layout, chunk.out);
    while (reader.ReadRecord(chunk.records)) {
    }
    RowScratch scratch;
    ProcessChunk(DefaultTableSet(), *layout, reader.FirstLineEnd(), "> ", RowFigures::kCounted,
                 chunk, scratch);
    return {std::string(chunk.out.View()), chunk.messages, chunk.summary.Rows(),
            chunk.summary.BadRows()};
}

const std::string kBoxColumns =
    "isr_limite_inferior,isr_excedente,isr_porcentaje,isr_cuota_fija,isr_impuesto_determinado,"
    "subsidio_limite_inferior,subsidio_limite_superior,subsidio,procedimiento_2016";

TEST(ProcessChunk, EachKindOfRowWritesItsColumns) {
    struct Case {
        std::string name;
        std::string input;
        std::string out;
        std::string messages;
        std::uint64_t rows;
        std::uint64_t badRows;
    };
    const Case cases[] = {
        {"incomes, with columns passed through and a short row",
         "num,PERIODO,nombre,Ingreso_Gravable,Suma_Subsidio,depto\n"
         "17,Mensual,\"Pérez, Juan\",\"3,000.00\",,ventas\n"
         "18,mensual,Ana,10000,,\n"
         "19,ANUAL,Luis,100000.00,\"1,200\",x\n"
         "20,Mensual\n"
         "21,Mensual,An\"a,1,,\n",
         "num,PERIODO,nombre,Ingreso_Gravable,Suma_Subsidio,depto," + kBoxColumns +
             ",isr_a_retener,subsidio_a_entregar,error\n"
             "17,Mensual,\"Pérez, Juan\",\"3,000.00\",,ventas,496.08,\"2,503.92\",6.40,9.52,"
             "169.77,\"2,653.39\",\"3,472.84\",406.62,-236.85,0.00,236.85,\n"
             "18,mensual,Ana,10000,,,\"8,601.51\",\"1,398.49\",17.92,786.54,\"1,037.15\","
             "\"7,382.34\",\"99,999,999.99\",0.00,\"1,037.15\",\"1,037.15\",0.00,\n"
             "19,ANUAL,Luis,100000.00,\"1,200\",x,\"88,793.05\",\"11,206.95\",16.00,"
             "\"7,130.48\",\"8,923.59\",0,0,0,\"7,723.59\",\"7,723.59\",0.00,\n"
             "20,Mensual,,,,,,,,,,,,,,,,\"línea 5, columna 3 (nombre): falta el campo (la fila "
             "tiene 2 campos y el encabezado 6)\"\n"
             "21,Mensual,\"An\"\"a\",1,,,,,,,,,,,,,,\"línea 6, columna 3 (nombre): comilla "
             "dentro de un campo sin comillas\"\n",
         "> línea 5, columna 3 (nombre): falta el campo (la fila tiene 2 campos y el encabezado "
         "6)\n"
         "> línea 6, columna 3 (nombre): comilla dentro de un campo sin comillas\n",
         5, 2},
        {"nets, their line ends kept",
         "empleado,periodo,NETO,suma_subsidio\r\n"
         "7,Mensual,\"7,000.00\",\r\n"
         "8,Anual,740383.75,\"1,234.56\"\r\n"
         "10,Quincenal,siete mil,\r\n",
         "empleado,periodo,neto_buscado,suma_subsidio,ingreso_gravable," + kBoxColumns +
             ",isr_a_retener,subsidio_a_entregar,neto,exacto,error\r\n"
             "7,Mensual,\"7,000.00\",,\"7,373.81\",\"4,210.42\",\"3,163.39\",10.88,247.24,591.42,"
             "\"7,113.91\",\"7,382.33\",217.61,373.81,373.81,0.00,\"7,000.00\",true,\r\n"
             "8,Anual,740383.75,\"1,234.56\",\"1,000,000.01\",\"1,000,000.01\",0.00,34.00,"
             "\"260,850.81\",\"260,850.81\",0,0,0,\"259,616.25\",\"259,616.25\",0.00,"
             "\"740,383.76\",false,\r\n"
             "10,Quincenal,siete mil,,,,,,,,,,,,,,,,\"línea 4, columna 3 (NETO): no es un "
             "importe: \"\"siete mil\"\"\"\r\n",
         "> línea 4, columna 3 (NETO): no es un importe: \"siete mil\"\n", 3, 1},
        {"extraordinary payments",
         "num,Concepto,INGRESO_MENSUAL,importe,domingos,salario_minimo,depto\n"
         "1,aguinaldo,\"10,000.00\",5000,,,ventas\n"
         "2,prima-dominical,9000,500,3,,\n"
         "3,bono,10000,x,,,\n",
         "num,Concepto,INGRESO_MENSUAL,importe,domingos,salario_minimo,depto,"
         "tope_exento,exento,gravado,art174_mensualizado,art174_base,art174_isr_con_pago,"
         "art174_isr_sin_pago,art174_diferencia,art174_tasa,art174_retencion,art96_base,"
         "art96_procedimiento_con_pago,art96_procedimiento_sin_pago,art96_retencion,"
         "menor_retencion,error\n"
         "1,aguinaldo,\"10,000.00\",5000,,,ventas,\"2,191.20\",\"2,191.20\",\"2,808.80\","
         "233.94,\"10,233.94\",\"1,079.07\",\"1,037.15\",41.92,17.9191,503.31,"
         "\"12,808.80\",\"1,626.84\",\"1,037.15\",589.69,art174,\n"
         "2,prima-dominical,9000,500,3,,,219.12,219.12,280.88,23.39,\"9,023.39\",862.14,"
         "857.95,4.19,17.9136,50.32,\"9,280.88\",908.28,857.95,50.33,art174,\n"
         "3,bono,10000,x,,,,,,,,,,,,,,,,,,,\"línea 4, columna 2 (Concepto): concepto "
         "desconocido: \"\"bono\"\"; línea 4, columna 4 (importe): no es un importe: "
         "\"\"x\"\"\"\n",
         "> línea 4, columna 2 (Concepto): concepto desconocido: \"bono\"; línea 4, columna 4 "
         "(importe): no es un importe: \"x\"\n",
         3, 1},
        {"days paid",
         "num,Dias,ingreso_gravable,metodo\n"
         "1,15,7500.05,mensual\n"
         "2,15,4165.56,\n"
         "3,16,\"2,500.00\",TABLA\n"
         "4,15,100,30.4\n",
         "num,Dias,ingreso_gravable,metodo,ingreso_mensual,isr_limite_inferior,isr_excedente,"
         "isr_porcentaje,isr_cuota_fija,isr_impuesto_determinado,subsidio_limite_inferior,"
         "subsidio_limite_superior,subsidio,isr_periodo,subsidio_periodo,procedimiento_2016,"
         "error\n"
         "1,15,7500.05,mensual,\"15,200.10\",\"10,298.36\",\"4,901.74\",21.36,"
         "\"1,090.61\",\"2,137.62\",\"7,382.34\",\"99,999,999.99\",0.00,"
         "\"1,054.75\",0.00,\"1,054.75\",\n"
         "2,15,4165.56,,,\"3,651.01\",514.55,16.00,293.25,375.58,\"3,642.61\","
         "\"9,999,999.99\",0.00,375.58,0.00,375.58,\n"
         "3,16,\"2,500.00\",TABLA,,\"2,216.01\",283.99,10.88,130.08,160.98,"
         "\"2,482.73\",\"2,808.16\",171.04,160.98,171.04,-10.06,\n"
         "4,15,100,30.4,,,,,,,,,,,,,\"línea 5, columna 4 (metodo): método desconocido (tabla o "
         "mensual): \"\"30.4\"\"\"\n",
         "> línea 5, columna 4 (metodo): método desconocido (tabla o mensual): \"30.4\"\n", 4, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto processed = ProcessAll(c.input);
        EXPECT_EQ(processed.out, c.out);
        EXPECT_EQ(processed.messages, c.messages);
        EXPECT_EQ(processed.rows, c.rows);
        EXPECT_EQ(processed.badRows, c.badRows);
    }
}

// A file written with ";" comes out with ";" between every field, the boxes copied from one row
// to the next too, and a field holding a comma is quoted all the same, so that the output reads
// alike with either separator.
TEST(ProcessChunk, TheInputsSeparatorIsTheOutputs) {
    const auto processed = ProcessAll(
        "nombre;periodo;ingreso_gravable\n"
        "\"Pérez; Juan\";Mensual;3000\n"
        "Ana, la de ventas;mensual;10000\n");
    EXPECT_EQ(processed.out,
              "nombre;periodo;ingreso_gravable;isr_limite_inferior;isr_excedente;isr_porcentaje;"
              "isr_cuota_fija;isr_impuesto_determinado;subsidio_limite_inferior;"
              "subsidio_limite_superior;subsidio;procedimiento_2016;isr_a_retener;subsidio_a_"
              "entregar;error\n"
              "\"Pérez; Juan\";Mensual;3000;496.08;\"2,503.92\";6.40;9.52;169.77;"
              "\"2,653.39\";\"3,472.84\";406.62;-236.85;0.00;236.85;\n"
              "\"Ana, la de ventas\";mensual;10000;\"8,601.51\";\"1,398.49\";17.92;786.54;"
              "\"1,037.15\";\"7,382.34\";\"99,999,999.99\";0.00;\"1,037.15\";\"1,037.15\";"
              "0.00;\n");
}

}  // namespace
}  // namespace isr
