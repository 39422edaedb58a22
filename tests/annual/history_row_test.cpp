// SPDX-License-Identifier: MIT
#include "annual/history_row.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

Cents Amount(std::string_view text) {
    return ReadAmount(text).cents;
}

// A header and one row, read as the command line reads them.
class History {
  public:
    History(std::string_view header, std::string_view row)
        : in_(std::string(header) + "\n" + std::string(row) + "\n"), reader_(in_) {
        reader_.ReadRecord(batch_);
        reader_.ReadRecord(batch_);
    }
    std::optional<HistoryColumns> Columns(std::string& problem) const {
        return HistoryColumnsFromHeader(batch_, batch_[0], problem);
    }
    std::variant<HistoryPayment, std::string> Row() const {
        std::string problem;
        const auto columns = Columns(problem);
        EXPECT_TRUE(columns) << problem;
        return ReadHistoryRow(DefaultTableSet(), *columns, batch_, batch_[1]);
    }
    std::optional<HistoryRowYear> YearOfRow() const {
        std::string problem;
        const auto columns = Columns(problem);
        EXPECT_TRUE(columns) << problem;
        return YearOfUnreadRow(*columns, batch_, batch_[1]);
    }

  private:
    std::istringstream in_;
    CsvReader reader_;
    CsvRecordBatch batch_;
};

struct HeaderCase {
    std::string_view header;
    std::string_view problem;  // "" when the header can be used
};

TEST(HistoryRow, FindsItsColumnsByNameInAnyOrder) {
    const HeaderCase cases[] = {
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido,periodo", ""},
        {"nota,Periodo,ISR Retenido,Ingreso Gravable,Fecha Pago,Empleado", ""},
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido,dias", ""},
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido,subsidio_causado", ""},
        {"empleado,fecha_pago,ingreso_gravable,periodo", "falta la columna isr_retenido"},
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido",
         "falta de dónde tomar el subsidio: subsidio_causado, periodo o dias"},
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido,periodo,empleado",
         "la columna empleado aparece dos veces"},
        {"empleado,fecha_pago,ingreso_gravable,isr_retenido,periodo,fecha_inicial_pago",
         "fecha_inicial_pago y fecha_final_pago van juntas"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        std::string problem;
        const History history(c.header, "");
        EXPECT_EQ(history.Columns(problem).has_value(), c.problem.empty());
        EXPECT_EQ(problem, c.problem);
    }
}

constexpr std::string_view kHeader =
    "empleado,fecha_pago,fecha_inicial_pago,fecha_final_pago,ingreso_gravable,isr_retenido,"
    "subsidio_causado,periodo,dias,ingreso_exento";

struct RowCase {
    std::string_view row;
    std::string_view subsidy;  // the payment's, when it reads
    std::string_view problem;  // "" when it reads
};

TEST(HistoryRow, TakesTheSubsidyGivenElseThatOfThePeriodElseOfTheDays) {
    const RowCase cases[] = {
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,Mensual,,", "382.46", ""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,100.00,Mensual,,", "100.00", ""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,,30.4,", "382.46", ""},
        {"E1,2016-01-31,,,\"4,000.00\",0,,mensual,,1500", "382.46", ""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,,,", "",
         "falta subsidio_causado, periodo o dias"},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,Diario,,", "",
         "periodo no es un periodo: \"Diario\""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,,0,", "",
         "dias no son días de más de 0 hasta 366: \"0\""},
        {"E1,2016-02-30,2016-01-01,2016-01-31,4000.00,0,,Mensual,,", "",
         "fecha_pago no es una fecha aaaa-mm-dd: \"2016-02-30\""},
        {"E1,,2016-01-01,2016-01-31,4000.00,0,,Mensual,,", "", "falta fecha_pago"},
        {"E1,2016-01-31,2016-01-31,2016-01-01,4000.00,0,,Mensual,,", "",
         "fecha_final_pago antes de fecha_inicial_pago: \"2016-01-01\""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,-4000.00,0,,Mensual,,", "",
         "ingreso_gravable no es un importe de 0.00 en adelante: \"-4000.00\""},
        {"E1,2016-01-31,2016-01-01,2016-01-31,4000.00,,,Mensual,,", "",
         "isr_retenido no es un importe de 0.00 en adelante: \"\""},
        {" ,2016-01-31,2016-01-01,2016-01-31,4000.00,0,,Mensual,,", "", "falta empleado"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const History history(kHeader, c.row);
        const auto read = history.Row();
        if (c.problem.empty()) {
            ASSERT_TRUE(std::holds_alternative<HistoryPayment>(read))
                << std::get<std::string>(read);
            EXPECT_EQ(std::get<HistoryPayment>(read).payment.subsidy, Amount(c.subsidy));
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(read));
            EXPECT_EQ(std::get<std::string>(read), c.problem);
        }
    }
}

TEST(HistoryRow, ReadsEveryFigureOfAPayment) {
    const History history(kHeader,
                          " E-7 ,2016-02-15,2016-02-01,2016-02-15,2000.50,12.34,,"
                          "Quincenal,,99.99");
    const auto read = history.Row();
    ASSERT_TRUE(std::holds_alternative<HistoryPayment>(read));
    const auto& row = std::get<HistoryPayment>(read);
    EXPECT_EQ(row.employee, "E-7");
    EXPECT_EQ(row.payment.paid, (IsoDate{2016, 2, 15}));
    EXPECT_EQ(row.payment.periodStart, (IsoDate{2016, 2, 1}));
    EXPECT_EQ(row.payment.periodEnd, (IsoDate{2016, 2, 15}));
    EXPECT_EQ(row.payment.taxable, Amount("2000.50"));
    EXPECT_EQ(row.payment.withheld, Amount("12.34"));
    EXPECT_EQ(row.payment.exempt, Amount("99.99"));
}

struct UnreadCase {
    std::string_view row;
    std::string_view employee;  // "" when the row names no year
    int year;
};

TEST(HistoryRow, AnUnreadRowBelongsToTheYearItNames) {
    const UnreadCase cases[] = {
        {" E-7 ,2016-01-31,,,abc,0,,Mensual,,", "E-7", 2016},
        {"E1,2015-12-31,,,4000.00,,,Diario,,", "E1", 2015},
        {" ,2016-01-31,,,abc,0,,Mensual,,", "", 0},
        {"E1,31/01/2016,,,4000.00,0,,Mensual,,", "", 0},
        {"E1,,,,4000.00,0,,Mensual,,", "", 0},
        // Badly quoted: its fields can't be trusted to be where the header puts them.
        {"E1,2016-01-31,,,4\"000.00,0,,Mensual,,", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const History history(kHeader, c.row);  // the year's employee points into its record
        const auto year = history.YearOfRow();
        ASSERT_EQ(year.has_value(), !c.employee.empty());
        if (!year) continue;
        EXPECT_EQ(year->employee, c.employee);
        EXPECT_EQ(year->year, c.year);
    }
}

}  // namespace
}  // namespace isr
