// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formoptions.h"

#include "app/calibrationdialog.h"
#include "app/printsettings.h"
#include "data/dm2.h"
#include "platform/errordisplay.h"
#include "platform/printererror.h"
#include "platform/registry.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"

#include <QApplication>
#include <QCoreApplication>

namespace app {

QString reportQueue(const report::TRpReport& report)
{
    platform::TPrinter& printer = report::globalPrinter();
    const auto& printers = printer.printers();
    if (printers.empty())
        return {};
    const int index = report.PrinterSettings.PrinterIndex;
    if (index >= 0 && std::size_t(index) < printers.size())
        return printers[std::size_t(index)].device;
    // Queues without a default (as cups-pdf leaves a new machine) and none chosen: no queue, so no
    // calibration, and values only still works for saving a PDF.
    try {
        return printer.printer().device;
    } catch (const platform::EPrinter&) {
        return {};
    }
}

namespace {

// The empty form, generated once on a form and table of its own, faint behind the values on the screen.
const QByteArray& blankPage(int screenPpi)
{
    static const QByteArray blank = [screenPpi] {
        data::TDM2 data;
        printout::TfrPrzelNew form(data.mtPlat);
        // The form without its values: an empty record would still print the amount 0,00.
        transfer::writeTransferRecord(data, transfer::TransferEditorValues {});
        for (const printout::DataLabelDef& row : printout::dataLabels()) {
            for (const char* name : row.names)
                form.component(name)->Enabled = false;
        }
        report::TRpPrinter store(report::TRpPrinterDestination::PageStore, screenPpi);
        form.rp.GenerateReport(store);
        const std::optional<report::TRpGeneratedPage> page = store.PageAt(1);
        return page ? page->bytes : QByteArray();
    }();
    return blank;
}

} // namespace

void setValuesOnly(printout::TfrPrzelNew& form, bool on)
{
    form.setValuesOnly(on);
    form.rp.PrinterSettings.NoScaling = on;
    form.rp.Placement = on ? storedCalibration(reportQueue(form.rp)) : report::TRpPlacement {};
    form.rp.PreviewUnderlay.clear();
    if (on)
        form.rp.PreviewUnderlay = blankPage(form.rp.screenPpi());
}

void installFormOptions(printout::TfrPrzelNew& form)
{
    report::TRpPreviewOption valuesOnly;
    valuesOnly.name = QStringLiteral("ValuesOnly");
    valuesOnly.text = QCoreApplication::translate("app::FormOptions", "Tylko dane");
    valuesOnly.hint = QCoreApplication::translate("app::FormOptions", "Tylko dane (na gotowym blankiecie)");
    valuesOnly.checkable = true;
    valuesOnly.checked = [&form] { return form.valuesOnly(); };
    valuesOnly.triggered = [&form](bool on) {
        setValuesOnly(form, on);
        return true;
    };
    report::TRpPreviewOption calibration;
    calibration.name = QStringLiteral("Calibration");
    calibration.text = QCoreApplication::translate("app::FormOptions", "Kalibracja…");
    calibration.hint = QCoreApplication::translate("app::FormOptions", "Kalibracja drukarki");
    calibration.triggered = [&form](bool) {
        const QString queue = reportQueue(form.rp);
        if (queue.isEmpty()) {
            platform::showError(
                QCoreApplication::translate("app::FormOptions", "Nie ma żadnej drukarki do skalibrowania"),
                QApplication::activeWindow());
            return false;
        }
        CalibrationDialog dialog(queue, storedCalibration(queue), QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (!storeCalibration(queue, dialog.calibration()))
            platform::showError(
                QCoreApplication::translate("app::FormOptions", "Cannot write the registry file \"%1\"")
                    .arg(platform::Registry::filePath()),
                QApplication::activeWindow());
        // The values move with the new calibration at once.
        if (!form.valuesOnly())
            return false;
        setValuesOnly(form, true);
        return true;
    };
    form.rp.PreviewOptions = { valuesOnly, calibration };
}

} // namespace app
