// Plays an enhanced metafile onto a QPainter: walks the records with every size and offset checked and
// draws them with GDI's rules, stretched so that the picture's frame fills the target rectangle.
#pragma once

#include "emf/metafiledc.h"

#include <QRectF>
#include <vector>

class QPainter;

namespace emf {

class MetafileReader;

class EmfPlayer {
public:
    // data holds the whole EMF, size its byte count as its header gives it (checked by the caller).
    EmfPlayer(const char* data, qint64 size);

    // Walks all records without drawing; throws MetafileError on the first fault.
    void validate();
    void play(QPainter& painter, const QRectF& target);

private:
    struct Object {
        enum Kind { None, Pen, Brush, Font, Other } kind = None;
        GdiPen pen;
        GdiBrush brush;
        GdiFont font;
    };

    void run(MetafileRenderer* renderer, const QRectF& target);
    void record(quint32 type, const MetafileReader& r);
    void createObject(quint32 handle, const Object& object);
    void updateMapping();
    void syncRenderer();
    QPolygonF points(const MetafileReader& r, qint64 countOffset, qint64 pointsOffset, bool small) const;
    void polyPoly(const MetafileReader& r, bool small, bool polygon);
    void text(const MetafileReader& r, bool wide);
    QRectF mapRect(double l, double t, double r, double b) const;

    const char* m_data;
    qint64 m_size;
    MetafileRenderer* m_renderer = nullptr;
    QRectF m_target;
    // Reference device: pixels per 0.01 mm, and the frame's top-left in device pixels.
    double m_frameX = 0, m_frameY = 0, m_frameScaleX = 1, m_frameScaleY = 1;
    double m_pxPerMmX = 1, m_pxPerMmY = 1;
    MetafileDc m_dc;
    std::vector<MetafileDc> m_saved;
    std::vector<Object> m_objects;
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
    bool m_clipDirty = true;
    bool m_ended = false;
};

} // namespace emf
