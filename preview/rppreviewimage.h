// SPDX-License-Identifier: GPL-2.0-or-later
// The page image inside the preview: one generated page drawn as a white sheet with a black frame and
// a shadow, stretched to the widget's size.
#pragma once

#include "report/rpgeneratedpage.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

namespace report {
class TRpPrinter;
} // namespace report

namespace preview {

using report::TRpGeneratedPage;
using report::TRpPrinter;

class TRpPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TRpPreviewImage(QWidget* parent = nullptr);

    int pageNumber() const { return m_pageNumber; }
    bool hasPicture() const { return m_picture.has_value(); }
    const std::optional<TRpGeneratedPage>& picture() const { return m_picture; }
    // The zoom the image was last sized for.
    int zoom() const { return m_zoom; }
    void setZoom(int zoom) { m_zoom = zoom; }

    // Frees the picture and asks the printer for page n; without a printer, or when the printer has no
    // such page, the image stays empty. A page the player rejects raises platform::Error and leaves the
    // image empty.
    void loadPage(TRpPrinter* printer, int n);
    void clearPicture();

    // The image as painted, at the given device pixel ratio (also what paintEvent shows).
    QPixmap render(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_pageNumber = 1;
    int m_zoom = 100;
    std::optional<TRpGeneratedPage> m_picture;
    QByteArray m_underlay; // the report's preview underlay, drawn faintly under the page
    // The last painting, kept because replaying a page for every expose would be wasted work while
    // the user scrolls.
    mutable QPixmap m_cache;
    mutable QSize m_cacheSize; // the widget size the cache was drawn for
    mutable bool m_cacheValid = false;
};

} // namespace preview
