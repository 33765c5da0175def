// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferlog.h"

#include "transfer/accountcheck.h"
#include "transfer/folding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <cmath>
#include <utility>

namespace transfer {

namespace {

// Each step takes the schema from its number minus one to its number; a step once released never changes.
const char* const Migrations[][4] = {
    // 1: recipients as rows of their own, and one entry a transfer and occasion.
    { "CREATE TABLE recipient (id INTEGER PRIMARY KEY, name TEXT NOT NULL, account TEXT NOT NULL,"
      " UNIQUE (name, account))",
        "CREATE TABLE entry (id INTEGER PRIMARY KEY, at TEXT NOT NULL, how TEXT NOT NULL, target TEXT NOT "
        "NULL,"
        " form TEXT NOT NULL, recipient INTEGER NOT NULL REFERENCES recipient (id) ON DELETE RESTRICT,"
        " payer_account TEXT NOT NULL, payer_name TEXT NOT NULL, amount_grosze INTEGER NOT NULL,"
        " title TEXT NOT NULL, transfer_date TEXT NOT NULL, source TEXT NOT NULL)",
        "CREATE INDEX entry_at ON entry (at)", "CREATE INDEX entry_recipient ON entry (recipient)" },
    // 2: the look for a transfer printed before goes by its amount.
    { "CREATE INDEX entry_amount ON entry (amount_grosze)", nullptr, nullptr, nullptr },
    // 3: the payee book, which outlives the entries; the recipients logged so far are its first payees.
    { "CREATE TABLE payee (id INTEGER PRIMARY KEY, name TEXT NOT NULL, account TEXT NOT NULL,"
      " account_digits TEXT NOT NULL, nip TEXT NOT NULL DEFAULT '', title TEXT NOT NULL DEFAULT '',"
      " note TEXT NOT NULL DEFAULT '', last_title TEXT NOT NULL DEFAULT '', last_paid TEXT NOT NULL DEFAULT "
      "'',"
      " UNIQUE (name, account_digits))",
        "CREATE INDEX payee_account ON payee (account_digits)",
        // The account's digits as accountDigits() gives them: without blanks, hyphens and a leading "PL".
        "INSERT OR IGNORE INTO payee (name, account, account_digits, last_title, last_paid)"
        " SELECT name, account, CASE WHEN upper(substr(d, 1, 2)) = 'PL' THEN substr(d, 3) ELSE d END,"
        " coalesce(last_title, ''), coalesce(last_paid, '') FROM (SELECT r.name AS name, r.account AS "
        "account,"
        " replace(replace(r.account, ' ', ''), '-', '') AS d,"
        " (SELECT e.title FROM entry e WHERE e.recipient = r.id ORDER BY e.at DESC LIMIT 1) AS last_title,"
        " (SELECT max(e.at) FROM entry e WHERE e.recipient = r.id) AS last_paid"
        " FROM recipient r WHERE r.name <> '' OR r.account <> '')",
        nullptr },
    // 4: what the history's search looks in, folded once when written (filled for the entries before by
    // fillSearchTexts, which folds as the program does).
    { "ALTER TABLE entry ADD COLUMN search TEXT NOT NULL DEFAULT ''", nullptr, nullptr, nullptr },
};
constexpr int SearchStep = 4;

// The names and the title an entry is found by, without case and diacritics, a line break between them
// that no typed text holds.
QString searchText(const TransferEditorValues& v)
{
    return searchFolded(v.recipientName) + QLatin1Char('\n') + searchFolded(v.payerName) + QLatin1Char('\n')
        + searchFolded(v.title);
}

bool fillSearchTexts(const QSqlDatabase& db)
{
    QSqlQuery read(db), write(db);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT e.id, r.name, e.payer_name, e.title FROM entry e JOIN recipient r "
                                  "ON r.id = e.recipient")))
        return false;
    write.prepare(QStringLiteral("UPDATE entry SET search = ? WHERE id = ?"));
    while (read.next()) {
        TransferEditorValues v;
        v.recipientName = read.value(1).toString();
        v.payerName = read.value(2).toString();
        v.title = read.value(3).toString();
        write.addBindValue(searchText(v));
        write.addBindValue(read.value(0));
        if (!write.exec())
            return false;
    }
    return true;
}

bool exec(QSqlQuery& query, const QString& sql)
{
    return query.exec(sql);
}

// A transaction that takes the write lock at once (waiting out another copy's for the busy timeout), so
// what it reads stays true until it writes: a deferred one could find its snapshot stale at its first
// write, and SQLite then fails it at once instead of waiting.
bool beginWriting(QSqlQuery& query)
{
    return query.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

// A text as the columns keep it: never NULL, which the NOT NULL columns (and so the recipient's
// "INSERT OR IGNORE") would refuse.
QVariant text(const QString& value)
{
    return QVariant(value.isNull() ? QStringLiteral("") : value);
}

QString dateText(double days)
{
    if (days <= 0)
        return {};
    return platform::dateOfDays(days).toString(Qt::ISODate);
}

double daysOf(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? platform::toDays(date) : platform::NoDate;
}

} // namespace

QString sqlWords(const QSqlError& error)
{
    if (!error.databaseText().isEmpty())
        return QStringLiteral("SQLite: ") + error.databaseText();
    return error.driverText();
}

QString TransferLog::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/przelew/przelew.sqlite");
}

int TransferLog::schemaVersion()
{
    return int(std::size(Migrations));
}

TransferLog::TransferLog(const QString& path, int busyTimeoutMs)
    : m_path(path)
    , m_connection(QStringLiteral("przelew-log-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_busyTimeoutMs(busyTimeoutMs)
{
}

void TransferLog::begin() const
{
    if (m_begun)
        return;
    m_begun = true;
    m_open = open(m_path);
    if (!m_open && m_damaged && QFileInfo(m_path).isFile())
        setAside();
}

// A damaged file is kept aside, never deleted, and a new log begun.
bool TransferLog::setAside() const
{
    const QString& path = m_path;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    int n = 1;
    while (QFile::exists(QStringLiteral("%1.corrupt-%2").arg(path).arg(n)))
        ++n;
    const QString aside = QStringLiteral("%1.corrupt-%2").arg(path).arg(n);
    if (!QFile::rename(path, aside))
        return false;
    // What the journal holds belongs to the damaged file: it goes with it.
    for (const char* suffix : { "-wal", "-shm" }) {
        if (QFile::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
    m_open = open(path);
    m_problem = QCoreApplication::translate("transfer::TransferLog",
        "Dziennik przelewów „%1” był uszkodzony; zachowano go jako „%2” i zaczęto nowy")
                    .arg(path, aside);
    m_notice = m_problem;
    return m_open;
}

std::optional<QString> TransferLog::takeNotice()
{
    begin();
    if (m_notice.isEmpty())
        return std::nullopt;
    return std::exchange(m_notice, QString());
}

TransferLog::~TransferLog()
{
    if (!m_begun)
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool TransferLog::open(const QString& path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można utworzyć folderu dziennika „%1”")
                        .arg(QFileInfo(path).absolutePath());
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    // Another running copy may hold the file for a moment: wait for it rather than fail at once.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!db.open()) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można otworzyć dziennika przelewów „%1”: %2")
                        .arg(path, sqlWords(db.lastError()));
        return false;
    }
    QSqlQuery query(db);
    m_damaged = false;
    // The first read tells a file that is no database; WAL lets two copies write one after the other.
    // The check reads every page, so a bad page or a file cut short is found now, not at a print.
    const bool read = exec(query, QStringLiteral("PRAGMA journal_mode=WAL"))
        && exec(query, QStringLiteral("PRAGMA foreign_keys=ON"))
        && exec(query, QStringLiteral("PRAGMA quick_check")) && query.next();
    const QString checked = read ? query.value(0).toString() : QString();
    if (!read || checked != QLatin1String("ok")) {
        const QString code = query.lastError().nativeErrorCode();
        // SQLITE_CORRUPT (11) and SQLITE_NOTADB (26), or the check's own findings.
        m_damaged = read || code == QLatin1String("11") || code == QLatin1String("26");
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można otworzyć dziennika przelewów „%1”: %2")
                        .arg(path, read ? checked : sqlWords(query.lastError()));
        query.finish();
        db.close();
        return false;
    }
    query.finish();
    return migrate();
}

bool TransferLog::migrate() const
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // Two copies starting on a new file both find it empty: the first to take the write lock migrates,
    // and the other, waiting for the lock, then reads the new version and has nothing to do.
    if (!beginWriting(query)) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można przygotować dziennika przelewów: %1")
                        .arg(sqlWords(query.lastError()));
        return false;
    }
    if (!exec(query, QStringLiteral("PRAGMA user_version")) || !query.next()) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można odczytać dziennika przelewów: %1")
                        .arg(sqlWords(query.lastError()));
        db.rollback();
        return false;
    }
    int version = query.value(0).toInt();
    query.finish();
    if (version > schemaVersion()) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Dziennik przelewów pochodzi z nowszej wersji programu (schemat %1)")
                        .arg(version);
        db.rollback();
        return false;
    }
    bool ok = true;
    for (; ok && version < schemaVersion(); ++version) {
        for (const char* sql : Migrations[version]) {
            if (sql && ok)
                ok = exec(query, QString::fromUtf8(sql));
        }
        if (ok && version + 1 == SearchStep)
            ok = fillSearchTexts(db);
        ok = ok && exec(query, QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
    }
    if (!ok || !db.commit()) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można przygotować dziennika przelewów: %1")
                        .arg(sqlWords(query.lastError()));
        db.rollback();
        return false;
    }
    return true;
}

namespace {

// SQLITE_BUSY (5) or SQLITE_LOCKED (6): another connection holds the file.
bool isBusy(const QSqlError& error)
{
    return error.nativeErrorCode() == QLatin1String("5") || error.nativeErrorCode() == QLatin1String("6");
}

} // namespace

bool TransferLog::record(const std::vector<LogEntry>& entries)
{
    begin();
    m_busy = false;
    if (!m_open || entries.empty())
        return m_open;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (QSqlQuery begin(db); !beginWriting(begin)) {
        m_busy = isBusy(begin.lastError());
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można zapisać dziennika przelewów: %1")
                        .arg(sqlWords(begin.lastError()));
        return false;
    }
    QSqlQuery recipient(db), find(db), entry(db), payee(db);
    recipient.prepare(QStringLiteral("INSERT OR IGNORE INTO recipient (name, account) VALUES (?, ?)"));
    find.prepare(QStringLiteral("SELECT id FROM recipient WHERE name = ? AND account = ?"));
    entry.prepare(QStringLiteral(
        "INSERT INTO entry (at, how, target, form, recipient, payer_account, payer_name,"
        " amount_grosze, title, transfer_date, source, search) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"));
    // The payee book learns each recipient, and when it was last paid and for what.
    payee.prepare(QStringLiteral(
        "INSERT INTO payee (name, account, account_digits, last_title, last_paid) VALUES (?,?,?,?,?)"
        " ON CONFLICT (name, account_digits) DO UPDATE SET last_title = excluded.last_title,"
        " last_paid = excluded.last_paid WHERE excluded.last_paid >= payee.last_paid"));
    bool ok = true;
    for (const LogEntry& e : entries) {
        const TransferEditorValues& v = e.values;
        recipient.addBindValue(text(v.recipientName));
        recipient.addBindValue(text(v.recipientAccount));
        find.addBindValue(text(v.recipientName));
        find.addBindValue(text(v.recipientAccount));
        ok = recipient.exec() && find.exec() && find.next();
        if (!ok)
            break;
        const qlonglong id = find.value(0).toLongLong();
        find.finish();
        for (const QVariant& value : { text(e.when.toUTC().toString(Qt::ISODateWithMs)), text(e.how),
                 text(e.target), text(e.form), QVariant(id), text(v.payerAccount), text(v.payerName),
                 QVariant(qlonglong(v.amount.value_or(Money()).grosze())), text(v.title),
                 text(dateText(v.date)), text(e.source), text(searchText(v)) })
            entry.addBindValue(value);
        ok = entry.exec();
        if (!ok)
            break;
        if (v.recipientName.isEmpty() && v.recipientAccount.isEmpty())
            continue;
        for (const QVariant& value :
            { text(v.recipientName), text(v.recipientAccount), text(accountDigits(v.recipientAccount)),
                text(v.title), text(e.when.toUTC().toString(Qt::ISODateWithMs)) })
            payee.addBindValue(value);
        ok = payee.exec();
        if (!ok)
            break;
    }
    if (!ok) {
        QSqlError error = recipient.lastError();
        for (const QSqlQuery* q : { &entry, &payee }) {
            if (q->lastError().isValid())
                error = q->lastError();
        }
        const QString why = sqlWords(error);
        m_busy = isBusy(error);
        db.rollback();
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można zapisać dziennika przelewów: %1")
                        .arg(why);
        return false;
    }
    if (!db.commit()) {
        m_busy = isBusy(db.lastError());
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można zapisać dziennika przelewów: %1")
                        .arg(sqlWords(db.lastError()));
        db.rollback();
        return false;
    }
    ++m_revision;
    return true;
}

std::optional<QDateTime> TransferLog::printedBefore(const TransferEditorValues& values, int days) const
{
    begin();
    if (!m_open || !values.amount)
        return std::nullopt;
    QString account = values.recipientAccount;
    account.remove(QLatin1Char(' '));
    account.remove(QLatin1Char('-'));
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(
        QStringLiteral("SELECT max(e.at) FROM entry e JOIN recipient r ON r.id = e.recipient"
                       " WHERE replace(replace(r.account, ' ', ''), '-', '') = ? AND e.amount_grosze = ?"
                       " AND e.title = ? AND e.at >= ?"));
    q.addBindValue(account);
    q.addBindValue(qlonglong(values.amount->grosze()));
    q.addBindValue(text(values.title));
    q.addBindValue(QDateTime::currentDateTimeUtc().addDays(-days).toString(Qt::ISODateWithMs));
    if (!q.exec() || !q.next() || q.value(0).isNull())
        return std::nullopt;
    return QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
}

namespace {

const char* const EntryColumns
    = "SELECT e.at, e.how, e.target, e.form, r.name, r.account, e.payer_account, e.payer_name,"
      " e.amount_grosze, e.title, e.transfer_date, e.source";

LogEntry entryOf(const QSqlQuery& q)
{
    LogEntry e;
    e.when = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
    e.how = q.value(1).toString();
    e.target = q.value(2).toString();
    e.form = q.value(3).toString();
    e.values.recipientName = q.value(4).toString();
    e.values.recipientAccount = q.value(5).toString();
    e.values.payerAccount = q.value(6).toString();
    e.values.payerName = q.value(7).toString();
    e.values.amount = Money::fromGrosze(q.value(8).toLongLong());
    e.values.title = q.value(9).toString();
    e.values.date = daysOf(q.value(10).toString());
    e.source = q.value(11).toString();
    return e;
}

} // namespace

namespace {

// The amount as the history shows and searches it: "1234,50".
const char* const AmountText = "printf('%d,%02d', e.amount_grosze / 100, abs(e.amount_grosze) % 100)";

QString likePattern(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + text + QLatin1Char('%');
}

QString utcText(const QDate& localDay)
{
    return QDateTime(localDay, QTime(0, 0)).toUTC().toString(Qt::ISODateWithMs);
}

// The WHERE clause of a filter (empty when it lets everything through), with its values in order. The
// user's text is matched as typed, and for accounts and amounts also without spaces and hyphens and
// with a dot read as the decimal comma, so "1 234.50" finds 1234,50 and "1090 1014" an account.
QString whereOf(const LogFilter& filter, QVariantList& values)
{
    QStringList terms;
    const QString text = filter.text.trimmed();
    if (!text.isEmpty()) {
        QString bare = text;
        bare.remove(QRegularExpression(QStringLiteral("[\\s\\x{00a0}\\-]")));
        QStringList any { QStringLiteral("e.search LIKE ? ESCAPE '\\'") };
        values << likePattern(searchFolded(text));
        // Accounts and amounts are only looked at for a text that could be part of one, which keeps a
        // search by name quick on a long log.
        if (QRegularExpression(QStringLiteral("(?i)^(PL)?[0-9]+$")).match(bare).hasMatch()) {
            any << QStringLiteral("replace(replace(r.account, ' ', ''), '-', '') LIKE ? ESCAPE '\\'");
            values << likePattern(bare);
        }
        if (QRegularExpression(QStringLiteral("^[0-9.,]+$")).match(bare).hasMatch()) {
            QString amount = bare;
            amount.replace(QLatin1Char('.'), QLatin1Char(','));
            any << QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(QLatin1String(AmountText));
            values << likePattern(amount);
        }
        terms << QLatin1Char('(') + any.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    }
    // Days are the user's, times in the log UTC; the index on the time serves both ends.
    if (filter.from.isValid()) {
        terms << QStringLiteral("e.at >= ?");
        values << utcText(filter.from);
    }
    if (filter.to.isValid()) {
        terms << QStringLiteral("e.at < ?");
        values << utcText(filter.to.addDays(1));
    }
    return terms.isEmpty() ? QString() : QStringLiteral("WHERE ") + terms.join(QStringLiteral(" AND "));
}

QSqlQuery filteredQuery(const QString& connection, const QString& columns, const LogFilter& filter)
{
    QVariantList values;
    const QString where = whereOf(filter, values);
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("%1 FROM entry e JOIN recipient r ON r.id = e.recipient %2"
                                 " ORDER BY e.at DESC, e.id DESC")
                      .arg(columns, where));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    return query;
}

} // namespace

std::vector<LogEntry> TransferLog::entries(const LogFilter& filter, int limit) const
{
    begin();
    std::vector<LogEntry> result;
    if (!m_open)
        return result;
    QSqlQuery q = filteredQuery(m_connection, QString::fromLatin1(EntryColumns), filter);
    if (!q.exec())
        return result;
    while (q.next() && (limit < 0 || int(result.size()) < limit))
        result.push_back(entryOf(q));
    return result;
}

QSqlQuery TransferLog::historyQuery(const LogFilter& filter) const
{
    begin();
    if (!m_open)
        return QSqlQuery();
    QSqlQuery q = filteredQuery(m_connection,
        QStringLiteral("SELECT e.id, strftime('%Y-%m-%d %H:%M', e.at, 'localtime'), r.name, r.account, %1,"
                       " e.title, e.form, e.how || ' ' || e.target")
            .arg(QLatin1String(AmountText)),
        filter);
    // A model pages through it backwards and forwards.
    q.setForwardOnly(false);
    if (!q.exec())
        qWarning("transfer log: %s", qPrintable(q.lastError().text()));
    return q;
}

bool TransferLog::remove(const std::vector<qlonglong>& ids)
{
    begin();
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (QSqlQuery begin(db); !beginWriting(begin)) {
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można zmienić dziennika przelewów: %1")
                        .arg(sqlWords(begin.lastError()));
        return false;
    }
    QSqlQuery del(db);
    del.prepare(QStringLiteral("DELETE FROM entry WHERE id = ?"));
    bool ok = true;
    for (const qlonglong id : ids) {
        del.bindValue(0, id);
        ok = ok && del.exec();
    }
    QSqlQuery orphans(db);
    ok = ok
        && orphans.exec(QStringLiteral("DELETE FROM recipient WHERE NOT EXISTS (SELECT 1 FROM entry WHERE "
                                       "entry.recipient = recipient.id)"));
    if (!ok || !db.commit()) {
        const QString why
            = del.lastError().isValid() ? sqlWords(del.lastError()) : sqlWords(orphans.lastError());
        db.rollback();
        m_problem = QCoreApplication::translate(
            "transfer::TransferLog", "Nie można zmienić dziennika przelewów: %1")
                        .arg(why);
        return false;
    }
    return true;
}

std::optional<LogEntry> TransferLog::entry(qlonglong id) const
{
    begin();
    if (!m_open)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QString::fromLatin1(EntryColumns)
        + QStringLiteral(" FROM entry e JOIN recipient r ON r.id = e.recipient WHERE e.id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return entryOf(q);
}

} // namespace transfer
