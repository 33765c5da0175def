// SPDX-License-Identifier: GPL-2.0-or-later
// The two forms a page can be.
#pragma once

#include <QString>
#include <optional>

namespace printout {

// What the page is: a transfer order, or a cash deposit slip, whose payer-account line carries the amount
// in words and whose letter P (przelew) is crossed out in every copy.
enum class FormKind { Transfer, Deposit };
// The kind as the registry file, the log and the command line write it: "przelew" or "wplata".
inline QString formKindName(FormKind kind)
{
    return kind == FormKind::Deposit ? QStringLiteral("wplata") : QStringLiteral("przelew");
}
inline std::optional<FormKind> formKindNamed(const QString& name)
{
    if (name == formKindName(FormKind::Deposit))
        return FormKind::Deposit;
    if (name == formKindName(FormKind::Transfer))
        return FormKind::Transfer;
    return std::nullopt;
}

} // namespace printout
