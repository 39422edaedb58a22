// SPDX-License-Identifier: MIT
#include "annual/year_rows.h"

#include <variant>

namespace isr {

void YearRows::Take(std::string_view employee, int year,
                    const std::optional<YearPayment>& payment) {
    if (!year_ || employee != employee_ || year != year_->Year()) {
        Finish();
        employee_ = employee;
        year_.emplace(year);
        payments_ = 0;
        badRows_ = 0;
    }
    ++payments_;
    if (payment) {
        year_->Add(*payment);
    } else {
        ++badRows_;
    }
}

void YearRows::Finish() {
    if (!year_) return;
    ++counts_.years;
    if (badRows_ > 0) {
        ++counts_.errors;
        WriteAnnualError(writer_, report_, employee_, year_->Year(), payments_,
                         std::to_string(badRows_) + (badRows_ == 1 ? " pago no se pudo leer"
                                                                   : " pagos no se pudieron leer"));
    } else {
        const auto result = year_->Calculate(tables_);
        if (const auto* problem = std::get_if<AnnualProblem>(&result)) {
            ++counts_.errors;
            WriteAnnualError(writer_, report_, employee_, year_->Year(), payments_,
                             ProblemText(*problem));
        } else {
            const auto& year = std::get<AnnualCalculation>(result);
            ++counts_.byResult[static_cast<std::size_t>(year.result)];
            WriteAnnualRows(writer_, report_, employee_, year);
        }
    }
    year_.reset();
}

}  // namespace isr
