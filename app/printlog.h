// SPDX-License-Identifier: GPL-2.0-or-later
// What the program's report has shown, kept until its pages leave the program: then every transfer goes
// into the transfer log, one entry each, in one transaction. A log that fails says so once a run and
// never stops a print.
#pragma once

#include "printout/frprzelnew.h"
#include "transfer/transferlog.h"

#include <QStringList>
#include <vector>

class QWidget;

namespace app {

class PrintLog {
public:
    // The log is not owned; one that could not be opened is reported at the first output.
    explicit PrintLog(transfer::TransferLog& log)
        : m_log(log)
    {
    }

    // The transfers of the report now generated, in page order, with where each came from.
    void setShown(
        std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind);
    // The pages left the program (OnOutput of the report): logs the shown transfers.
    void output(const QString& how, const QString& target);

private:
    void report(const QString& problem);

    transfer::TransferLog& m_log;
    std::vector<transfer::TransferEditorValues> m_transfers;
    QStringList m_sources;
    printout::FormKind m_kind = printout::FormKind::Transfer;
    bool m_reported = false;
};

} // namespace app
