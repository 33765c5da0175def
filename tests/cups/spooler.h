// SPDX-License-Identifier: GPL-2.0-or-later
// Helpers for the tests that print through the private cupsd: where it is, whether it runs, waiting
// for a job, reading a PDF back with poppler's tools.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace spooler {

// Why the private cupsd is not there ("" when it runs).
QString unavailableReason();
// The folder of the private cupsd; the file queues write into its out/ folder.
QString folder();
// The folder cups-pdf writes into.
QString cupsPdfFolder();

// Waits until the job is done (completed, cancelled or aborted) and returns its IPP state; 0 when
// the spooler does not know it. Gives up after a minute so that a broken spooler cannot hang a test.
int waitForJob(const QString& printer, int id);

// Runs a command; its standard output, or a failed test if it cannot run.
QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr);

// The attributes the spooler keeps for a job, as text ("copies" -> "2").
QMap<QString, QString> jobAttributes(int id);

struct PdfInfo {
    int pages = -1;
    QString pageSize; // "842 x 595"
    QString title;
    bool titleLine = false; // pdfinfo printed a Title line
};
PdfInfo pdfInfo(const QString& path);
QString pdfText(const QString& path);

// The box pdftotext gives the first such word of a PDF, in points of the page as it is shown
// (the paper as it is fed); all -1 when the word is not there.
struct WordBox {
    double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};
WordBox wordBox(const QString& path, const QString& word);

} // namespace spooler

// Skips the current test with the reason when the private cupsd could not start.
#define SKIP_WITHOUT_SPOOLER()                                                                               \
    do {                                                                                                     \
        const QString reason = spooler::unavailableReason();                                                 \
        if (!reason.isEmpty())                                                                               \
            GTEST_SKIP() << reason.toStdString();                                                            \
    } while (false)
