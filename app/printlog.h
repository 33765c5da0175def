// SPDX-License-Identifier: GPL-2.0-or-later
// What the program's report has shown, kept until its pages leave the program: then every transfer goes
// into the transfer log, one entry each, in one transaction. A log that fails says so once a run and
// never stops a print. Entries that another program kept out by holding the log are kept here and written
// when it is free, at the latest when the program ends; what still cannot be written then is saved
// beside the log as a CSV file, and the user is told where.
#pragma once

#include "printout/frprzelnew.h"
#include "transfer/transferlog.h"

#include <QStringList>
#include <QTimer>
#include <vector>

class QWidget;

namespace app {

class PrintLog {
public:
    // The log is not owned; one that could not be opened is reported at the first output.
    explicit PrintLog(transfer::TransferLog& log);
    // Writes what is still kept (see flush).
    ~PrintLog();
    PrintLog(const PrintLog&) = delete;
    PrintLog& operator=(const PrintLog&) = delete;

    // The transfers of the report now generated, in page order, with where each came from.
    void setShown(
        std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind);
    // The pages left the program (OnOutput of the report): logs the shown transfers.
    void output(const QString& how, const QString& target);

    // Entries waiting for a log that another program holds.
    std::size_t pending() const { return m_pending.size(); }
    // Tries once more to write them; at the end (the program closing) what still cannot be written is
    // saved beside the log and the user told. Returns true when nothing is left waiting.
    bool flush(bool atEnd = false);
    // How often a kept entry is tried again while the program runs.
    static constexpr int RetryMs = 5000;

private:
    void report(const QString& problem);
    void tellNotice();

    transfer::TransferLog& m_log;
    std::vector<transfer::TransferEditorValues> m_transfers;
    QStringList m_sources;
    printout::FormKind m_kind = printout::FormKind::Transfer;
    std::vector<transfer::LogEntry> m_pending;
    QTimer m_retry;
    bool m_reported = false;
};

} // namespace app
