// SPDX-License-Identifier: GPL-2.0-or-later
// The one way the windows print transfers: the start-up owns it and hands it to the main window and the
// batch (the history reaches it through them). Every preview gets a run of its own: the transfers it
// shows, where each came from and the form. A print from that preview puts them back into the record table
// first, so it prints what it shows whatever other previews were opened since; and exactly the transfers
// whose pages left the program, printed or saved from that preview, go into the log.
#pragma once

#include "app/printlog.h"
#include "data/dm2.h"
#include "printout/frprzelnew.h"
#include "report/rprun.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace app {

// The data of one preview.
class TransferRun : public report::TRpRun {
public:
    TransferRun(data::TDM2& data, printout::TfrPrzelNew& form, PrintLog* log,
        std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind);

    // One record a transfer in mtPlat, the form kind, and a page each when there are several.
    void restore() override;
    // Logs the transfers of those pages: one page each, in order.
    void output(const QString& how, const QString& target, int firstPage, int lastPage) override;

    const std::vector<transfer::TransferEditorValues>& transfers() const { return m_transfers; }

private:
    data::TDM2& m_data;
    printout::TfrPrzelNew& m_form;
    PrintLog* m_log;
    std::vector<transfer::TransferEditorValues> m_transfers;
    QStringList m_sources;
    printout::FormKind m_kind;
};

class PrintService {
public:
    // None is owned; without a log nothing is logged.
    PrintService(data::TDM2& data, printout::TfrPrzelNew& form, PrintLog* log);

    // Shows the preview of the transfers on the form, a page each, and returns when its window has closed.
    void preview(
        std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind);
    // The report is producing pages: a new preview would disturb it.
    bool busy() const { return !m_form.rp.available(); }

private:
    data::TDM2& m_data;
    printout::TfrPrzelNew& m_form;
    PrintLog* m_log;
};

} // namespace app
