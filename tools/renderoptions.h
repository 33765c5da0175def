// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render's command line: what it is asked to do, read from the words it was given.
#pragma once

#include "printout/frprzelnew.h"
#include "report/rpreport.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace tools {

enum class OutputFormat { Rpf, Emf, Png, Pdf };

// The output file's format by its extension; nothing for another.
std::optional<OutputFormat> outputFormatOf(const QString& path);

struct RenderOptions {
    enum class Job {
        Transfers, // transfer and CSV files to pages
        Convert, // a saved report file or a metafile to another format, or to the printer
        Calibration, // the calibration sheet
        Code, // the pay-by-phone code of the first transfer
    };
    Job job = Job::Transfers;
    QStringList inputs;
    QString output; // empty when printing
    std::optional<OutputFormat> format; // the output's; nothing when printing or for the code
    bool print = false;
    QString queue; // empty: the default printer

    QString payerAccount;
    printout::FormKind form = printout::FormKind::Transfer;
    bool dataOnly = false;
    report::TRpPlacement placement;
    bool log = false;
    QString taxNumber; // for the code
    int dpi = 96;
    int page = 1;
    bool skipBadRows = false;
    bool acceptBadAccounts = false;
};

extern const char UsageText[];

// The job the words ask for (without the program's name first). Nothing when there is none to run: then
// status is 0 after --help (the text went to out) or 2 after a usage message (to err).
std::optional<RenderOptions> parseRenderArguments(
    const QStringList& words, QTextStream& out, QTextStream& err, int& status);

} // namespace tools
