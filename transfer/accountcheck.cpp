// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/accountcheck.h"

#include <QCoreApplication>

namespace transfer {

QString accountDigits(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('-'))
            digits.append(c);
    }
    if (digits.startsWith(QLatin1String("PL"), Qt::CaseInsensitive))
        digits.remove(0, 2);
    return digits;
}

GroupedAccount groupAccount(const QString& typed, int cursor)
{
    const bool country = typed.startsWith(QLatin1String("PL"), Qt::CaseInsensitive);
    const int start = country ? 2 : 0;
    QString digits;
    int digitsBefore = 0; // of the digits, those before the cursor
    for (int i = start; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('-'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return { typed, cursor };
        digits.append(c);
        digitsBefore += i < cursor ? 1 : 0;
    }
    GroupedAccount grouped { typed.left(start), cursor < start ? cursor : start };
    for (int i = 0; i < digits.size(); ++i) {
        if (i == 2 || (i > 2 && (i - 2) % 4 == 0))
            grouped.text.append(QLatin1Char(' '));
        grouped.text.append(digits.at(i));
        if (i + 1 == digitsBefore)
            grouped.cursor = int(grouped.text.size());
    }
    return grouped;
}

AccountCheck checkAccountNumber(const QString& text)
{
    const QString digits = accountDigits(text);
    if (digits.size() != 26)
        return AccountCheck::NotAnAccount;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return AccountCheck::NotAnAccount;
    }
    // The IBAN order: the 24 digits after the check digits, "PL" as 2521, then the check digits.
    const QString rearranged = digits.mid(2) + QStringLiteral("2521") + digits.left(2);
    int remainder = 0;
    for (QChar c : rearranged)
        remainder = (remainder * 10 + (c.unicode() - '0')) % 97;
    return remainder == 1 ? AccountCheck::Valid : AccountCheck::WrongCheckSum;
}

QString wrongAccountWarning()
{
    return QCoreApplication::translate("transfer", "Błędna suma kontrolna numeru rachunku");
}

} // namespace transfer
#include <QCoreApplication>
