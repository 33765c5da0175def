// SPDX-License-Identifier: GPL-2.0-or-later
// Another program with the transfer log open, which can hold it (an exclusive transaction) and let it go.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <optional>

namespace testsupport {

class OtherProgram {
public:
    explicit OtherProgram(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        m_open = db.open();
        m_query.emplace(db);
    }
    ~OtherProgram()
    {
        m_query.reset();
        QSqlDatabase::database(Name, false).close();
        QSqlDatabase::removeDatabase(Name);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    bool isOpen() const { return m_open; }
    bool hold() { return m_query->exec(QStringLiteral("BEGIN EXCLUSIVE")); }
    bool release() { return m_query->exec(QStringLiteral("COMMIT")); }

private:
    static inline const QString Name = QStringLiteral("other program");
    bool m_open = false;
    std::optional<QSqlQuery> m_query;
};

} // namespace testsupport
