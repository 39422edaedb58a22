// SPDX-License-Identifier: MIT
#include "verify/text_rounding.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "oracle/rational_amount.h"
#include "verify/run.h"

namespace isr::verify {
namespace {

constexpr std::uint64_t kStream = 2016;
constexpr std::int64_t kTexts = 3000;

mpq_class Value(std::string_view text) {
    return *oracle::TypedDecimal(text);
}

// Exactly half a cent past a whole cent: the case where half up, half even and truncation part.
bool IsHalfCent(std::string_view text) {
    const mpq_class twoHundredths = Value(text) * 200;
    return twoHundredths.get_den() == 1 && mpz_class(twoHundredths.get_num() % 2) != 0;
}

int SignificantDigits(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if (c >= '1' && c <= '9') ++count;
        if (c == '0' && count > 0) ++count;
    }
    return count;
}

bool IsBeyondRange(std::string_view text) {
    return abs(oracle::RoundedToCents(Value(text))) > oracle::PlainDecimal("9999999999999999.99");
}

// Faulty readers: each passes a changed text to the program's own.

// Half a cent rounded to the even cent, as banks do and this program must not.
std::string HalfToEven(std::string_view text) {
    std::string out(text);
    const auto point = out.find('.');
    if (point == std::string::npos || out.size() < point + 4) return out;
    const std::string_view tail = std::string_view(out).substr(point + 3);
    const bool half = tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string::npos;
    if (half && (out[point + 2] - '0') % 2 == 0) out.resize(point + 3);
    return out;
}

// Every digit past the fifteenth dropped, as a double would.
std::string FifteenDigits(std::string_view text) {
    std::string out(text);
    int significant = 0;
    for (char& c : out) {
        if (c < '0' || c > '9' || (significant == 0 && c == '0')) continue;
        if (++significant > 15) c = '0';
    }
    return out;
}

TypedAmount Saturating(std::string_view text) {
    TypedAmount amount = ReadAmount(text);
    amount.kind = TypedAmount::Kind::kAmount;
    return amount;
}

TEST(RandomAmountText, ReachesTheTextsThatDecideRounding) {
    std::mt19937_64 random(kStream);
    int negative = 0, grouped = 0, leadingZeros = 0, halfCent = 0, beyond = 0, long40 = 0;
    for (int i = 0; i < kTexts; ++i) {
        const std::string text = RandomAmountText(random);
        ASSERT_TRUE(oracle::TypedDecimal(text).has_value()) << text;
        negative += text.starts_with('-') ? 1 : 0;
        grouped += text.find(',') != std::string::npos ? 1 : 0;
        leadingZeros += text.starts_with("00") || text.starts_with("-00") ? 1 : 0;
        halfCent += IsHalfCent(text) ? 1 : 0;
        beyond += IsBeyondRange(text) ? 1 : 0;
        long40 += SignificantDigits(text) >= 40 ? 1 : 0;
    }
    EXPECT_GT(negative, 0);
    EXPECT_GT(grouped, 0);
    EXPECT_GT(leadingZeros, 0);
    EXPECT_GT(halfCent, 0);
    EXPECT_GT(beyond, 0);
    EXPECT_GT(long40, 0);
}

TEST(CheckAmountTexts, TheProgramsReadersAgreeWithTheExactReading) {
    std::vector<TextMismatch> found;
    const auto count = CheckAmountTexts(kTexts, kStream, ProgramAmountReaders(),
                                        [&](const TextMismatch& m) { found.push_back(m); });
    EXPECT_EQ(count.checked, kTexts);
    EXPECT_EQ(count.mismatches, 0);
    for (const auto& m : found) ADD_FAILURE() << m.text << " " << m.what << " " << m.program;
}

TEST(CheckAmountTexts, CatchesAFaultyReaderAndNamesTheReading) {
    const auto shown = [](std::string (*fault)(std::string_view)) {
        return AmountReaders{[fault](std::string_view t) { return RoundedAmountText(fault(t)); },
                             ReadAmount};
    };
    const auto cents = [](std::string (*fault)(std::string_view)) {
        return AmountReaders{RoundedAmountText,
                             [fault](std::string_view t) { return ReadAmount(fault(t)); }};
    };
    struct Case {
        std::string name;
        AmountReaders readers;
        std::string what;
        std::function<bool(std::string_view)> affected;  // every text reported is one of these
    };
    const Case cases[] = {
        {"shown text rounds halves to even", shown(HalfToEven), "shown", IsHalfCent},
        {"cents round halves to even", cents(HalfToEven), "cents", IsHalfCent},
        {"shown text keeps 15 digits", shown(FifteenDigits), "shown",
         [](std::string_view t) { return SignificantDigits(t) > 15; }},
        {"cents keep 15 digits", cents(FifteenDigits), "cents",
         [](std::string_view t) { return SignificantDigits(t) > 15; }},
        {"cents saturate beyond the range",
         {RoundedAmountText, Saturating},
         "cents",
         IsBeyondRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<TextMismatch> found;
        const auto count = CheckAmountTexts(kTexts, kStream, c.readers,
                                            [&](const TextMismatch& m) { found.push_back(m); });
        EXPECT_EQ(count.checked, kTexts);
        EXPECT_GT(count.mismatches, 0);
        EXPECT_EQ(count.mismatches, static_cast<std::int64_t>(found.size()));
        for (const auto& m : found) {
            SCOPED_TRACE(m.text);
            EXPECT_EQ(m.what, c.what);
            EXPECT_NE(m.program, m.exact);
            EXPECT_TRUE(c.affected(m.text));
        }
    }
}

TEST(VerifyRun, AmountTextMismatchesCountInTheLastLine) {
    const std::vector<std::string_view> args = {"--period",  "semanal", "--stride",
                                                "100000000", "--texts", "500"};
    const AmountReaders fifteenDigits{
        RoundedAmountText, [](std::string_view t) { return ReadAmount(FifteenDigits(t)); }};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(verify::Run(args, ProgramCalculation, fifteenDigits, 2, out, err), kExitMismatch);
    std::istringstream lines(out.str());
    std::int64_t reported = 0;
    std::string last;
    for (std::string line; std::getline(lines, line); last = line) {
        reported += line.starts_with("mismatch: text \"") ? 1 : 0;
    }
    EXPECT_GT(reported, 0);
    EXPECT_EQ(last, "checked 1 bases, " + std::to_string(reported) + " mismatches");
}

}  // namespace
}  // namespace isr::verify
