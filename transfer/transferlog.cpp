#include "transfer/transferlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <cmath>

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
};

bool exec(QSqlQuery& query, const QString& sql)
{
    return query.exec(sql);
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
    return QDate(1899, 12, 30).addDays(qint64(std::floor(days))).toString(Qt::ISODate);
}

double daysOf(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? double(QDate(1899, 12, 30).daysTo(date)) : platform::NoDate;
}

} // namespace

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

TransferLog::TransferLog(const QString& path)
    : m_connection(QStringLiteral("przelew-log-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_open = open(path);
    if (m_open)
        return;
    // A file that is no database (or a damaged one) is kept aside, never deleted, and a new log begun.
    if (QFileInfo(path).isFile()
        && m_problem.contains(QStringLiteral("not a database"), Qt::CaseInsensitive)) {
        QSqlDatabase::removeDatabase(m_connection);
        int n = 1;
        while (QFile::exists(QStringLiteral("%1.corrupt-%2").arg(path).arg(n)))
            ++n;
        const QString aside = QStringLiteral("%1.corrupt-%2").arg(path).arg(n);
        for (const char* suffix : { "-wal", "-shm" })
            QFile::remove(path + QLatin1String(suffix));
        if (QFile::rename(path, aside)) {
            m_open = open(path);
            m_problem = QStringLiteral(
                "Dziennik przelewów „%1” był uszkodzony; zachowano go jako „%2” i zaczęto nowy")
                            .arg(path, aside);
        }
    }
}

TransferLog::~TransferLog()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool TransferLog::open(const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_problem
            = QStringLiteral("Nie można utworzyć folderu dziennika „%1”").arg(QFileInfo(path).absolutePath());
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    // Another running copy may hold the file for a moment: wait for it rather than fail at once.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        m_problem = QStringLiteral("Nie można otworzyć dziennika przelewów „%1”: %2")
                        .arg(path, db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    // The first read tells a file that is no database; WAL lets two copies write one after the other.
    if (!exec(query, QStringLiteral("PRAGMA journal_mode=WAL"))
        || !exec(query, QStringLiteral("PRAGMA foreign_keys=ON"))) {
        m_problem = QStringLiteral("Nie można otworzyć dziennika przelewów „%1”: %2")
                        .arg(path, query.lastError().text());
        db.close();
        return false;
    }
    return migrate();
}

bool TransferLog::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("PRAGMA user_version")) || !query.next()) {
        m_problem
            = QStringLiteral("Nie można odczytać dziennika przelewów: %1").arg(query.lastError().text());
        return false;
    }
    int version = query.value(0).toInt();
    if (version > schemaVersion()) {
        m_problem = QStringLiteral("Dziennik przelewów pochodzi z nowszej wersji programu (schemat %1)")
                        .arg(version);
        return false;
    }
    while (version < schemaVersion()) {
        db.transaction();
        bool ok = true;
        for (const char* sql : Migrations[version]) {
            if (sql && ok)
                ok = exec(query, QString::fromUtf8(sql));
        }
        ok = ok && exec(query, QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        if (!ok || !db.commit()) {
            m_problem = QStringLiteral("Nie można przygotować dziennika przelewów: %1")
                            .arg(query.lastError().text());
            db.rollback();
            return false;
        }
        ++version;
    }
    return true;
}

bool TransferLog::record(const std::vector<LogEntry>& entries)
{
    if (!m_open || entries.empty())
        return m_open;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        m_problem = QStringLiteral("Nie można zapisać dziennika przelewów: %1").arg(db.lastError().text());
        return false;
    }
    QSqlQuery recipient(db), find(db), entry(db);
    recipient.prepare(QStringLiteral("INSERT OR IGNORE INTO recipient (name, account) VALUES (?, ?)"));
    find.prepare(QStringLiteral("SELECT id FROM recipient WHERE name = ? AND account = ?"));
    entry.prepare(
        QStringLiteral("INSERT INTO entry (at, how, target, form, recipient, payer_account, payer_name,"
                       " amount_grosze, title, transfer_date, source) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
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
                 QVariant(qlonglong(std::llround(v.amount.value_or(0) * 100))), text(v.title),
                 text(dateText(v.date)), text(e.source) })
            entry.addBindValue(value);
        ok = entry.exec();
        if (!ok)
            break;
    }
    if (!ok) {
        const QString why
            = !entry.lastError().text().isEmpty() ? entry.lastError().text() : recipient.lastError().text();
        db.rollback();
        m_problem = QStringLiteral("Nie można zapisać dziennika przelewów: %1").arg(why);
        return false;
    }
    if (!db.commit()) {
        m_problem = QStringLiteral("Nie można zapisać dziennika przelewów: %1").arg(db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}

namespace {

const char* const EntryColumns
    = "SELECT e.at, e.how, e.target, e.form, r.name, r.account, e.payer_account, e.payer_name,"
      " e.amount_grosze, e.title, e.transfer_date, e.source FROM entry e JOIN recipient r"
      " ON r.id = e.recipient ";

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
    e.values.amount = double(q.value(8).toLongLong()) / 100.0;
    e.values.title = q.value(9).toString();
    e.values.date = daysOf(q.value(10).toString());
    e.source = q.value(11).toString();
    return e;
}

} // namespace

std::vector<LogEntry> TransferLog::entries(int limit) const
{
    std::vector<LogEntry> result;
    if (!m_open)
        return result;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QString::fromLatin1(EntryColumns) + QStringLiteral("ORDER BY e.at DESC, e.id DESC LIMIT ?"));
    q.addBindValue(limit);
    if (!q.exec())
        return result;
    while (q.next())
        result.push_back(entryOf(q));
    return result;
}

std::optional<LogEntry> TransferLog::entry(qlonglong id) const
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QString::fromLatin1(EntryColumns) + QStringLiteral("WHERE e.id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return entryOf(q);
}
