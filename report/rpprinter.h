// SPDX-License-Identifier: GPL-2.0-or-later
// The page target of a generation run: the device mapping from native page coordinates to pixels, the
// page canvas, and the destination of the pages (the page store for the preview; a printer later).
#pragma once

#include "platform/canvas.h"
#include "report/rpgeneratedpage.h"
#include "report/rppagerecorder.h"
#include "report/rppagesink.h"
#include "report/rppagestore.h"
#include "report/rpprintersettings.h"
#include "report/rpprintertarget.h"
#include "report/rprun.h"

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace report {

class TRpReport;

enum class TRpPrinterStatus { Ready, Generating, Finished };
enum class TRpPrinterDestination { PageStore, Printer };

class TRpPrinter : public QObject {
    Q_OBJECT
public:
    // Memory the page store uses before it continues in a temporary file.
    static constexpr qint64 MemoryLimit = 100000;

    explicit TRpPrinter(TRpPrinterDestination destination = TRpPrinterDestination::PageStore,
        int screenPpi = 0, QObject* parent = nullptr); // screenPpi 0: the screen's
    ~TRpPrinter() override;

    TRpPrinterDestination destination() const { return m_destination; }
    TRpPrinterStatus status() const { return m_status; }
    int screenPpi() const { return m_screenPpi; }

    int PagesStarted() const { return m_pagesStarted; }
    int PagesAvailable() const { return m_pagesAvailable; }
    bool cancelled() const { return m_cancelled; }

    // The device mapping: rounded half to even, computed in extended precision.
    long double PixelsPerUnitX() const { return m_pixelsPerUnitX; }
    long double PixelsPerUnitY() const { return m_pixelsPerUnitY; }
    long double DeviceOriginX() const { return m_deviceOriginX; }
    long double DeviceOriginY() const { return m_deviceOriginY; }
    int DeviceX(long double x) const;
    int DeviceY(long double y) const;
    int DeviceWidth(long double w) const;
    int DeviceHeight(long double h) const;
    // Moves and scales everything the mapping places from now on (the report sets its own at each run).
    void setPlacement(const TRpPlacement& placement) { m_placement = placement; }
    const TRpPlacement& placement() const { return m_placement; }

    // The canvas of the page in progress; nullptr while no page is open.
    platform::Canvas* canvas() const;

    void OpenDocument();
    void NextPage();
    void CloseDocument();
    void AbortDocument();
    void RequestCancel() { m_cancelled = true; }

    // Stores the percentage and notifies the client.
    void setProgress(int percent);
    int progress() const { return m_progress; }

    // An independent copy of stored page n (from 1) while generating or finished, otherwise none.
    std::optional<TRpGeneratedPage> PageAt(int n);

    // The device settings of the document: paper, orientation, copies, page range. The report transfers
    // its settings into them before OpenDocument.
    TRpDeviceSettings& deviceSettings() { return m_settings; }
    const TRpDeviceSettings& deviceSettings() const { return m_settings; }

    // The client window: its pageAvailable(int) and progressUpdate(int) are connected to the signals of
    // the same names, queued, in place of the previous client's; nullptr leaves none.
    template <class Client> void setClient(Client* client)
    {
        setClient(nullptr);
        if (!client)
            return;
        connect(this, &TRpPrinter::pageAvailable, client, &Client::pageAvailable, Qt::QueuedConnection);
        connect(this, &TRpPrinter::progressUpdate, client, &Client::progressUpdate, Qt::QueuedConnection);
        m_client = client;
    }
    void setClient(std::nullptr_t);
    QObject* client() const { return m_client; }

    TRpReport* master() const { return m_master; }
    void setMaster(TRpReport* master) { m_master = master; }
    const std::string& title() const { return m_title; }
    void setTitle(const std::string& title) { m_title = title; }
    bool compression() const { return m_compression; }
    void setCompression(bool on) { m_compression = on; }
    // The printer set-up routine the preview calls (installed by the report).
    std::function<void()> printerSetupHook;

    // How a page store's canvases are made; by default EMF recorders.
    void setRecorderFactory(TRpPageRecorderFactory factory)
    {
        if (m_storeSink)
            m_storeSink->setRecorderFactory(std::move(factory));
    }

    // Set while a preview window shows this target; clearing it while generating cancels the run.
    bool previewShown() const { return m_previewShown; }
    void setPreviewShown(bool on);

    // Writes the stored pages to a report file, byte for byte; only when the status is finished,
    // otherwise nothing happens.
    void Save(const QString& fileName);
    // Replaces the stored pages by those of a report file (a running generation is cancelled first and
    // adds nothing to them), guesses the paper from page 1 and makes the status finished. The file is
    // checked whole first: a failed load leaves everything as it was.
    void Load(const QString& fileName);
    // The same from an open, readable, seekable device (a buffer in memory, say), which the printer keeps.
    void Load(std::unique_ptr<QIODevice> device);
    // The pages came from a report file (printing replays them).
    bool loadedFromFile() const { return m_loadedFromFile; }

    // The data this target's pages were made from (a preview's), shared with the previews the report
    // shows again; none for loaded pages, or when nobody kept it.
    const std::shared_ptr<TRpRun>& run() const { return m_run; }
    void setRun(std::shared_ptr<TRpRun> run) { m_run = std::move(run); }

    // The stored pages; none before the first document or load.
    TRpPageStore* pageStore() const { return m_store.get(); }
    TRpPageList& pageList() { return m_store->pageList(); }
    // The printer side of a printer-destination target; nullptr for the page store.
    TRpPrinterTarget* printerTarget() const { return m_jobSink ? &m_jobSink->target() : nullptr; }
    TRpStream* stream() const { return m_store ? &m_store->stream() : nullptr; }

signals:
    // Pages 1..pagesAvailable are stored and can be shown.
    void pageAvailable(int pagesAvailable);
    void progressUpdate(int percent);

private:
    void load(std::unique_ptr<TRpPageStore> store);

    TRpPrinterDestination m_destination;
    TRpPrinterStatus m_status = TRpPrinterStatus::Ready;
    int m_screenPpi;
    int m_pagesStarted = 0;
    int m_pagesAvailable = 0;
    bool m_cancelled = false;
    int m_progress = 0;
    long double m_pixelsPerUnitX;
    long double m_pixelsPerUnitY;
    long double m_deviceOriginX = 0;
    long double m_deviceOriginY = 0;
    TRpPlacement m_placement;
    TRpDeviceSettings m_settings;
    QPointer<QObject> m_client;
    TRpReport* m_master = nullptr;
    std::string m_title;
    bool m_compression = false;
    bool m_previewShown = false;
    bool m_loadedFromFile = false;
    // Counts documents (and loads), so a document that a load replaced while it was closing leaves the
    // loaded pages alone.
    int m_documentSerial = 0;
    std::unique_ptr<TRpPageStore> m_store;
    // Where the pages go: one of the two below.
    std::unique_ptr<TRpPageSink> m_sink;
    TRpPageStoreSink* m_storeSink = nullptr;
    TRpPrintJobSink* m_jobSink = nullptr;
    std::shared_ptr<TRpRun> m_run;
};

} // namespace report
