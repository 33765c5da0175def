// SPDX-License-Identifier: GPL-2.0-or-later
// A report: page set-up, bands with their components, the data set it walks, and the generation pass
// that prints the detail band once per record onto a page target (TRpPrinter).
#pragma once

#include "report/rpband.h"
#include "report/rpfont.h"
#include "report/rppage.h"
#include "report/rpprintersettings.h"
#include "report/rpunits.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TRpDataSet;
class TRpPrinter;
class TRpPreviewHost;
class TRpRun;

struct TRpReportOptions {
    bool FirstPageHeader = false;
    bool LastPageFooter = false;
    bool Compression = false;
};

// A button the preview window shows for a report, after its own. A checkable one shows checked(); a click
// calls triggered with the new state, and when that returns true the pages are made anew: the window
// closes and PreviewReport shows the report again.
struct TRpPreviewOption {
    QString name;
    QString text;
    QString hint;
    bool checkable = false;
    std::function<bool()> checked;
    std::function<bool(bool)> triggered;
};

class TRpReport : public QObject {
    Q_OBJECT
public:
    explicit TRpReport(QObject* parent = nullptr);
    ~TRpReport() override;

    TRpPage Page;
    TRpDataSet* DataSet = nullptr; // not owned
    bool PrintIfEmpty = true;
    TRpReportOptions Options;
    TRpFont Font;
    TRpPrinterSettings PrinterSettings;
    // Where the pages land on the paper; every run hands it to its target.
    TRpPlacement Placement;
    // The preview's extra buttons, and a page (EMF bytes) the preview draws faintly under every page:
    // only on the screen, never printed or saved. Empty: none.
    std::vector<TRpPreviewOption> PreviewOptions;
    QByteArray PreviewUnderlay;
    // Told when the report's pages left the program: printed (the job reached the spooler; how "druk",
    // target "QUEUE-ID") or saved from its preview (how "plik", target the file). Pages loaded from a
    // report file are not the report's and tell nothing.
    std::function<void(const QString& how, const QString& target)> OnOutput;
    // Called as every generation starts, before the bands are read: a form may make its components
    // here the first time.
    std::function<void()> BeforeGenerate;
    // Asked by a preview option: once its window has closed, PreviewReport previews the report again.
    void previewAgain() { m_previewAgain = true; }
    bool ShowProgress = true;
    std::string ReportTitle;

    // How value properties read and write (see toUnits / fromUnits); generation works in Native.
    TRpUnit Units() const { return m_units; }
    void setUnits(TRpUnit units) { m_units = units; }
    // A native value seen in the report's Units, and back.
    long double toUnits(long double native) const;
    long double fromUnits(long double value) const;

    // Scales the on-screen view of components (1 to 300); generation works in native units.
    int Zoom() const { return m_zoom; }
    void setZoom(int zoom);

    // The resolution of the reference context on which labels are measured, and of page-store pages.
    int screenPpi() const { return m_screenPpi; }
    void setScreenPpi(int ppi);

    // Creates a band after the ones already there (the report owns it).
    TRpBand* addBand(std::string name, TRpBandType type = rbDetail);
    const std::vector<std::unique_ptr<TRpBand>>& bands() const { return m_bands; }
    TRpBand* findBand(const std::string& name) const;

    // The generation pass onto a page target, which becomes the report's current page target. Does
    // nothing while a run is going on. An exception raised during the run still ends the document and
    // makes the report available again before it propagates.
    void GenerateReport(TRpPrinter& target);

    // False while GenerateReport runs.
    bool available() const { return m_available; }
    bool cancelled() const { return m_cancelled; }
    // Pages begun in the current or last run.
    int pageCount() const { return m_pageCount; }

    // The current page target (not owned: the preview or the print owns it), or none.
    TRpPrinter* currentPrinter() const;
    void setCurrentPrinter(TRpPrinter* printer);

    // The preview-closed reaction while generating: the run stops before the next record and the
    // document is aborted.
    void cancelGeneration();

    // The preview side that PreviewReport shows its window through (not owned); none: no preview.
    void setPreviewHost(TRpPreviewHost* host) { m_previewHost = host; }
    TRpPreviewHost* previewHost() const { return m_previewHost; }

    // Shows a preview window on a new page store, generates the pages into it and returns when the window
    // has closed (or at once after a cancelled run). Window events keep running meanwhile. Exceptions of
    // the run propagate after the document has been ended; the window stays open with the pages so far.
    // A preview option that asks for it shows the report again in a new window.
    // run: the data the pages are made from, kept with every window showing them (a print from a window
    // puts them back first, and what leaves the program is told to it); none: OnOutput is told.
    void PreviewReport(const std::shared_ptr<TRpRun>& run = nullptr);
    // The preview-closed notification of the window showing `target` (sent synchronously, before the
    // window releases its target): cancels a run in progress, else ends PreviewReport's wait.
    void previewClosed(TRpPrinter* target);
    // The preview target on whose behalf a print runs: closing that window cancels the print, closing
    // another one does not. Set by the print around its run.
    void setPrintSource(TRpPrinter* source);

private:
    void previewOnce(const std::shared_ptr<TRpRun>& run);
    void transferSettings(TRpPrinter& target);
    void forEachComponent(void (TRpPrintable::*call)());
    void recordLoop();
    void printDetailBand(TRpBand& band);
    void newPage();
    void endPage();
    TRpBand* detailBand() const;

    TRpUnit m_units = TRpUnit::MM;
    int m_zoom = 100;
    int m_screenPpi;
    std::vector<std::unique_ptr<TRpBand>> m_bands;
    TRpPreviewHost* m_previewHost = nullptr;
    QPointer<TRpPrinter> m_printer;
    QPointer<TRpPrinter> m_printSource;
    QPointer<TRpPrinter> m_runTarget; // the target of the run in progress

    bool m_available = true;
    bool m_cancelled = false;
    bool m_previewAgain = false;
    bool m_lastPage = false;
    int m_pageCount = 0;
    int m_printX = 0;
    int m_printY = -1; // -1: no page begun
    int m_currentColumn = 1;
    long double m_pageFooterHeight = 0;
};

} // namespace report
