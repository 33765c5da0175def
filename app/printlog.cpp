// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/printlog.h"

#include "platform/errordisplay.h"
#include "transfer/csvexport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace app {

PrintLog::PrintLog(transfer::TransferLog& log)
    : m_log(log)
{
    m_retry.setInterval(RetryMs);
    QObject::connect(&m_retry, &QTimer::timeout, [this] { flush(); });
}

PrintLog::~PrintLog()
{
    flush(true);
}

void PrintLog::output(const std::vector<transfer::TransferEditorValues>& transfers,
    const QStringList& sources, printout::FormKind kind, const QString& how, const QString& target)
{
    if (!m_log.isOpen()) {
        report(m_log.problem());
        return;
    }
    tellNotice();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        transfer::LogEntry e;
        e.when = now;
        e.how = how;
        e.target = target;
        e.form = printout::formKindName(kind);
        e.values = transfers[i];
        e.source = qsizetype(i) < sources.size() ? sources[qsizetype(i)] : QString();
        m_pending.push_back(e);
    }
    flush();
}

bool PrintLog::flush(bool atEnd)
{
    if (m_pending.empty()) {
        m_retry.stop();
        return true;
    }
    if (m_log.isOpen() && m_log.record(m_pending)) {
        m_pending.clear();
        m_retry.stop();
        return true;
    }
    if (!m_log.isOpen() || !m_log.busy()) {
        // Not a matter of waiting: the log cannot take them.
        m_pending.clear();
        m_retry.stop();
        report(m_log.problem());
        return false;
    }
    if (!atEnd) {
        m_retry.start();
        return false;
    }
    // The program ends and the log is still held: the entries are kept in a file of their own.
    int n = 1;
    QString path;
    do
        path = QStringLiteral("%1.niezapisane-%2.csv").arg(m_log.path()).arg(n++);
    while (QFile::exists(path));
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(transfer::logEntriesCsv(m_pending)) >= 0
        && file.commit();
    QString message;
    if (saved)
        message = QCoreApplication::translate("app::PrintLog",
            "Dziennik przelewów był zajęty przez inny program; %1 przelewów "
            "nie zapisano w nim – zachowano je w pliku „%2”")
                      .arg(m_pending.size())
                      .arg(path);
    else
        message = QCoreApplication::translate("app::PrintLog",
            "Dziennik przelewów był zajęty przez inny program; %1 przelewów "
            "nie zapisano ani w nim, ani w pliku „%2”: %3")
                      .arg(m_pending.size())
                      .arg(path, file.errorString());
    platform::showError(message, QApplication::activeWindow());
    m_pending.clear();
    return false;
}

void PrintLog::tellNotice()
{
    if (const std::optional<QString> notice = m_log.takeNotice())
        platform::showError(*notice, QApplication::activeWindow());
}

void PrintLog::report(const QString& problem)
{
    if (m_reported || problem.isEmpty())
        return;
    m_reported = true;
    platform::showError(problem
            + QCoreApplication::translate("app::PrintLog", "; program działa dalej bez dziennika przelewów"),
        QApplication::activeWindow());
}

} // namespace app
