// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer log: every transfer that left the program (printed, saved as a file, written by the
// renderer), kept in one SQLite database per user at $XDG_DATA_HOME/przelew/przelew.sqlite. A log that
// cannot be opened or written never costs a print: it says so once and the program goes on without it.
#pragma once

#include "transfer/transferrecord.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <optional>
#include <vector>

class QSqlError;

namespace transfer {

// One transfer on one occasion, with its values as the page shows them.
struct LogEntry {
    QDateTime when; // UTC
    QString how; // "druk", "plik" or "przelew-render"
    QString target; // the printer and job ("PDF-12"), or the file written
    QString form; // "przelew" or "wplata"
    TransferEditorValues values;
    QString source; // the file it was loaded from, or "lista.csv, wiersz 7"; empty when typed
};

// Which entries the history shows: a text found in the recipient's name or account, the title or the
// amount, and the days printed (local time), an invalid date leaving its end open.
struct LogFilter {
    QString text;
    QDate from;
    QDate to;
};

// A database error in the words of SQLite itself ("SQLite: database disk image is malformed"), for after a
// sentence of ours; the driver's own words where SQLite gave none.
QString sqlWords(const QSqlError& error);

class TransferLog {
public:
    // The log at path. The database is opened (or created and migrated) when the log is first used, so
    // a program does not wait for it to start, and checked whole: a damaged file (not a database, a bad
    // page, cut short) is then set aside as przelew.sqlite.corrupt-N and a new one begun, which notice()
    // tells once. A write waits up to busyTimeoutMs for another program that holds the file.
    explicit TransferLog(const QString& path = defaultPath(), int busyTimeoutMs = 3000);
    ~TransferLog();
    TransferLog(const TransferLog&) = delete;
    TransferLog& operator=(const TransferLog&) = delete;

    static QString defaultPath();
    const QString& path() const { return m_path; }
    // The schema version the program writes; an empty file is migrated up to it step by step.
    static int schemaVersion();

    bool isOpen() const
    {
        begin();
        return m_open;
    }
    // What went wrong last (opening, setting a damaged file aside, writing); empty when nothing.
    const QString& problem() const
    {
        begin();
        return m_problem;
    }

    // What happened to the log that the user is to be told once (a damaged file set aside), the first
    // time it is asked; then nothing.
    std::optional<QString> takeNotice();

    // Adds the entries in one transaction: all or none. False (with problem()) when they could not be
    // written; the log stays usable for the next ones. busy() then says whether another program held
    // the log, so that the same entries may be written later.
    bool record(const std::vector<LogEntry>& entries);
    bool busy() const { return m_busy; }

    // When the same transfer (recipient account without its spaces and hyphens, amount and title) was last
    // printed or saved within the days before now; nothing when it was not.
    std::optional<QDateTime> printedBefore(const TransferEditorValues& values, int days = 60) const;

    // The entries the filter lets through, newest first.
    std::vector<LogEntry> entries(const LogFilter& filter = {}, int limit = -1) const;
    // One entry by its row id (the history window's first column); nothing when there is none.
    std::optional<LogEntry> entry(qlonglong id) const;
    // The history's rows for a filter, newest first, executed for a model to page through: the row id,
    // the time printed ("2026-12-09 14:05", local), recipient, account, amount ("1234,50"), title, form
    // ("przelew", "wplata") and how ("druk PDF-12").
    QSqlQuery historyQuery(const LogFilter& filter) const;
    // Removes entries, and the recipients no entry names any more, in one transaction.
    bool remove(const std::vector<qlonglong>& ids);
    QString connectionName() const
    {
        begin();
        return m_connection;
    }
    // Grows with every write through this log (entries, payees): what was read before may be stale.
    int revision() const { return m_revision; }
    void changed() { ++m_revision; }

private:
    // Opens the database the first time it is called.
    void begin() const;
    bool open(const QString& path) const;
    bool migrate() const;

    bool setAside() const;

    QString m_path;
    QString m_connection;
    int m_busyTimeoutMs;
    mutable bool m_begun = false;
    mutable bool m_open = false;
    mutable bool m_damaged = false; // the last open found the file damaged
    mutable bool m_busy = false;
    mutable QString m_problem;
    mutable QString m_notice;
    int m_revision = 0;
};

} // namespace transfer
