// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/csvexport.h"

#include "platform/datetime.h"
#include "transfer/accountcheck.h"
#include "transfer/csvimport.h"

#include <QDate>
#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace transfer {

namespace {

// A field as RFC 4180 writes it: quoted when it holds the delimiter, a quote or a line break, or begins or
// ends with a space (which the reader would trim from a bare field); guarded against being taken for a
// formula.
QString field(const QString& text)
{
    QString value = formulaGuarded(text);
    const bool quote = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"'))
        || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))
        || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString amountText(const std::optional<Money>& amount)
{
    return amount ? amount->text() : QString();
}

QString dateText(double days)
{
    if (days <= 0)
        return {};
    return platform::dateOfDays(days).toString(QStringLiteral("dd.MM.yyyy"));
}

// An account as a spreadsheet keeps it, as text: grouped by four digits after the check digits, never one
// run of digits that it would turn into 1.09E+23 (another text stays as it is).
QString accountText(const QString& account)
{
    return groupAccount(account.trimmed(), 0).text;
}

// The header and the rows, each a list of fields, as the file's bytes.
QByteArray csvBytes(const QString& header, const std::vector<QStringList>& rows)
{
    QString text = header + QLatin1String("\r\n");
    for (const QStringList& fields : rows) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(';');
            text += field(fields[i]);
        }
        text += QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QByteArray logEntriesCsv(const std::vector<LogEntry>& entries)
{
    std::vector<QStringList> rows;
    for (const LogEntry& e : entries) {
        const TransferEditorValues& v = e.values;
        // The whole account in one column, its check digits included: two digits alone would lose a
        // leading zero in a spreadsheet. The import joins the columns again.
        rows.push_back({ v.recipientName, QString(), accountText(v.recipientAccount), amountText(v.amount),
            v.payerName, v.title, dateText(v.date), e.form,
            e.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
            (e.how + QLatin1Char(' ') + e.target).trimmed(), accountText(v.payerAccount), e.source });
    }
    return csvBytes(QStringLiteral("NDNazwa;NDKONTOKONTR;NDKonto;Kwota;WCNazwa;Tytulem;Data;"
                                   "Formularz;Wydrukowano;Jak;RachunekZleceniodawcy;Zrodlo"),
        rows);
}

QByteArray transferSetCsv(const std::vector<TransferEditorValues>& transfers, const QString& form,
    const std::vector<QString>& refusedAmounts)
{
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        const TransferEditorValues& v = transfers[i];
        const QString amount
            = v.amount || i >= refusedAmounts.size() ? amountText(v.amount) : refusedAmounts[i];
        rows.push_back({ v.recipientName, accountText(v.recipientAccount), amount,
            accountText(v.payerAccount), v.payerName, v.title, dateText(v.date), form });
    }
    return csvBytes(QStringLiteral("Nazwa odbiorcy;Rachunek odbiorcy;Kwota;Rachunek zleceniodawcy;"
                                   "Nazwa zleceniodawcy;Tytuł;Data;Formularz"),
        rows);
}

QByteArray payeesCsv(const std::vector<Payee>& payees)
{
    std::vector<QStringList> rows;
    rows.reserve(payees.size());
    for (const Payee& p : payees)
        rows.push_back({ p.name, accountText(p.account), p.nip, p.title, p.note });
    return csvBytes(QStringLiteral("Nazwa odbiorcy;Rachunek odbiorcy;NIP;Tytuł;Uwagi"), rows);
}

} // namespace transfer
