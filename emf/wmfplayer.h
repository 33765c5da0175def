// SPDX-License-Identifier: GPL-2.0-or-later
// Plays a placeable Windows metafile (WMF with the 22-byte placeable header) onto a QPainter: its
// bounding box fills the target rectangle; every record size and count is checked before it is read.
#pragma once

#include "emf/metafileplayer.h"

#include <optional>

namespace emf {

class MetafileReader;

class WmfPlayer : public MetafilePlayer {
public:
    // data holds the whole placeable WMF, size its byte count as its headers give it (checked by the caller).
    WmfPlayer(const char* data, qint64 size);

private:
    void walk() override;
    void record(quint16 function, const MetafileReader& r);
    void addObject(const Object& object);
    void syncRenderer();
    void text(double x, double y, const MetafileReader& r, qint64 stringOffset, qint64 length,
        qint64 dxOffset, const std::optional<QRectF>& opaque, const std::optional<QRectF>& clip);
};

} // namespace emf
