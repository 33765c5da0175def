// SPDX-License-Identifier: GPL-2.0-or-later
// Printing a report: the preview's Print button, the report's print request (the report produced a
// second time onto the printer with the progress window), and replaying the pages of a loaded file.
#pragma once

namespace report {

class TRpPrinter;
class TRpReport;

// The preview's Print: posts a print request to the report of a generated preview; prints the stored
// pages of a loaded report file when a printer is installed.
void Print(TRpPrinter& printer);

// The report's print request: generates the report onto the printer while the progress window shows;
// afterwards the preview's page target is the report's current one again. Does nothing while the report
// generates or without printers. Errors propagate; a page range that begins past the report's last page is
// one (ERpError), and no job is sent. Returns the spooler's job id, 0 when no job was sent.
// source is the preview target whose window asked (closing that window cancels the print); none: the
// report's current one.
int printGeneratedReport(TRpReport& report, TRpPrinter* source = nullptr);

// Draws the stored pages of the range stretched onto the printable area of the remembered printer (the
// report's, or the default one), in one job; no job when no page falls in the range, and an ERpError when
// the range begins past the last page. Errors propagate.
int printLoadedReport(TRpPrinter& printer);

} // namespace report
