// SPDX-License-Identifier: GPL-2.0-or-later
// The print-preview window: a tool bar for zoom, navigation, printing, saving and loading around the
// page view, a status bar with the progress and the page text, and the preview's keys. It shows the
// pages of one TRpPrinter and tells the report when it closes.
#pragma once

#include "report/rppreviewhost.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QToolBar;
class QToolButton;

namespace report {
class TRpPrinter;
class TRpReport;
} // namespace report

namespace preview {

using report::TRpPreviewHost;
using report::TRpPrinter;
using report::TRpReport;

class TRpPreview;

// What a file dialog of the preview asks for; the filter is written as "description|pattern" pairs.
struct TRpFileDialogRequest {
    bool save = false;
    QString title;
    QString filter;
    QString defaultExtension; // empty: none
};

class TRpStandardPreview : public QMainWindow {
    Q_OBJECT
public:
    // Returns the chosen file name, or an empty text when the user cancels.
    using FileDialogFunction = std::function<QString(QWidget* parent, const TRpFileDialogRequest&)>;
    // Shows an information text with an OK button.
    using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;
    // Starts printing the shown pages (comes with the printer target).
    using PrintFunction = std::function<void(TRpPrinter& printer)>;

    // Replace the dialogs (tests); an empty function restores the real one. Each returns the previous.
    static FileDialogFunction setFileDialog(FileDialogFunction dialog);
    static MessageFunction setMessageBox(MessageFunction box);
    static PrintFunction setPrintFunction(PrintFunction print);

    static const QString SaveFilter; // "Report file(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf"
    static const QString LoadFilter; // "Report file (*.RPF)|*.RPF"

    // Opening steps 1 to 5; show() and writing the page text are the caller's (see ShowPreview).
    explicit TRpStandardPreview(TRpPrinter* printer, QWidget* parent = nullptr);
    ~TRpStandardPreview() override;

    TRpPreview* preview() const { return m_preview; }
    TRpPrinter* printer() const;
    // Status bar panels: 0 progress, 1 page text.
    QString panelText(int panel) const;
    QToolBar* toolBar() const { return m_toolBar; }
    QAction* action(const QString& name) const;
    QToolButton* exitButton() const { return m_exitButton; }

    // "Page N of M".
    void writePageText();

    void ZoomToFitClick();
    void ZoomTo100Click();
    void ZoomToWidthClick();
    void FirstPageClick();
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrintSetupClick();
    void PrintClick();
    void SaveClick();
    void LoadClick();
    void ExitClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RpPreviewPageAvailable(int pageNum);
    void RpPreviewProgressUpdate(int progress);
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void addReportOptions(TRpPrinter* printer);
    QAction* addButton(
        const char* name, const QString& hint, int picture, void (TRpStandardPreview::*click)());
    void zoomAfterPendingEvents(void (TRpPreview::*zoom)());
    void addDivider(const char* name);

    TRpPreview* m_preview;
    QToolBar* m_toolBar;
    QToolButton* m_exitButton = nullptr;
    QLabel* m_panels[2];
    std::vector<QAction*> m_reportOptions; // the report's own buttons, which loaded pages disable
    int m_lastProgress = 0;
    bool m_closed = false;
};

// The engine's standard preview interface: the preview side of TRpReport::PreviewReport.
class TRpStandardPreviewInterface : public TRpPreviewHost {
public:
    // The one instance to hand to TRpReport::setPreviewHost.
    static TRpStandardPreviewInterface& instance();

    // Creates the window for the printer (owned by the application, freed when it closes; the window
    // owns the printer from then on), shows it maximised and not modal, writes the page text and
    // returns it.
    static TRpStandardPreview* ShowPreview(TRpPrinter& printer);

    void showPreview(TRpPrinter* target) override;
    // Looks the target up among the open windows without touching it (it may be gone).
    bool showsPreview(const TRpPrinter* target) const override;
    // The preview's set-up button opens PrinterSetup for the report.
    void installPrinterSetup(TRpReport& report, TRpPrinter& previewTarget) override;
    // The progress window RpProgressForm, painted before the print goes on when shown.
    std::unique_ptr<QObject> printProgress(TRpPrinter& target, bool show) override;
};

} // namespace preview
