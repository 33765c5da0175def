// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/printlog.h"

#include "platform/errordisplay.h"

#include <QApplication>

namespace app {

void PrintLog::setShown(
    std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind)
{
    m_transfers = std::move(transfers);
    m_sources = std::move(sources);
    m_kind = kind;
}

void PrintLog::output(const QString& how, const QString& target)
{
    if (!m_log.isOpen()) {
        report(m_log.problem());
        return;
    }
    std::vector<transfer::LogEntry> entries;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (std::size_t i = 0; i < m_transfers.size(); ++i) {
        transfer::LogEntry e;
        e.when = now;
        e.how = how;
        e.target = target;
        e.form = printout::formKindName(m_kind);
        e.values = m_transfers[i];
        e.source = qsizetype(i) < m_sources.size() ? m_sources[qsizetype(i)] : QString();
        entries.push_back(e);
    }
    if (!m_log.record(entries))
        report(m_log.problem());
}

void PrintLog::report(const QString& problem)
{
    if (m_reported || problem.isEmpty())
        return;
    m_reported = true;
    platform::showError(problem + QStringLiteral("; program działa dalej bez dziennika przelewów"),
        QApplication::activeWindow());
}

} // namespace app
