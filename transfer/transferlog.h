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

class TransferLog {
public:
    // The log at path. The database is opened (or created and migrated) when the log is first used, so
    // a program does not wait for it to start; a damaged file is then set aside as
    // przelew.sqlite.corrupt-N and a new one begun. problem() then tells what happened.
    explicit TransferLog(const QString& path = defaultPath());
    ~TransferLog();
    TransferLog(const TransferLog&) = delete;
    TransferLog& operator=(const TransferLog&) = delete;

    static QString defaultPath();
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

    // Adds the entries in one transaction: all or none. False (with problem()) when they could not be
    // written; the log stays usable for the next ones.
    bool record(const std::vector<LogEntry>& entries);

    // The entries the filter lets through, newest first.
    std::vector<LogEntry> entries(const LogFilter& filter = {}, int limit = -1) const;
    // One entry by its row id (the history window's first column); nothing when there is none.
    std::optional<LogEntry> entry(qlonglong id) const;
    // The history's rows for a filter, newest first, executed for a model to page through: the row id,
    // the time printed ("2026-12-09 14:05", local), recipient, account, amount ("1234,50"), title and
    // how ("druk PDF-12").
    QSqlQuery historyQuery(const LogFilter& filter) const;
    // Removes entries, and the recipients no entry names any more, in one transaction.
    bool remove(const std::vector<qlonglong>& ids);
    QString connectionName() const
    {
        begin();
        return m_connection;
    }

private:
    // Opens the database the first time it is called.
    void begin() const;
    bool open(const QString& path) const;
    bool migrate() const;

    QString m_path;
    QString m_connection;
    mutable bool m_begun = false;
    mutable bool m_open = false;
    mutable QString m_problem;
};

} // namespace transfer
