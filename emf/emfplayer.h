// SPDX-License-Identifier: GPL-2.0-or-later
// Plays an enhanced metafile onto a QPainter: walks the records with every size and offset checked and
// draws them with GDI's rules, stretched so that the picture's frame fills the target rectangle.
#pragma once

#include "emf/metafileplayer.h"

#include <QTransform>

namespace emf {

class MetafileReader;

class EmfPlayer : public MetafilePlayer {
public:
    // data holds the whole EMF, size its byte count as its header gives it (checked by the caller).
    EmfPlayer(const char* data, qint64 size);

private:
    void walk() override;
    // One handler per family of records, named by the record types it takes.
    void record(quint32 type, const MetafileReader& r);
    void polyRecord(quint32 type, const MetafileReader& r);
    void shapeRecord(quint32 type, const MetafileReader& r);
    void mappingRecord(quint32 type, const MetafileReader& r);
    void stateRecord(quint32 type, const MetafileReader& r);
    void clipRecord(quint32 type, const MetafileReader& r);
    void objectRecord(quint32 type, const MetafileReader& r);
    void pathRecord(quint32 type, const MetafileReader& r);
    void bitmapRecord(quint32 type, const MetafileReader& r);
    void commentRecord(const MetafileReader& r);
    void polyPoly(const MetafileReader& r, bool small, bool polygon);
    void text(const MetafileReader& r, bool wide);

    // Whether a shape is drawn now (a renderer is attached and no path is being built); brings the
    // renderer up to date first.
    bool drawing();
    void createObject(quint32 handle, const Object& object);
    void updateMapping();
    void syncRenderer();
    QPolygonF points(const MetafileReader& r, qint64 countOffset, qint64 pointsOffset, bool small) const;
    QRectF mapRect(double l, double t, double r, double b) const;

    // Reference device: pixels per 0.01 mm, and the frame's top-left in device pixels.
    double m_frameX = 0, m_frameY = 0, m_frameScaleX = 1, m_frameScaleY = 1;
    double m_pxPerMmX = 1, m_pxPerMmY = 1;
    QTransform m_mapping;
    bool m_inPath = false;
    // The path being built between BeginPath and EndPath: figures in logical coordinates.
    struct Figure {
        QPolygonF points;
        bool closed = false;
    };
    std::vector<Figure> m_path;
    void pathPoints(const QPolygonF& points, bool continueFigure);
    void drawPath(bool fill, bool stroke);
    bool m_mappingDirty = true;
    bool m_emfPlus = false; // an EMF+ header was seen
    qint64 m_gdiRecords = 0; // records other than comments and the end
};

} // namespace emf
