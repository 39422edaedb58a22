// SPDX-License-Identifier: MIT
// A set of 2016 withholding tables: one income-tax tariff per pay period and one
// employment-subsidy table for each period that has one (tariffs/periods.h), each of 11 rows. A set
// is written once as the decimal texts of its figures and read into exact integers while compiling;
// both forms are kept, the texts for whoever wants to check the figures by other means.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "money/cents.h"
#include "tariffs/periods.h"

namespace isr {

inline constexpr std::size_t kRowsPerTable = 11;

template <class Row>
using Table = std::array<Row, kRowsPerTable>;

// Figures as published, plain decimals ("0.01", "6.4", "103218").
struct IsrRowText {
    std::string_view lowerLimit;
    std::string_view upperLimit;
    std::string_view fixedFee;
    std::string_view rate;  // in percent
};

struct SubsidyRowText {
    std::string_view lowerLimit;
    std::string_view upperLimit;
    std::string_view subsidy;
};

// The daily tariff and daily subsidy table (Anexo 8, B.1), whose rows times N whole days make the
// tables of an N-day pay. Their top rows end at the short periods' sentinel, 9,999,999.99, which
// an N-day table keeps as it is.
struct DailyTablesText {
    Table<IsrRowText> isr;
    Table<SubsidyRowText> subsidy;
};

struct TableSetText {
    std::string_view name;  // as the command line and the window's option name it
    // The first line of the tariff listing: which tables these are.
    std::string_view title;
    std::string_view years;  // the years the tables are for, as the listing's titles write them
    // What they are, in a line of the help: "las publicadas en el Anexo 8 de la RMF para 2016".
    std::string_view description;
    std::array<Table<IsrRowText>, kPeriodCount> isr;  // by period
    // By period; a period without a subsidy table ("Anual") leaves its rows empty.
    std::array<Table<SubsidyRowText>, kPeriodCount> subsidy;
    // Nothing for a set that publishes no daily tables (the program's): one is never derived.
    const DailyTablesText* daily = nullptr;
};

// Both limits of a row are inclusive; a row's lower limit is one cent above the previous row's
// upper limit, and the top row ends at a sentinel far above any pay.
struct IsrRow {
    Cents lowerLimit;
    Cents upperLimit;
    Cents fixedFee;
    Rate rate;
};

struct SubsidyRow {
    Cents lowerLimit;
    Cents upperLimit;
    Cents subsidy;  // for one pay period of the table's period
};

class TableSet {
  public:
    consteval explicit TableSet(const TableSetText& text) : text_(&text) {
        for (const Period period : kPeriods) {
            const auto p = PeriodIndex(period);
            for (std::size_t r = 0; r < kRowsPerTable; ++r) {
                const auto& row = text.isr[p][r];
                isr_[p][r] = {TableAmount(row.lowerLimit), TableAmount(row.upperLimit),
                              TableAmount(row.fixedFee), TableRate(row.rate)};
                if (!HasSubsidyTable(period)) continue;
                const auto& subsidy = text.subsidy[p][r];
                subsidy_[p][r] = {TableAmount(subsidy.lowerLimit), TableAmount(subsidy.upperLimit),
                                  TableAmount(subsidy.subsidy)};
            }
        }
        if (text.daily == nullptr) return;
        hasDaily_ = true;
        for (std::size_t r = 0; r < kRowsPerTable; ++r) {
            const auto& row = text.daily->isr[r];
            dailyIsr_[r] = {TableAmount(row.lowerLimit), TableAmount(row.upperLimit),
                            TableAmount(row.fixedFee), TableRate(row.rate)};
            const auto& subsidy = text.daily->subsidy[r];
            dailySubsidy_[r] = {TableAmount(subsidy.lowerLimit), TableAmount(subsidy.upperLimit),
                                TableAmount(subsidy.subsidy)};
        }
    }

    constexpr std::string_view Name() const { return text_->name; }
    constexpr std::string_view Title() const { return text_->title; }
    constexpr std::string_view Years() const { return text_->years; }
    constexpr std::string_view Description() const { return text_->description; }
    constexpr const TableSetText& Text() const { return *text_; }

    constexpr std::span<const IsrRow, kRowsPerTable> IsrTariff(Period period) const {
        return isr_[PeriodIndex(period)];
    }
    // Empty for a period without a subsidy table.
    constexpr std::span<const SubsidyRow> SubsidyTable(Period period) const {
        if (!HasSubsidyTable(period)) return {};
        return subsidy_[PeriodIndex(period)];
    }

    constexpr bool HasDailyTables() const { return hasDaily_; }
    // Zero rows for a set without daily tables.
    constexpr std::span<const IsrRow> DailyIsrTariff() const {
        if (!hasDaily_) return {};
        return dailyIsr_;
    }
    constexpr std::span<const SubsidyRow> DailySubsidyTable() const {
        if (!hasDaily_) return {};
        return dailySubsidy_;
    }

  private:
    const TableSetText* text_;
    bool hasDaily_ = false;
    Table<IsrRow> dailyIsr_{};
    Table<SubsidyRow> dailySubsidy_{};
    std::array<Table<IsrRow>, kPeriodCount> isr_{};
    std::array<Table<SubsidyRow>, kPeriodCount> subsidy_{};
};

}  // namespace isr
