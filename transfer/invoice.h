// SPDX-License-Identifier: GPL-2.0-or-later
// Structured VAT invoices (the national e-invoice XML, schemas FA(2) and FA(3)) read as the transfer that
// pays them: the seller and its account, the amount still due, the invoice number as the title, the due
// date. The XML is read with no DTD, no entity and no network: a file that needs any of them is refused,
// as is one too large or nested too deep to be an invoice.
#pragma once

#include "transfer/transferreader.h"

#include <QString>
#include <string_view>

namespace transfer {

inline constexpr std::size_t InvoiceSizeLimit = 20 * 1024 * 1024;
inline constexpr int InvoiceDepthLimit = 64;

// The two schemas' namespaces: FA(2), then FA(3).
inline constexpr const char* InvoiceNamespaces[]
    = { "http://crd.gov.pl/wzor/2023/06/29/12648/", "http://crd.gov.pl/wzor/2025/06/25/13775/" };

// Whether the bytes begin as XML does: "<" first, after a byte-order mark and blanks. A transfer file or
// a CSV file never does.
bool looksLikeXml(std::string_view bytes);

// The transfer that pays the invoice, with everything that stops it or is worth saying. A file that is
// no invoice gives one problem saying why and no values. today is the day a due date is compared with.
SourceTransfer readInvoice(std::string_view bytes, const QString& path, double today);

// The split-payment title banks book a VAT-split transfer by: "/VAT/230,00/IDC/5260250274/INV/FV/1/TXT/
// ..." with the free text only where the form's title lines leave room for it. Nothing when the fields do
// not fit their limits or the form's two title lines.
std::optional<QString> splitPaymentTitle(Money vat, const QString& taxNumber, const QString& invoiceNumber);

} // namespace transfer
