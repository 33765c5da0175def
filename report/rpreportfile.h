// SPDX-License-Identifier: GPL-2.0-or-later
// Report files: the byte-for-byte copy of a page store into a file, the check of a file's header and
// record chain before its pages are used, the paper a page size stands for, and PDF output of pages.
#pragma once

#include "report/rppage.h"
#include "report/rppapersize.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QIODevice;

namespace report {

class TRpPrinter;
class TRpStream;

// Copies every byte of the stream to the device, keeping the stream's position; false when the device
// did not take them all.
bool copyStream(TRpStream& stream, QIODevice& device);

// Copies the whole stream into the file through a save file: either the file holds every byte or an
// ERpError "Cannot create file "<name>". <reason>" is raised and an existing file is left as it was.
void saveStreamToFile(TRpStream& stream, const QString& fileName);

// Checks a loaded report file: at least a header, every record inside the file and linked to the
// next, each page an enhanced (or placeable) metafile that fills its record, and as many records as
// the header's page count. A file damaged after its first good page keeps the pages before the damage,
// and says which cannot be read; ERpError with the reason when not even the first page can be read.
struct TRpReportFileCheck {
    std::vector<qint64> offsets; // where each readable page's record starts
    QString damage; // empty for a whole file
};
TRpReportFileCheck checkReportFile(TRpStream& stream);

// A report file whose one page is the metafile: how a bare EMF or placeable WMF is opened as a report.
QByteArray onePageReportFile(const QByteArray& metafile);

struct TRpPaperGuess {
    TRpPaperSize size;
    TRpOrientation orientation;
    bool operator==(const TRpPaperGuess&) const = default;
};

// The paper of the table nearest to a page of pagePx pixels at pixelsPerUnit pixels per 0.1 mm, in
// either orientation, within 2 mm on each side; of papers as near, the first in the table, as far as
// accepts allows. None when no paper is that near.
std::optional<TRpPaperGuess> guessPaper(
    QSize pagePx, long double pixelsPerUnit, const std::function<bool(TRpPaperSize)>& accepts = {});

// Whether a paper can be taken by a page store: Qt must know its size.
bool pageStoreAcceptsPaper(TRpPaperSize size);

// Writes the printer's stored pages as a vector PDF on its paper, one PDF page per page, through a
// save file (same errors as saveStreamToFile). Nothing is written while the pages are not finished.
void savePdf(TRpPrinter& printer, const QString& fileName);

} // namespace report
