// SPDX-License-Identifier: MIT
// Hostile input to the installed isr2016-cli, run as a separate process: each bad argument gets
// exit status 2, nothing on stdout and a two-line message on stderr (what is wrong, then the
// usage) that is short, valid UTF-8 and free of control characters whatever the argument held.
//
// A NUL byte cannot travel in a process argument (it ends the argument), so it has no row here.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"

namespace isr {
namespace {

constexpr std::size_t kLongestLine = 200;  // bytes

bool IsValidUtf8(std::string text) {
    const iconv_t convert = iconv_open("UTF-32LE", "UTF-8");
    char* in = text.data();
    std::size_t inLeft = text.size();
    std::vector<char> buffer(4 * text.size() + 4);
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const bool ok = iconv(convert, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    return ok;
}

// What a terminal would act on instead of showing: C0 controls but the newline, DEL, C1 controls.
bool HasControlCharacters(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));  // unterminated
    return lines;
}

// Every line short, the whole valid UTF-8 that a terminal shows as it is.
void ExpectCleanMessages(const std::string& err) {
    EXPECT_TRUE(err.empty() || err.ends_with('\n'));
    for (const auto& line : Lines(err)) EXPECT_LE(line.size(), kLongestLine) << line;
    EXPECT_TRUE(IsValidUtf8(err)) << err;
    EXPECT_FALSE(HasControlCharacters(err)) << err;
}

struct Row {
    std::string name;
    std::vector<std::string> args;
    std::string expected;  // in the message, or in the JSON output of an accepted row
};

std::string Cut40(char c) {
    return '"' + std::string(40, c) + "…\"";
}

const std::string kHuge(100'000, '9');  // one process argument may reach 128 KiB

std::vector<Row> RejectedRows() {
    return {
        {"no arguments", {}, "se esperan PERIODO"},
        {"one empty argument", {""}, "se esperan PERIODO"},
        {"empty period", {"", "5"}, R"(periodo desconocido: "")"},
        {"empty base", {"mensual", ""}, R"(BASE no es un importe: "")"},
        {"empty subsidy sum", {"anual", "5", ""}, R"(SUMA_SUBSIDIO no es un importe: "")"},
        {"huge period", {std::string(100'000, 'x'), "5"}, "periodo desconocido: " + Cut40('x')},
        {"huge base", {"mensual", kHuge}, "BASE no es un importe: " + Cut40('9')},
        {"huge sum", {"anual", "1", kHuge}, "SUMA_SUBSIDIO no es un importe: " + Cut40('9')},
        {"huge option", {"--" + kHuge}, "opción desconocida: \"--" + std::string(38, '9') + "…\""},
        {"400 nines: past a double", {"mensual", std::string(400, '9')}, Cut40('9')},
        {"exponent", {"mensual", "1e5"}, R"(BASE no es un importe: "1e5")"},
        {"plus sign", {"mensual", "+5"}, R"(BASE no es un importe: "+5")"},
        {"leading blank", {"mensual", " 5"}, R"(BASE no es un importe: " 5")"},
        {"trailing blank", {"mensual", "5 "}, R"(BASE no es un importe: "5 ")"},
        {"trailing minus", {"mensual", "5-"}, R"(BASE no es un importe: "5-")"},
        {"currency sign", {"mensual", "$5"}, R"(BASE no es un importe: "$5")"},
        {"two points", {"mensual", "1,2,3.4.5"}, R"(BASE no es un importe: "1,2,3.4.5")"},
        {"a lone point", {"mensual", "."}, R"(BASE no es un importe: ".")"},
        {"a lone minus", {"mensual", "-"}, R"(BASE no es un importe: "-")"},
        {"full-width digit", {"mensual", "５"}, "BASE no es un importe: \"５\""},
        {"no-break space", {"mensual", "5\u00a0000"}, "BASE no es un importe: \"5\u00a0000\""},
        {"unknown option", {"--xml", "mensual", "5"}, R"(opción desconocida: "--xml")"},
        {"unknown short option", {"mensual", "5", "-x"}, R"(opción desconocida: "-x")"},
        {"options keep their case", {"--JSON", "mensual", "5"}, R"(desconocida: "--JSON")"},
        {"option with a value", {"--json=1", "mensual", "5"}, R"(desconocida: "--json=1")"},
        {"three dashes", {"---", "mensual", "5"}, R"(opción desconocida: "---")"},
        {"double dash and digit", {"mensual", "--5"}, R"(opción desconocida: "--5")"},
        {"after --, an option is data", {"--", "mensual", "--json"}, R"(importe: "--json")"},
        {"stray bytes", {"\xff\xfe", "5"}, R"(periodo desconocido: "\xff\xfe")"},
        {"cut UTF-8 sequence", {"mensual", "1\xc3"}, R"(BASE no es un importe: "1\xc3")"},
        {"overlong UTF-8", {"--\xc0\xaf"}, R"(opción desconocida: "--\xc0\xaf")"},
        {"UTF-16 surrogate", {"anual", "1", "\xed\xa0\x80"}, R"(importe: "\xed\xa0\x80")"},
        {"terminal escape", {"mensual", "\x1b[2J5"}, R"(BASE no es un importe: "\x1b[2J5")"},
        {"C1 control", {"\u009b2J", "5"}, R"(periodo desconocido: "\xc2\x9b2J")"},
        {"newline", {"mensual", "5\n6"}, R"(BASE no es un importe: "5\x0a6")"},
        {"accented period name", {"añual", "5"}, "periodo desconocido: \"añual\""},
    };
}

// Hostile-looking, but amounts all the same.
std::vector<Row> AcceptedRows() {
    return {
        {"huge, all decimals", {"mensual", "0." + kHuge}, R"("ingreso_gravable":"1.00")"},
        {"400 digits, 398 decimals", {"mensual", "1." + std::string(398, '5')}, R"(:"1.56")"},
        {"400 digits, zeros first", {"mensual", std::string(397, '0') + "123"}, R"(:"123.00")"},
        {"400 digits, grouped", {"anual", "1", std::string(398, ',') + "12"}, R"(:"12.00")"},
        {"stray group separators", {"mensual", "1,2,3.4"}, R"("ingreso_gravable":"123.40")"},
        {"a negative amount is no option", {"mensual", "-5"}, R"("ingreso_gravable":"-5.00")"},
    };
}

TEST(CommandLineProcess, BadArgumentsGetStatusTwoAndAShortCleanMessage) {
    for (const auto& row : RejectedRows()) {
        SCOPED_TRACE(row.name);
        const auto result = test::RunChild(ISR2016_CLI, row.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        // One line saying what is wrong, then the usage.
        const auto lines = Lines(result.err);
        ASSERT_GE(lines.size(), 2u) << result.err;
        EXPECT_TRUE(lines[0].starts_with("isr2016-cli: ")) << lines[0];
        EXPECT_NE(lines[0].find(row.expected), std::string::npos) << lines[0];
        EXPECT_TRUE(lines[1].starts_with("uso: isr2016-cli")) << lines[1];
        ExpectCleanMessages(result.err);
    }
}

TEST(CommandLineProcess, StrangeButValidAmountsAreCalculated) {
    for (auto row : AcceptedRows()) {
        SCOPED_TRACE(row.name);
        row.args.insert(row.args.begin(), "--json");
        const auto result = test::RunChild(ISR2016_CLI, row.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find(row.expected), std::string::npos) << result.out;
    }
}

}  // namespace
}  // namespace isr
