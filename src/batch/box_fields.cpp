// SPDX-License-Identifier: MIT
#include "batch/box_fields.h"

#include <initializer_list>
#include <string_view>

#include "batch/byte_buffer.h"
#include "presentation/box_labels.h"
#include "presentation/box_text.h"

namespace isr {

namespace {

// Write below takes the boxes in this order.
static_assert(kResultBoxes == std::array{
                                  ResultBox::kIsrLowerLimit,
                                  ResultBox::kIsrExcess,
                                  ResultBox::kIsrRate,
                                  ResultBox::kIsrFixedFee,
                                  ResultBox::kDeterminedTax,
                                  ResultBox::kSubsidyLowerLimit,
                                  ResultBox::kSubsidyUpperLimit,
                                  ResultBox::kSubsidy,
                                  ResultBox::kResult,
                              });

// The text of a settlement figure of zero, as AmountText writes it.
constexpr std::string_view kZeroText = "0.00";

// The boxes' fields as CsvRowWriter writes them: each followed by its separator.
std::string FieldsOf(const Withholding& withholding, std::initializer_list<ResultBox> boxes,
                     char separator) {
    ByteBuffer buffer;
    CsvRecordWriter writer(buffer, {}, separator);
    for (const ResultBox box : boxes) writer.AmountField(BoxText(withholding, box));
    std::string fields(buffer.View());
    fields += separator;
    return fields;
}

template <class Entry>
Entry& EntryOf(std::vector<Entry>& entries, std::size_t row) {
    if (row >= entries.size()) entries.resize(row + 1);
    return entries[row];
}

}  // namespace

const BoxFields::IsrEntry& BoxFields::MakeIsrEntry(Period period, const IsrBreakdown& kept) {
    auto& entry = EntryOf(isr_[PeriodIndex(period)], kept.row);
    const Withholding figures{kept, std::nullopt, Cents{}, std::nullopt};
    entry = {kept, FieldsOf(figures, {ResultBox::kIsrLowerLimit}, separator_),
             FieldsOf(figures, {ResultBox::kIsrRate, ResultBox::kIsrFixedFee}, separator_)};
    return entry;
}

const BoxFields::SubsidyEntry& BoxFields::MakeSubsidyEntry(Period period,
                                                           const SubsidyBreakdown& row) {
    auto& entry = EntryOf(subsidy_[PeriodIndex(period)], row.row);
    const Withholding figures{std::nullopt, row, Cents{}, std::nullopt};
    entry = {row, FieldsOf(figures,
                           {ResultBox::kSubsidyLowerLimit, ResultBox::kSubsidyUpperLimit,
                            ResultBox::kSubsidy},
                           separator_)};
    return entry;
}

void BoxFields::Write(Period period, const Withholding& withholding, CsvRowWriter& writer) {
    if (writer.Separator() != separator_) {
        // Another payroll's separator: every entry would part its fields wrongly.
        separator_ = writer.Separator();
        for (auto& entries : isr_) entries.clear();
        for (auto& entries : subsidy_) entries.clear();
        noSubsidy_ = FieldsOf(
            Withholding{},
            {ResultBox::kSubsidyLowerLimit, ResultBox::kSubsidyUpperLimit, ResultBox::kSubsidy},
            separator_);
    }
    // With the rows found, each box that is not kept shows its figure as it is.
    if (withholding.isr) {
        const auto& entry = IsrFields(period, *withholding.isr);
        writer.WrittenFields(entry.lowerLimit);
        writer.AmountField(AmountText(withholding.isr->excess));
        writer.WrittenFields(entry.rateAndFee);
    } else {
        for (const ResultBox b : {ResultBox::kIsrLowerLimit, ResultBox::kIsrExcess,
                                  ResultBox::kIsrRate, ResultBox::kIsrFixedFee}) {
            writer.AmountField(BoxText(withholding, b));
        }
    }
    writer.AmountField(AmountText(withholding.determinedTax));
    writer.WrittenFields(withholding.subsidy ? SubsidyFields(period, *withholding.subsidy).fields
                                             : noSubsidy_);
    // The result, then its settlement: each figure that is not zero is the result or its
    // opposite, written out of the result's own text rather than formatted again.
    const auto& result = withholding.result;
    const AmountText resultText = result ? AmountText(*result) : AmountText::BareZero();
    writer.AmountField(resultText);
    for (const Cents figure : Settlement(withholding)) {
        if (figure == Cents{}) {
            writer.UnquotedField(kZeroText);
        } else {
            writer.AmountField(figure == *result ? resultText : resultText.Magnitude());
        }
    }
}

}  // namespace isr
