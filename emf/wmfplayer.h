// Plays a placeable Windows metafile (WMF with the 22-byte placeable header) onto a QPainter: its
// bounding box fills the target rectangle; every record size and count is checked before it is read.
#pragma once

#include "emf/metafiledc.h"

#include <QRectF>
#include <vector>

class QPainter;

namespace emf {

class MetafileReader;

class WmfPlayer {
public:
    // data holds the whole placeable WMF, size its byte count as its headers give it (checked by the caller).
    WmfPlayer(const char* data, qint64 size);

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
    void record(quint16 function, const MetafileReader& r);
    void addObject(const Object& object);
    void syncRenderer();
    void text(double x, double y, const MetafileReader& r, qint64 stringOffset, qint64 length,
        qint64 dxOffset, const std::optional<QRectF>& opaque, const std::optional<QRectF>& clip);

    const char* m_data;
    qint64 m_size;
    MetafileRenderer* m_renderer = nullptr;
    QRectF m_target;
    MetafileDc m_dc;
    std::vector<MetafileDc> m_saved;
    std::vector<Object> m_objects;
    bool m_clipDirty = true;
    bool m_ended = false;
};

} // namespace emf
