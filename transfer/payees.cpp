// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/payees.h"

#include "transfer/accountcheck.h"
#include "transfer/csvimport.h"
#include "transfer/transferfile.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace transfer {

PayeeBook::PayeeBook(TransferLog& log)
    : m_log(log)
{
}

namespace {

constexpr const char* PayeeColumns
    = "SELECT id, name, account, nip, title, note, last_title, last_paid FROM payee";

Payee payeeOf(const QSqlQuery& q)
{
    Payee p;
    p.id = q.value(0).toLongLong();
    p.name = q.value(1).toString();
    p.account = q.value(2).toString();
    p.nip = q.value(3).toString();
    p.title = q.value(4).toString();
    p.note = q.value(5).toString();
    p.lastTitle = q.value(6).toString();
    p.lastPaid = QDateTime::fromString(q.value(7).toString(), Qt::ISODateWithMs);
    return p;
}

QString foldedOf(const Payee& p)
{
    return searchFolded(p.name) + QLatin1Char('\n') + accountDigits(p.account);
}

} // namespace

void PayeeBook::load() const
{
    if (m_loadedRevision == m_log.revision() && !m_stale)
        return;
    const bool whole = m_stale || m_loadedRevision < 0;
    m_loadedRevision = m_log.revision();
    m_stale = false;
    if (!m_log.isOpen()) {
        m_payees.clear();
        m_folded.clear();
        return;
    }
    QSqlQuery q(QSqlDatabase::database(m_log.connectionName(), false));
    q.setForwardOnly(true);
    if (whole) {
        m_payees.clear();
        m_folded.clear();
        if (!q.exec(QLatin1String(PayeeColumns)
                + QStringLiteral(" ORDER BY last_paid DESC, name COLLATE NOCASE, id")))
            return;
        m_newest.clear();
        while (q.next()) {
            if (m_payees.empty())
                m_newest = q.value(7).toString();
            m_payees.push_back(payeeOf(q));
            m_folded.push_back(foldedOf(m_payees.back()));
        }
        return;
    }
    // A print only adds payees or makes them the newest: those paid since the newest read go to the front.
    q.prepare(QLatin1String(PayeeColumns)
        + QStringLiteral(" WHERE last_paid > ? ORDER BY last_paid DESC, name COLLATE NOCASE, id"));
    q.addBindValue(m_newest);
    if (!q.exec())
        return;
    std::vector<Payee> paid;
    while (q.next()) {
        if (paid.empty())
            m_newest = q.value(7).toString();
        paid.push_back(payeeOf(q));
    }
    if (paid.empty())
        return;
    for (std::size_t i = m_payees.size(); i-- > 0;) {
        const qlonglong id = m_payees[i].id;
        if (std::any_of(paid.begin(), paid.end(), [id](const Payee& p) { return p.id == id; })) {
            m_payees.erase(m_payees.begin() + std::ptrdiff_t(i));
            m_folded.erase(m_folded.begin() + std::ptrdiff_t(i));
        }
    }
    std::vector<QString> folded;
    folded.reserve(paid.size());
    for (const Payee& p : paid)
        folded.push_back(foldedOf(p));
    m_payees.insert(m_payees.begin(), paid.begin(), paid.end());
    m_folded.insert(m_folded.begin(), folded.begin(), folded.end());
}

const std::vector<Payee>& PayeeBook::payees() const
{
    load();
    return m_payees;
}

std::vector<const Payee*> PayeeBook::find(const QString& text, std::size_t limit) const
{
    load();
    const QString wanted = searchFolded(text);
    std::vector<const Payee*> found;
    for (std::size_t i = 0; i < m_payees.size() && found.size() < limit; ++i) {
        if (m_folded[i].contains(wanted))
            found.push_back(&m_payees[i]);
    }
    return found;
}

std::optional<QString> PayeeBook::otherOwner(const QString& name, const QString& account) const
{
    const QString digits = accountDigits(account);
    if (digits.isEmpty())
        return std::nullopt;
    load();
    if (m_byAccountRevision != m_loadedRevision) {
        // The payees by their account's digits, made again once the book was read again.
        m_byAccount.clear();
        for (std::size_t i = 0; i < m_folded.size(); ++i)
            m_byAccount.insert(m_folded[i].mid(m_folded[i].lastIndexOf(u'\n') + 1), i);
        m_byAccountRevision = m_loadedRevision;
    }
    const QString folded = searchFolded(name);
    std::optional<std::size_t> other;
    for (auto it = m_byAccount.constFind(digits); it != m_byAccount.cend() && it.key() == digits; ++it) {
        const QString& text = m_folded[*it];
        if (QStringView(text).left(text.lastIndexOf(u'\n')) == folded)
            return std::nullopt;
        if (!other || *it < *other)
            other = *it; // the most recently paid of them
    }
    return other ? std::optional<QString>(m_payees[*other].name) : std::nullopt;
}

bool PayeeBook::write(const QString& sql, const QVariantList& values)
{
    m_problem.clear();
    if (!m_log.isOpen()) {
        m_problem = m_log.problem();
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_log.connectionName(), false));
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        m_problem = q.lastError().databaseText().contains(QLatin1String("UNIQUE constraint failed"))
            ? QCoreApplication::translate(
                "transfer::PayeeBook", "W książce jest już kontrahent o tej nazwie i tym rachunku")
            : QCoreApplication::translate("transfer::PayeeBook", "Nie można zapisać książki kontrahentów: %1")
                  .arg(sqlWords(q.lastError()));
        return false;
    }
    m_stale = true;
    m_log.changed();
    return true;
}

namespace {

QVariant text(const QString& value)
{
    return QVariant(value.isNull() ? QStringLiteral("") : value);
}

} // namespace

bool PayeeBook::save(Payee& payee)
{
    const QVariantList values { text(payee.name), text(payee.account), text(accountDigits(payee.account)),
        text(payee.nip), text(payee.title), text(payee.note) };
    if (payee.id != 0) {
        return write(QStringLiteral("UPDATE payee SET name = ?, account = ?, account_digits = ?, nip = ?,"
                                    " title = ?, note = ? WHERE id = ?"),
            values + QVariantList { payee.id });
    }
    if (!write(QStringLiteral("INSERT INTO payee (name, account, account_digits, nip, title, note)"
                              " VALUES (?,?,?,?,?,?)"),
            values))
        return false;
    QSqlQuery q(QSqlDatabase::database(m_log.connectionName(), false));
    if (q.exec(QStringLiteral("SELECT last_insert_rowid()")) && q.next())
        payee.id = q.value(0).toLongLong();
    return true;
}

bool PayeeBook::remove(qlonglong id)
{
    return write(QStringLiteral("DELETE FROM payee WHERE id = ?"), { id });
}

bool PayeeBook::merge(qlonglong keep, qlonglong drop)
{
    if (keep == drop)
        return true;
    // What keep lacks comes from drop; the later payment wins. Both in one transaction.
    QSqlDatabase db = QSqlDatabase::database(m_log.connectionName(), false);
    if (!m_log.isOpen() || !db.transaction()) {
        m_problem
            = QCoreApplication::translate("transfer::PayeeBook", "Nie można zapisać książki kontrahentów: %1")
                  .arg(sqlWords(db.lastError()));
        return false;
    }
    // keep's own values stand; drop fills the empty ones, and its payment stands when it is the later.
    const QString from = QStringLiteral("(SELECT %1 FROM payee WHERE id = ?)");
    const bool ok = write(QStringLiteral("UPDATE payee SET nip = CASE WHEN nip = '' THEN %1 ELSE nip END,"
                                         " title = CASE WHEN title = '' THEN %2 ELSE title END,"
                                         " note = CASE WHEN note = '' THEN %3 ELSE note END,"
                                         " last_title = CASE WHEN %4 > last_paid THEN %5 ELSE last_title END,"
                                         " last_paid = max(last_paid, %4) WHERE id = ?")
                              .arg(from.arg(QLatin1String("nip")), from.arg(QLatin1String("title")),
                                  from.arg(QLatin1String("note")), from.arg(QLatin1String("last_paid")),
                                  from.arg(QLatin1String("last_title"))),
                        { drop, drop, drop, drop, drop, drop, keep })
        && remove(drop);
    if (!ok || !db.commit()) {
        db.rollback();
        if (m_problem.isEmpty())
            m_problem = QCoreApplication::translate(
                "transfer::PayeeBook", "Nie można zapisać książki kontrahentów: %1")
                            .arg(sqlWords(db.lastError()));
        m_log.changed();
        return false;
    }
    return true;
}

std::vector<Payee> readPayeesCsv(std::string_view bytes)
{
    const CsvTransfers csv = parseCsvTransfers(bytes);
    // The two columns the transfer import has no use for, by their folded names.
    const auto columnOf = [&](const char* name) -> std::optional<std::size_t> {
        for (qsizetype i = 0; i < csv.unknownColumns.size(); ++i) {
            if (searchFolded(csv.unknownColumns[i]) == QLatin1String(name))
                return std::size_t(i);
        }
        return std::nullopt;
    };
    const std::optional<std::size_t> nipColumn = columnOf("nip");
    const std::optional<std::size_t> noteColumn = columnOf("uwagi");
    std::vector<Payee> payees;
    for (const CsvRow& row : csv.rows) {
        if (row.fault != CsvRow::Fault::None)
            continue;
        const TransferEditorValues v = editorValuesFromFile(row.values);
        const auto extra = [&](std::optional<std::size_t> column) {
            if (!column || *column >= row.unknownFields.size())
                return QString();
            return decodeFileText(row.unknownFields[*column], row.values.utf8).trimmed();
        };
        Payee p;
        p.name = v.recipientName;
        p.account = v.recipientAccount.trimmed();
        p.title = v.title;
        p.nip = extra(nipColumn);
        p.note = extra(noteColumn);
        if (!p.name.isEmpty() || !p.account.isEmpty())
            payees.push_back(std::move(p));
    }
    return payees;
}

} // namespace transfer
