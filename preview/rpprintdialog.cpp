// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rpprintdialog.h"

#include "platform/errordisplay.h"
#include "platform/printer.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace preview {

using namespace report;

namespace {

// What the dialog offers that the report's job cannot do: a list of pages ("2,5"), odd or even pages only
// and reverse order. They are not offered; one the dialog shows all the same refuses the answer.
constexpr const char* NotOffered[]
    = { "pagesRadioButton", "pagesLineEdit", "pageSetLabel", "pageSetCombo", "reverse" };

bool choosesWhatIsNotOffered(const QPrintDialog& dialog)
{
    const auto* list = dialog.findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"));
    const auto* pageSet = dialog.findChild<QComboBox*>(QStringLiteral("pageSetCombo"));
    const auto* reverse = dialog.findChild<QCheckBox*>(QStringLiteral("reverse"));
    return (list && list->isChecked()) || (pageSet && pageSet->currentIndex() > 0)
        || (reverse && reverse->isChecked());
}

TRpPrintDialog::ExecFunction& execFunction()
{
    static TRpPrintDialog::ExecFunction f;
    return f;
}

} // namespace

TRpPrintDialog::ExecFunction TRpPrintDialog::setExecFunction(ExecFunction exec)
{
    return std::exchange(execFunction(), std::move(exec));
}

TRpPrintDialog::TRpPrintDialog(platform::TPrinter& printer)
    : m_printer(printer)
{
}

bool TRpPrintDialog::Execute()
{
    QPrinter qprinter(QPrinter::HighResolution);
    m_printer.applyTo(qprinter);
    qprinter.setCopyCount(Copies);
    qprinter.setCollateCopies(Collate);
    qprinter.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&qprinter);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies
        | QAbstractPrintDialog::PrintShowPageSize);
    for (const char* name : NotOffered) {
        if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(name))) {
            widget->setEnabled(false);
            widget->hide();
        }
    }
    dialog.setMinMax(MinPage, MaxPage);
    dialog.setFromTo(FromPage, ToPage);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    // The dialog only stores the settings; Qt labels its accept button as if it printed.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QCoreApplication::translate("preview::TRpPrintDialog", "OK"));
    }
    // Placed once, a third down the screen, before it shows.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            dialog.move(area.x() + (area.width() - dialog.width()) / 2,
                area.y() + (area.height() - dialog.height()) / 3);
        }
    });
    const int result = execFunction() ? execFunction()(dialog) : dialog.exec();
    if (result != QDialog::Accepted)
        return false;
    // Never print something other than what was chosen.
    if (choosesWhatIsNotOffered(dialog)) {
        platform::showError(QCoreApplication::translate("preview::TRpPrintDialog",
            "A list of pages, odd or even pages only and reverse order cannot be printed: choose all "
            "pages or a range from one page to another"));
        return false;
    }
    m_printer.readFrom(qprinter);
    Collate = qprinter.collateCopies();
    PrintToFile = !qprinter.outputFileName().isEmpty();
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection:
        PrintRange = TRpPrintRange::Selection;
        break;
    case QAbstractPrintDialog::PageRange:
        PrintRange = TRpPrintRange::PageNums;
        break;
    default:
        PrintRange = TRpPrintRange::AllPages;
        break;
    }
    FromPage = dialog.fromPage();
    ToPage = dialog.toPage();
    const int copies = qprinter.copyCount();
    Copies = copies == 1 && m_printer.hasDeviceSettings() ? m_printer.deviceSettings().copies : copies;
    return true;
}

void PrinterSetup(TRpReport& report, TRpPrinter* previewPrinter)
{
    platform::TPrinter& printer = globalPrinter();
    TRpPrintDialog dialog(printer);
    // The current printer's own defaults first, then the remembered printer.
    printer.setPrinterIndex(printer.printerIndex());
    printer.setPrinterIndex(report.PrinterSettings.PrinterIndex);
    if (previewPrinter && previewPrinter->status() == TRpPrinterStatus::Finished) {
        dialog.MinPage = 1;
        dialog.MaxPage = std::max(1, previewPrinter->PagesStarted());
        dialog.FromPage = 1;
        dialog.ToPage = dialog.MaxPage;
    }
    dialog.Collate = false;
    dialog.PrintRange = TRpPrintRange::AllPages;
    printer.setOrientation(
        report.Page.orientation() == poLandscape ? platform::orientLandscape : platform::orientPortrait);
    printer.setCopies(report.PrinterSettings.Copies);
    dialog.Copies = report.PrinterSettings.Copies;
    if (!dialog.Execute())
        return;
    report.PrinterSettings.Copies = dialog.Copies;
    report.PrinterSettings.PrinterIndex = printer.printerIndex();
    report.Page.setOrientation(
        printer.deviceSettings().orientation == platform::orientLandscape ? poLandscape : poPortrait);
    if (dialog.PrintRange == TRpPrintRange::PageNums) {
        report.PrinterSettings.FirstPage = dialog.FromPage;
        report.PrinterSettings.LastPage = dialog.ToPage;
    } else {
        report.PrinterSettings.FirstPage = 0;
        report.PrinterSettings.LastPage = 0;
    }
}

void installPrinterSetup(TRpReport& report, TRpPrinter& previewPrinter)
{
    const QPointer<TRpReport> owner(&report);
    const QPointer<TRpPrinter> target(&previewPrinter);
    previewPrinter.printerSetupHook = [owner, target] {
        if (owner)
            platform::runGuarded([&] { PrinterSetup(*owner, target.data()); });
    };
}

} // namespace preview
