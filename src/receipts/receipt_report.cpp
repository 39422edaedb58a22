// SPDX-License-Identifier: MIT
#include "receipts/receipt_report.h"

#include "batch/csv_writer.h"
#include "money/amount_text.h"

namespace isr {

namespace {

constexpr std::array<std::string_view, 25> kColumns = {
    "archivo",
    "uuid",
    "version",
    "rfc_emisor",
    "rfc_receptor",
    "curp",
    "num_empleado",
    "tipo_nomina",
    "fecha_pago",
    "periodicidad",
    "dias_pagados",
    "base_ordinaria",
    "gravado_art174",
    "isr_retenido",
    "subsidio_entregado",
    "subsidio_causado",
    "neto_recibo",
    "procedimiento_periodo",
    "procedimiento_dias",
    "procedimiento_mensual",
    "metodo",
    "via_art174",
    "diferencia",
    "dictamen",
    "motivo",
};

constexpr std::array<std::string_view, kAuditMethodCount> kMethodNames = {"periodo", "dias",
                                                                          "mensual"};

// Thousandths of a day with no trailing zeros: "15", "15.2", "30.417".
std::string DaysText(DaysPaid days) {
    std::string text = std::to_string(days.thousandths / kThousandthsPerDay);
    int rest = days.thousandths % kThousandthsPerDay;
    if (rest == 0) return text;
    text += '.';
    for (int unit = kThousandthsPerDay / 10; rest != 0; unit /= 10) {
        text += static_cast<char>('0' + rest / unit);
        rest %= unit;
    }
    return text;
}

std::string_view VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::kCoincide:
            return "coincide";
        case Verdict::kDifiere:
            return "difiere";
        case Verdict::kNoAuditado:
            break;
    }
    return "no auditado";
}

std::string_view CauseCaption(NotAuditedCause cause) {
    switch (cause) {
        case NotAuditedCause::kUnreadable:
            return "ilegibles o incompletos";
        case NotAuditedCause::kYear:
            return "pagados fuera de 2014-2017";
        case NotAuditedCause::kExtraordinary:
            return "nómina extraordinaria";
        case NotAuditedCause::kSeparation:
            return "pagos por separación";
        case NotAuditedCause::kNoTable:
            break;
    }
    return "sin tabla para su periodicidad ni sus días";
}

}  // namespace

std::string_view AuditMethodName(AuditMethod method) {
    return kMethodNames[static_cast<std::size_t>(method)];
}

void WriteReportHeader(ByteBuffer& out) {
    CsvRecordWriter writer(out, kReportLineEnd);
    for (const auto column : kColumns) writer.Field(column);
    writer.EndRecord();
}

void WriteReportRecord(ByteBuffer& out, std::string_view file, const ReceiptRow& row,
                       const ReceiptAudit& audit) {
    CsvRecordWriter writer(out, kReportLineEnd);
    const auto amount = [&](std::optional<Cents> value) {
        if (value) {
            writer.AmountField(AmountText(*value));
        } else {
            writer.Field("");
        }
    };
    writer.Field(file);
    writer.Field(row.uuid);
    writer.Field(!row.version ? "" : *row.version == PayrollVersion::k11 ? "1.1" : "1.2");
    writer.Field(row.issuerRfc);
    writer.Field(row.receiverRfc);
    writer.Field(row.curp);
    writer.Field(row.employeeNumber);
    const ReceiptFigures* f = row.figures ? &*row.figures : nullptr;
    writer.Field(f == nullptr ? "" : f->kind == PayrollKind::kOrdinaria ? "O" : "E");
    writer.Field(f == nullptr ? "" : f->paymentDate);
    writer.Field(f == nullptr ? "" : PeriodicityCode(f->periodicity));
    writer.Field(f == nullptr ? "" : DaysText(f->daysPaid));
    const bool audited = audit.verdict != Verdict::kNoAuditado;
    amount(audited ? std::optional(audit.ordinaryBase) : std::nullopt);
    amount(audited ? std::optional(audit.art174Taxed) : std::nullopt);
    amount(f == nullptr ? std::nullopt : std::optional(f->isrWithheld));
    amount(f == nullptr ? std::nullopt : std::optional(f->subsidyDelivered));
    amount(f == nullptr ? std::nullopt : f->subsidyCaused);
    amount(audited ? std::optional(audit.receiptNet) : std::nullopt);
    for (const auto& candidate : audit.candidates) {
        amount(candidate ? std::optional(candidate->result) : std::nullopt);
    }
    writer.Field(audit.method ? AuditMethodName(*audit.method) : "");
    const auto& matched =
        audit.method ? audit.candidates[static_cast<std::size_t>(*audit.method)] : std::nullopt;
    writer.Field(!matched || !matched->way             ? ""
                 : *matched->way == Art174Way::kArt174 ? "art174"
                                                       : "art96");
    amount(audit.difference);
    writer.Field(VerdictName(audit.verdict));
    writer.Field(audit.reason);
    writer.EndRecord();
}

void ReportTally::Count(const ReceiptAudit& audit) {
    ++read_;
    switch (audit.verdict) {
        case Verdict::kCoincide:
            ++agreeing_;
            ++byMethod_[static_cast<std::size_t>(*audit.method)];
            break;
        case Verdict::kDifiere: {
            ++differing_;
            const auto sum = Cents::Sum(differences_, *audit.difference);
            differencesBeyond_ = differencesBeyond_ || !sum;
            differences_ = sum.value_or(differences_);
            break;
        }
        case Verdict::kNoAuditado:
            ++notAudited_[audit.cause];
            break;
    }
}

void ReportTally::Add(const ReportTally& other) {
    read_ += other.read_;
    agreeing_ += other.agreeing_;
    for (std::size_t m = 0; m < kAuditMethodCount; ++m) byMethod_[m] += other.byMethod_[m];
    differing_ += other.differing_;
    const auto sum = Cents::Sum(differences_, other.differences_);
    differencesBeyond_ = differencesBeyond_ || other.differencesBeyond_ || !sum;
    differences_ = sum.value_or(differences_);
    for (const auto& [cause, count] : other.notAudited_) notAudited_[cause] += count;
}

std::string ReportTally::Summary() const {
    std::int64_t notAudited = 0;
    for (const auto& [cause, count] : notAudited_) notAudited += count;
    std::string text = "recibos: " + std::to_string(read_) + '\n';
    text += "auditados: " + std::to_string(agreeing_ + differing_) + '\n';
    text += "coinciden: " + std::to_string(agreeing_) + '\n';
    for (std::size_t m = 0; m < kAuditMethodCount; ++m) {
        text += "  " + std::string(kMethodNames[m]) + ": " + std::to_string(byMethod_[m]) + '\n';
    }
    text += "difieren: " + std::to_string(differing_) + '\n';
    text +=
        "suma de las diferencias: " +
        (differencesBeyond_ ? std::string("fuera de rango") : AmountText(differences_).String()) +
        '\n';
    text += "no auditados: " + std::to_string(notAudited) + '\n';
    for (const auto& [cause, count] : notAudited_) {
        text += "  " + std::string(CauseCaption(cause)) + ": " + std::to_string(count) + '\n';
    }
    return text;
}

}  // namespace isr
