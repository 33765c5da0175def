// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpreportfile.h"

#include "emf/metafile.h"
#include "report/rperror.h"
#include "report/rppagelist.h"
#include "report/rpprinter.h"
#include "report/rpstream.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

namespace report {

namespace {

ERpError cannotCreate(const QString& fileName, const QString& reason)
{
    return ERpError(
        QCoreApplication::translate("report", "Cannot create file \"%1\". %2").arg(fileName, reason));
}

ERpError damaged(const QString& reason)
{
    return ERpError(QCoreApplication::translate("report", "The report file is damaged: %1").arg(reason));
}

void commit(QSaveFile& file, const QString& fileName)
{
    if (!file.commit())
        throw cannotCreate(fileName, file.errorString());
}

} // namespace

bool copyStream(TRpStream& stream, QIODevice& device)
{
    std::lock_guard guard(stream.lock());
    const qint64 position = stream.pos();
    stream.seek(0);
    char block[10240];
    bool whole = true;
    try {
        for (;;) {
            const qint64 n = stream.read(block, sizeof block);
            if (n <= 0)
                break;
            if (device.write(block, n) != n) {
                whole = false;
                break;
            }
        }
    } catch (...) {
        stream.seek(position);
        throw;
    }
    stream.seek(position);
    return whole;
}

void saveStreamToFile(TRpStream& stream, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotCreate(fileName, file.errorString());
    if (!copyStream(stream, file)) {
        // Without this the save file would still be committed with the bytes it took.
        file.cancelWriting();
        throw cannotCreate(fileName, file.errorString());
    }
    commit(file, fileName);
}

TRpReportFileCheck checkReportFile(TRpStream& stream)
{
    std::lock_guard guard(stream.lock());
    const qint64 size = stream.size();
    if (size < TRpPageList::HeaderSize)
        throw damaged(QCoreApplication::translate("report", "it is shorter than its header"));
    stream.seek(8);
    const qint32 count = stream.readInt32();
    if (count < 0)
        throw damaged(QCoreApplication::translate("report", "its page count is negative"));

    qint64 start = TRpPageList::HeaderSize;
    qint32 records = 0;
    TRpReportFileCheck check;
    QByteArray page;
    // Why the record after the good ones cannot be read; empty while they all can.
    QString reason;
    while (start < size && reason.isEmpty()) {
        const int number = records + 1;
        try {
            // Page number, link, at least an empty picture, own start.
            if (start > size - 12)
                throw damaged(
                    QCoreApplication::translate("report", "page record %1 runs past the end of the file")
                        .arg(number));
            stream.seek(start);
            const qint32 written = stream.readInt32();
            const qint64 next = stream.readInt32();
            if (written != number)
                throw damaged(
                    QCoreApplication::translate("report", "page record %1 carries the page number %2")
                        .arg(number)
                        .arg(written));
            if (next < start + 12 || next > size)
                throw damaged(QCoreApplication::translate("report", "page record %1 points outside the file")
                                  .arg(number));
            const qint64 room = next - start - 12;
            page.resize(room);
            stream.readExact(page.data(), room);
            const emf::MetafileInfo info = emf::inspectMetafile(page.constData(), room);
            if (info.byteLength != room)
                throw damaged(
                    QCoreApplication::translate("report", "the picture of page %1 does not fill its record")
                        .arg(number));
            if (stream.readInt32() != start)
                throw damaged(
                    QCoreApplication::translate("report", "page record %1 does not end with its own offset")
                        .arg(number));
            ++records;
            if (records > count)
                break;
            check.offsets.push_back(start);
            start = next;
        } catch (const emf::MetafileError&) {
            reason = QCoreApplication::translate("report", "the picture of page %1 is not a metafile")
                         .arg(number);
        } catch (const platform::Error& error) {
            reason = error.message(); // a record cut short reads past the end of the file
        }
    }
    // A file whose first page is no picture is no report; one damaged further on shows what it can.
    if (check.offsets.empty() && !reason.isEmpty())
        throw ERpError(reason);
    if (!reason.isEmpty() && records == count) {
        check.damage = QCoreApplication::translate("report",
            "The report file holds more than its %1 pages; what follows them cannot be "
            "read: %2")
                           .arg(count)
                           .arg(reason);
    } else if (!reason.isEmpty() || records < count) {
        const int firstLost = int(check.offsets.size()) + 1;
        check.damage = QCoreApplication::translate(
            "report", "Pages %1 to %2 of the report file cannot be read, only the first %3 are shown")
                           .arg(firstLost)
                           .arg(std::max<qint32>(count, firstLost))
                           .arg(check.offsets.size());
        if (!reason.isEmpty())
            check.damage += QStringLiteral(": ") + reason;
    } else if (records != count) {
        throw damaged(
            QCoreApplication::translate("report", "its page count %1 does not match its %2 page records")
                .arg(count)
                .arg(records));
    }
    stream.seek(0);
    return check;
}

QByteArray onePageReportFile(const QByteArray& metafile)
{
    TRpStream stream(std::numeric_limits<qint64>::max()); // kept in memory
    TRpPageList pages;
    pages.setStream(&stream);
    pages.addPage(metafile);
    pages.finish();
    pages.setStream(nullptr);
    QByteArray file(stream.size(), Qt::Uninitialized);
    stream.seek(0);
    stream.readExact(file.data(), file.size());
    return file;
}

bool pageStoreAcceptsPaper(TRpPaperSize size)
{
    // The page store lists each sheet Qt knows once: A4Small and LetterSmall are A4 and Letter again.
    const QPageSize::PageSizeId id = paperInfo(size).pageSizeId;
    if (id == QPageSize::Custom)
        return false;
    for (const TRpPaperInfo& entry : paperTable()) {
        if (entry.pageSizeId == id)
            return entry.size == size;
    }
    return false;
}

std::optional<TRpPaperGuess> guessPaper(
    QSize pagePx, long double pixelsPerUnit, const std::function<bool(TRpPaperSize)>& accepts)
{
    if (pixelsPerUnit <= 0)
        return std::nullopt;
    // A page a pixel or two off its paper still finds it; 2 mm keeps neighbours such as Letter
    // (215.9 mm) and A4 (210 mm) apart.
    constexpr long double Tolerance = 2.0L;
    const long double w = pagePx.width() / pixelsPerUnit / 10;
    const long double l = pagePx.height() / pixelsPerUnit / 10;
    std::optional<TRpPaperGuess> guess;
    long double best = Tolerance;
    for (const TRpPaperInfo& entry : paperTable()) {
        if (entry.size == TRpPaperSize::Default || entry.size == TRpPaperSize::Custom)
            continue;
        if (accepts && !accepts(entry.size))
            continue;
        const long double pw = entry.widthMm, pl = entry.lengthMm;
        const long double portrait = std::max(std::fabs(w - pw), std::fabs(l - pl));
        const long double landscape = std::max(std::fabs(w - pl), std::fabs(l - pw));
        // The nearest paper wins; of papers as near, the first in the table.
        if (portrait <= best && (!guess || portrait < best)) {
            best = portrait;
            guess = TRpPaperGuess { entry.size, poPortrait };
        }
        if (landscape <= best && (!guess || landscape < best)) {
            best = landscape;
            guess = TRpPaperGuess { entry.size, poLandscape };
        }
    }
    return guess;
}

void savePdf(TRpPrinter& printer, const QString& fileName)
{
    if (printer.status() != TRpPrinterStatus::Finished)
        return;
    const TRpDeviceSettings& settings = printer.deviceSettings();
    const QPageSize::PageSizeId id = paperInfo(settings.paperSize).pageSizeId;
    const QPageSize pageSize = settings.paperSize != TRpPaperSize::Custom && id != QPageSize::Custom
        ? QPageSize(id)
        : QPageSize(QSizeF(double(std::min(settings.paperWidth, settings.paperLength)) / 10,
                        double(std::max(settings.paperWidth, settings.paperLength)) / 10),
            QPageSize::Millimeter);
    const QPageLayout layout(pageSize,
        settings.orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotCreate(fileName, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Przelew"));
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            throw cannotCreate(fileName, file.errorString());
        }
        const int pages = printer.PagesStarted();
        try {
            for (int n = 1; n <= pages; ++n) {
                if (n > 1)
                    writer.newPage();
                if (std::optional<TRpGeneratedPage> page = printer.PageAt(n)) {
                    const QRectF target(0, 0, writer.width(), writer.height());
                    emf::playMetafile(page->bytes, painter, target);
                }
            }
        } catch (...) {
            painter.end();
            file.cancelWriting();
            throw;
        }
        painter.end();
    }
    commit(file, fileName);
}

} // namespace report
