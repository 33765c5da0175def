// SPDX-License-Identifier: GPL-2.0-or-later
// Reading side of enhanced metafiles (EMF) and placeable Windows metafiles (WMF): header inspection and
// a player onto QPainter. Every size and offset is checked before it is read.
#pragma once

#include "platform/error.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QSizeF>

class QPainter;

namespace emf {

class MetafileError : public platform::Error {
public:
    MetafileError()
        : platform::Error(QStringLiteral("Metafile is not valid"))
    {
    }
    explicit MetafileError(const QString& message)
        : platform::Error(message)
    {
    }
};

struct MetafileInfo {
    QSize sizePx; // the picture's size in pixels (EMF: its frame on the reference device)
    QSizeF sizeMm; // the picture's size on paper (EMF: its frame; WMF: its box at its units per inch)
    qint64 byteLength = 0; // bytes of the metafile as its header gives them
    bool placeableWmf = false; // a placeable WMF rather than an EMF
};

// Checks the header of the metafile that starts at data, of which `available` bytes are at hand; throws
// MetafileError when the header itself is missing or wrong. A sound header may announce more bytes than
// are available: byteLength then exceeds `available`, and the caller reports its short read (a page store
// says "Stream read error").
MetafileInfo inspectMetafile(const char* data, qint64 available);

// Draws a whole EMF (or placeable WMF) stretched into target; validates everything first, so a corrupt
// metafile draws nothing; throws MetafileError.
void playMetafile(const QByteArray& bytes, QPainter& painter, const QRectF& target);

} // namespace emf
