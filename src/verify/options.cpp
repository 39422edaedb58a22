// SPDX-License-Identifier: MIT
#include "verify/options.h"

#include <charconv>

#include "tariffs/periods.h"

namespace isr::verify {

namespace {

std::optional<std::int64_t> WholeNumber(std::string_view text, std::int64_t least) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < least) return std::nullopt;
    return value;
}

}  // namespace

std::variant<Options, std::string> ParseOptions(std::span<const std::string_view> args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto flag = args[i];
        if (flag == "--neto" || flag == "--pago" || flag == "--dias" || flag == "--ejercicio") {
            (flag == "--neto"   ? options.grossUp
             : flag == "--pago" ? options.payments
             : flag == "--dias" ? options.days
                                : options.annual) = true;
            if (options.grossUp + options.payments + options.days + options.annual > 1) {
                return "--neto, --pago, --dias and --ejercicio do not combine";
            }
            continue;
        }
        if (flag != "--stride" && flag != "--period" && flag != "--texts" && flag != "--tablas")
            return "unknown argument: " + std::string(flag);
        if (i + 1 == args.size()) return std::string(flag) + " needs a value";
        const auto value = args[++i];
        if (flag == "--stride") {
            const auto stride = WholeNumber(value, 1);
            if (!stride)
                return "--stride takes a whole number of cents from 1 up: " + std::string(value);
            options.stride = *stride;
        } else if (flag == "--tablas") {
            options.tables = FindTableSet(value);
            options.tablesGiven = true;
            if (options.tables == nullptr) return "no such table set: " + std::string(value);
        } else if (flag == "--texts") {
            const auto texts = WholeNumber(value, 0);
            if (!texts) return "--texts takes a whole number from 0 up: " + std::string(value);
            options.texts = *texts;
        } else {
            options.period = FindPeriod(value);
            if (!options.period) return "no such period: " + std::string(value);
        }
    }
    return options;
}

}  // namespace isr::verify
