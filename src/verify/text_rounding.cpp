// SPDX-License-Identifier: MIT
#include "verify/text_rounding.h"

#include "oracle/rational_amount.h"

namespace isr::verify {

namespace {

std::string RandomDigits(std::mt19937_64& random, std::size_t count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + digit(random));
    return digits;
}

bool OneIn(std::mt19937_64& random, int n) {
    return std::uniform_int_distribution<int>(1, n)(random) == 1;
}

// The largest amount the calculation holds, as the oracle sees it.
const mpq_class& LargestAmount() {
    static const mpq_class largest = oracle::PlainDecimal("9999999999999999.99");
    return largest;
}

}  // namespace

std::string RandomAmountText(std::mt19937_64& random) {
    std::uniform_int_distribution<std::size_t> integerLength(0, 40);
    std::string text = OneIn(random, 3) ? "-" : "";
    std::string integer = RandomDigits(random, integerLength(random));
    if (OneIn(random, 8)) integer.insert(0, "00");
    for (std::size_t i = 0; i < integer.size(); ++i) {
        text += integer[i];
        if (OneIn(random, 4)) text += ',';
    }
    if (integer.empty() || !OneIn(random, 4)) {
        text += '.';
        std::string decimals =
            RandomDigits(random, std::uniform_int_distribution<std::size_t>(0, 12)(random));
        // Half cents and their neighbours decide the rounding: put them there often.
        if (decimals.size() >= 3 && OneIn(random, 2)) decimals[2] = OneIn(random, 2) ? '5' : '4';
        if (decimals.size() >= 3 && OneIn(random, 3))
            std::fill(decimals.begin() + 3, decimals.end(), '0');
        if (integer.empty() && decimals.empty()) decimals = "0";
        text += decimals;
    }
    return text;
}

AmountReaders ProgramAmountReaders() {
    return {RoundedAmountText, ReadAmount};
}

TextCount CheckAmountTexts(std::int64_t count, std::uint64_t stream, const AmountReaders& readers,
                           const std::function<void(const TextMismatch&)>& onMismatch) {
    std::mt19937_64 random(stream);
    TextCount total;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string text = RandomAmountText(random);
        const auto value = oracle::TypedDecimal(text);
        const auto shown = readers.shown(text);
        const TypedAmount typed = readers.cents(text);
        ++total.checked;
        const auto differ = [&](std::string what, std::string program, std::string exact) {
            ++total.mismatches;
            onMismatch({text, std::move(what), std::move(program), std::move(exact)});
        };
        if (!value) {
            differ("amount", shown.value_or("not an amount"), "not an amount");
            continue;
        }
        const mpq_class rounded = oracle::RoundedToCents(*value);
        const std::string exactShown = oracle::ShownCents(rounded);
        if (shown != exactShown) differ("shown", shown.value_or("not an amount"), exactShown);
        const bool beyond = abs(rounded) > LargestAmount();
        const std::string program = typed.kind == TypedAmount::Kind::kBeyondRange
                                        ? "beyond range"
                                        : AmountText(typed.cents).String();
        const std::string exact = beyond ? "beyond range" : exactShown;
        if (program != exact) differ("cents", program, exact);
    }
    return total;
}

}  // namespace isr::verify
