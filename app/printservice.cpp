// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/printservice.h"

#include <algorithm>

namespace app {

TransferRun::TransferRun(data::TDM2& data, printout::TfrPrzelNew& form, PrintLog* log,
    std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind)
    : m_data(data)
    , m_form(form)
    , m_log(log)
    , m_transfers(std::move(transfers))
    , m_sources(std::move(sources))
    , m_kind(kind)
{
}

void TransferRun::restore()
{
    transfer::writeTransferRecords(m_data, m_transfers);
    m_form.setFormKind(m_kind);
    // One transfer keeps the form exactly as the main window prints it.
    m_form.DetailBand1->ForceNewPage = m_transfers.size() > 1;
}

void TransferRun::output(const QString& how, const QString& target, int firstPage, int lastPage)
{
    if (!m_log)
        return;
    const int first = std::max(firstPage, 1);
    const int last = std::min(lastPage, int(m_transfers.size()));
    if (first > last)
        return;
    const std::vector<transfer::TransferEditorValues> left(
        m_transfers.begin() + (first - 1), m_transfers.begin() + last);
    m_log->output(left, m_sources.mid(first - 1, last - first + 1), m_kind, how, target);
}

PrintService::PrintService(data::TDM2& data, printout::TfrPrzelNew& form, PrintLog* log)
    : m_data(data)
    , m_form(form)
    , m_log(log)
{
}

void PrintService::preview(
    std::vector<transfer::TransferEditorValues> transfers, QStringList sources, printout::FormKind kind)
{
    if (busy())
        return;
    auto run = std::make_shared<TransferRun>(
        m_data, m_form, m_log, std::move(transfers), std::move(sources), kind);
    run->restore();
    m_form.rp.PreviewReport(run);
    m_form.DetailBand1->ForceNewPage = false;
}

} // namespace app
