// SPDX-License-Identifier: GPL-2.0-or-later
// The page view of the preview: a scrolling view holding one page image, with the page number, the
// zoom and its mode. While a printer is attached the view is that printer's client and receives its
// page-available and progress notifications.
#pragma once

#include "report/rpprinter.h"

#include <QPointer>
#include <QScrollArea>

namespace preview {

using report::TRpPrinter;

class TRpPreviewImage;

enum class TRpZoomMode { WholePage, PageWidth, Fixed };

class TRpPreview : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int MinZoom = 2;
    static constexpr int MaxZoom = 2000;

    explicit TRpPreview(QWidget* parent = nullptr);
    ~TRpPreview() override;

    // Attaching makes the view the printer's client, marks the printer as shown in a preview and shows
    // its page 1; attaching another printer or nullptr detaches the previous one first.
    void setPrinter(TRpPrinter* printer);
    TRpPrinter* printer() const { return m_printer; }

    int PageNumber() const { return m_pageNumber; }
    // Shows page v; ignored when v is already shown, lies outside 1..PagesStarted, or no printer is
    // attached.
    void setPageNumber(int v);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    // Shows page 1 again even when it is shown (after a load).
    void reloadFirstPage();

    int Zoom() const { return m_zoom; }
    TRpZoomMode zoomMode() const { return m_zoomMode; }
    // Values outside MinZoom..MaxZoom are ignored; otherwise the mode becomes fixed zoom.
    void setZoom(int v);
    void zoomToFit();
    void zoomToWidth();
    void zoom100() { setZoom(100); }

    // The page at 100 % (W100, L100) and at a zoom, in pixels.
    int fullPageWidth() const;
    int fullPageLength() const;
    int pageWidthAt(int zoom) const;
    int pageLengthAt(int zoom) const;

    // Sizes and places the image for the current zoom and scrolls to the top-left corner.
    void updateSize();

    TRpPreviewImage* image() const { return m_image; }

    // The printer's notifications (queued connections, TRpPrinter::setClient).
    Q_INVOKABLE void pageAvailable(int pagesAvailable);
    Q_INVOKABLE void progressUpdate(int percent);

signals:
    void OnPageAvailable(int pageNum);
    void OnProgressUpdate(int progress);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void detach();
    long double pageWidthNative() const;
    long double pageLengthNative() const;
    long double pixelsPerUnitX() const;
    long double pixelsPerUnitY() const;

    QPointer<TRpPrinter> m_printer;
    QWidget* m_canvas;
    TRpPreviewImage* m_image;
    int m_pageNumber = 1;
    int m_zoom = 100;
    TRpZoomMode m_zoomMode = TRpZoomMode::Fixed;
};

} // namespace preview
