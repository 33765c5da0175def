// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rppreviewicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace preview {

namespace {

const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor blue(30, 80, 170);
const QColor green(20, 130, 60);
const QColor folder(220, 170, 50);
const QColor folderDark(170, 120, 20);
const QColor metal(150, 150, 160);

// A sheet with a folded corner, inside the given rectangle.
void drawSheet(QPainter& p, const QRectF& r)
{
    const qreal fold = std::min(r.width(), r.height()) / 4;
    QPolygonF sheet;
    sheet << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawPolygon(sheet);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void drawTriangle(QPainter& p, qreal tipX, qreal baseX)
{
    QPolygonF t;
    t << QPointF(tipX, 8) << QPointF(baseX, 3) << QPointF(baseX, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(t);
}

void drawPrinter(QPainter& p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(metal);
    p.drawRect(QRectF(1.5, 7.5, 13, 5));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 11.5, 7, 3));
    p.fillRect(QRectF(11, 9, 2, 1), green);
}

void paint(QPainter& p, TRpPreviewPicture picture)
{
    using P = TRpPreviewPicture;
    switch (picture) {
    case P::ZoomFit:
        p.setPen(QPen(ink, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        drawSheet(p, QRectF(4.5, 3.5, 7, 9));
        break;
    case P::Zoom100:
        drawSheet(p, QRectF(2.5, 0.5, 11, 15));
        p.setPen(QPen(ink, 1));
        for (int y = 4; y <= 13; y += 2)
            p.drawLine(QPointF(4.5, y + 0.5), QPointF(y == 4 ? 9.5 : 11.5, y + 0.5));
        break;
    case P::ZoomToWidth: {
        drawSheet(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(blue, 1));
        p.drawLine(QPointF(0.5, 8.5), QPointF(15.5, 8.5));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF() << QPointF(0, 8.5) << QPointF(3, 5.5) << QPointF(3, 11.5));
        p.drawPolygon(QPolygonF() << QPointF(16, 8.5) << QPointF(13, 5.5) << QPointF(13, 11.5));
        break;
    }
    case P::FirstPage:
        p.fillRect(QRectF(3, 3, 2, 10), blue);
        drawTriangle(p, 5, 12);
        break;
    case P::PreviousPage:
        drawTriangle(p, 4, 11);
        break;
    case P::NextPage:
        drawTriangle(p, 12, 5);
        break;
    case P::LastPage:
        drawTriangle(p, 11, 4);
        p.fillRect(QRectF(11, 3, 2, 10), blue);
        break;
    case P::PrintSetup:
        drawPrinter(p);
        // A spanner across the top right.
        p.setPen(QPen(QColor(90, 90, 100), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 6), QPointF(13, 1.5));
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(13.5, 2), 2, 2);
        break;
    case P::Print:
        drawSheet(p, QRectF(4.5, 0.5, 7, 8));
        drawPrinter(p);
        break;
    case P::LoadReport: {
        p.setPen(QPen(folderDark, 1));
        p.setBrush(folder.darker(115));
        p.drawPolygon(QPolygonF() << QPointF(0.5, 3.5) << QPointF(5.5, 3.5) << QPointF(6.5, 4.5)
                                  << QPointF(12.5, 4.5) << QPointF(12.5, 13.5) << QPointF(0.5, 13.5));
        p.setBrush(folder);
        // The open front flap, tilted away from the back.
        p.drawPolygon(QPolygonF() << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(12.5, 13.5)
                                  << QPointF(0.5, 13.5));
        p.setPen(QPen(green, 1.5));
        p.drawLine(QPointF(9, 5), QPointF(12, 1.5));
        p.drawLine(QPointF(12, 1.5), QPointF(14, 3.5));
        break;
    }
    case P::SaveReport:
        p.setPen(QPen(ink, 1));
        p.setBrush(blue);
        p.drawPolygon(QPolygonF() << QPointF(1.5, 1.5) << QPointF(13.5, 1.5) << QPointF(14.5, 2.5)
                                  << QPointF(14.5, 14.5) << QPointF(1.5, 14.5));
        p.setBrush(paper);
        p.drawRect(QRectF(3.5, 1.5, 9, 6)); // the label
        p.setBrush(metal);
        p.drawRect(QRectF(4.5, 10.5, 7, 4)); // the shutter
        p.fillRect(QRectF(9, 11, 1.5, 3), ink);
        break;
    }
}

} // namespace

QPixmap previewPicture(TRpPreviewPicture picture, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(16, 16) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, picture);
    return pixmap;
}

QIcon previewIcon(TRpPreviewPicture picture)
{
    QIcon icon;
    icon.addPixmap(previewPicture(picture, 1.0));
    icon.addPixmap(previewPicture(picture, 2.0));
    return icon;
}

} // namespace preview
