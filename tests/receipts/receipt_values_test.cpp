// SPDX-License-Identifier: MIT
#include "receipts/receipt_values.h"

#include <gtest/gtest.h>

#include "receipts/periodicity.h"

namespace isr {
namespace {

TEST(ReceiptValues, AmountsAreTheSchemasPlainDecimalsToTheCent) {
    const struct {
        const char* text;
        std::optional<std::int64_t> cents;
    } kCases[] = {
        {"1054.75", 105'475},
        {"0", 0},
        {"0.5", 50},
        {"15200.104", 1'520'010},
        {"2.675", 268},
        {" 12.00 ", 1'200},
        {"1,054.75", {}},
        {"-1.00", {}},
        {"", {}},
        {".", {}},
        {"1e3", {}},
        {"+1", {}},
        {"NaN", {}},
        {"99999999999999999", {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const auto amount = ReceiptAmount(c.text);
        ASSERT_EQ(amount.has_value(), c.cents.has_value());
        if (amount) {
            EXPECT_EQ(amount->Count(), *c.cents);
        }
    }
}

TEST(ReceiptValues, DaysHaveUpToThreeDecimalsAndAreAboveZero) {
    const struct {
        const char* text;
        std::optional<std::int32_t> thousandths;
    } kCases[] = {
        {"15", 15'000},
        {"15.2", 15'200},
        {"30.417", 30'417},
        {"0.001", 1},
        {"99999.999", 99'999'999},
        {"0", {}},
        {"0.000", {}},
        {"15.", {}},
        {".5", {}},
        {"15.2345", {}},
        {"100000", {}},
        {"-1", {}},
        {"1,5", {}},
        {"", {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const auto days = ReceiptDays(c.text);
        ASSERT_EQ(days.has_value(), c.thousandths.has_value());
        if (days) {
            EXPECT_EQ(days->thousandths, *c.thousandths);
        }
    }
}

TEST(ReceiptValues, Dates) {
    for (const char* good : {"2016-01-01", "2017-12-31", "2014-02-29"}) {
        EXPECT_TRUE(IsReceiptDate(good)) << good;
    }
    for (const char* bad : {"2016-1-01", "2016-00-10", "2016-01-32", "16-01-01", "2016/01/01",
                            "2016-01-01T00:00:00", ""}) {
        EXPECT_FALSE(IsReceiptDate(bad)) << bad;
    }
}

TEST(ReceiptValues, PeriodicityTextsOfPayroll11InAnyCase) {
    const struct {
        const char* text;
        Periodicity periodicity;
    } kCases[] = {
        {"Quincenal", Periodicity::kQuincenal}, {"quincenal", Periodicity::kQuincenal},
        {"SEMANAL", Periodicity::kSemanal},     {" Mensual ", Periodicity::kMensual},
        {"DeCeNaL", Periodicity::kDecenal},     {"catorcenal", Periodicity::kCatorcenal},
        {"04", Periodicity::kQuincenal},        {"10", Periodicity::kDecenal},
        {"Diario", Periodicity::kDiario},       {"Otra Periodicidad", Periodicity::kOtra},
        {"quincena", Periodicity::kOtra},       {"", Periodicity::kOtra},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PeriodicityOfText(c.text), c.periodicity);
    }
}

TEST(ReceiptValues, PeriodicityCodesOfPayroll12) {
    // The catalogue, typed here from c_PeriodicidadPago.
    const std::pair<const char*, Periodicity> kCatalogue[] = {
        {"01", Periodicity::kDiario},       {"02", Periodicity::kSemanal},
        {"03", Periodicity::kCatorcenal},   {"04", Periodicity::kQuincenal},
        {"05", Periodicity::kMensual},      {"06", Periodicity::kBimestral},
        {"07", Periodicity::kUnidadObra},   {"08", Periodicity::kComision},
        {"09", Periodicity::kPrecioAlzado}, {"10", Periodicity::kDecenal},
        {"99", Periodicity::kOtra},
    };
    for (const auto& [code, periodicity] : kCatalogue) {
        SCOPED_TRACE(code);
        EXPECT_EQ(PeriodicityOfCode(code), periodicity);
        EXPECT_EQ(PeriodicityCode(periodicity), code);
    }
    for (const char* notACode : {"4", "11", "Quincenal", "004", ""}) {
        EXPECT_FALSE(PeriodicityOfCode(notACode)) << notACode;
    }
}

}  // namespace
}  // namespace isr
