// SPDX-License-Identifier: GPL-2.0-or-later
// Where a generation's pages go, behind one interface: the page store a preview shows and saves, or one
// print job. TRpPrinter keeps what every document has (the device mapping, status, counts, progress) and
// hands each page to its sink.
#pragma once

#include "platform/canvas.h"
#include "report/rppagerecorder.h"
#include "report/rppagestore.h"
#include "report/rpprintersettings.h"
#include "report/rpprintertarget.h"

#include <QString>
#include <functional>
#include <memory>

namespace report {

class TRpPageSink {
public:
    virtual ~TRpPageSink() = default;

    // How a document's pages are drawn: device pixels per native unit and the origin on the paper.
    struct Mapping {
        long double pixelsPerUnitX;
        long double pixelsPerUnitY;
        long double originX = 0;
        long double originY = 0;
    };
    // What a print needs to know of its document as it opens.
    struct Job {
        int printerIndex = -1; // -1: the default printer
        bool noScaling = false;
        bool compression = false; // of the pages stored
        QString title;
        std::function<bool()> keepGoing; // false stops the hand-over to the spooler
    };
    // A document begins; the settings get what the device says of itself (the paper's offsets).
    virtual Mapping open(TRpDeviceSettings& settings, const Job& job) = 0;
    // Page n (from 1) begins, of the size given in device pixels; its canvas stays until the page ends.
    virtual platform::Canvas* beginPage(int n, const TRpDeviceSettings& settings, int widthPx, int heightPx)
        = 0;
    // The page in progress (n) ends before the next begins; true when it was stored and can be shown.
    virtual bool endPage(int n, const TRpDeviceSettings& settings) = 0;
    // The page in progress (n) is the document's last; true when it was stored and can be shown.
    virtual bool finishLastPage(int n, const TRpDeviceSettings& settings) = 0;
    // Whether a page is in progress.
    virtual bool pageOpen() const = 0;
    virtual platform::Canvas* canvas() const = 0;
    // The last page was ended: the document is complete.
    virtual void close() = 0;
    // The document is cancelled: a page store keeps the page in progress, a print job is thrown away.
    virtual void abort() = 0;
    // The page in progress is let go of without ending it (its document gave way to a loaded file).
    virtual void dropPage() = 0;
};

// Pages recorded as metafiles into a page store, made anew for every document.
class TRpPageStoreSink : public TRpPageSink {
public:
    TRpPageStoreSink(std::unique_ptr<TRpPageStore>& store, int screenPpi, qint64 memoryLimit);

    void setRecorderFactory(TRpPageRecorderFactory factory) { m_recorderFactory = std::move(factory); }

    Mapping open(TRpDeviceSettings& settings, const Job& job) override;
    platform::Canvas* beginPage(int n, const TRpDeviceSettings& settings, int widthPx, int heightPx) override;
    bool endPage(int n, const TRpDeviceSettings& settings) override;
    bool finishLastPage(int n, const TRpDeviceSettings& settings) override { return endPage(n, settings); }
    bool pageOpen() const override { return bool(m_recorder); }
    platform::Canvas* canvas() const override { return m_recorder ? &m_recorder->canvas() : nullptr; }
    void close() override;
    void abort() override;
    void dropPage() override { m_recorder.reset(); }

private:
    // Stores the page in progress, if any.
    bool storePage();

    std::unique_ptr<TRpPageStore>& m_store; // the printer's: a load replaces it
    int m_screenPpi;
    qint64 m_memoryLimit;
    TRpPageRecorderFactory m_recorderFactory;
    std::unique_ptr<TRpPageRecorder> m_recorder;
};

// Pages drawn straight onto a printer, as one job in which each page of the range starts once.
class TRpPrintJobSink : public TRpPageSink {
public:
    TRpPrinterTarget& target() { return m_target; }

    Mapping open(TRpDeviceSettings& settings, const Job& job) override;
    platform::Canvas* beginPage(int n, const TRpDeviceSettings& settings, int widthPx, int heightPx) override;
    bool endPage(int n, const TRpDeviceSettings& settings) override;
    // The job ends with its last page: no page break after it.
    bool finishLastPage(int, const TRpDeviceSettings&) override
    {
        m_canvas = nullptr;
        return false;
    }
    bool pageOpen() const override { return m_canvas != nullptr; }
    platform::Canvas* canvas() const override { return m_canvas; }
    void close() override;
    void abort() override;
    void dropPage() override { m_canvas = nullptr; }

private:
    TRpPrinterTarget m_target;
    platform::Canvas* m_canvas = nullptr;
};

} // namespace report
