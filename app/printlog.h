// SPDX-License-Identifier: GPL-2.0-or-later
// The transfers whose pages left the program go into the transfer log, one entry each, in one
// transaction. A log that fails says so once a run and never stops a print. Entries that another program kept
// out by holding the log are kept here and written when it is free, at the latest when the program ends; what
// still cannot be written then is saved beside the log as a CSV file, and the user is told where.
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

    // The pages of these transfers, with where each came from, left the program on the form: printed
    // (how "druk", target the job) or saved (how "plik", target the file).
    void output(const std::vector<transfer::TransferEditorValues>& transfers, const QStringList& sources,
        printout::FormKind kind, const QString& how, const QString& target);

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
    std::vector<transfer::LogEntry> m_pending;
    QTimer m_retry;
    bool m_reported = false;
};

} // namespace app
