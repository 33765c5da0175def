// SPDX-License-Identifier: GPL-2.0-or-later
// What the EMF and the placeable-WMF players share: the bytes they play, the walk that first checks a
// file without drawing and then draws it, GDI's device state with its SaveDC stack, and the object table.
#pragma once

#include "emf/metafiledc.h"

#include <QElapsedTimer>
#include <QRectF>
#include <vector>

class QPainter;

namespace emf {

class MetafilePlayer {
public:
    virtual ~MetafilePlayer() = default;
    MetafilePlayer(const MetafilePlayer&) = delete;
    MetafilePlayer& operator=(const MetafilePlayer&) = delete;

    // Walks all records without drawing; throws MetafileError on the first fault.
    void validate();
    void play(QPainter& painter, const QRectF& target);

protected:
    // data holds the whole metafile, size its byte count as its headers give it (checked by the caller).
    MetafilePlayer(const char* data, qint64 size);

    // One walk over the records, drawing through m_renderer unless it is null (validation).
    virtual void walk() = 0;
    // Counts a record of the walk: a file of more than 10 million records is refused, and drawing that
    // takes longer than 10 s is stopped, both with a MetafileError saying so.
    void countRecord();

    struct Object {
        enum Kind { None, Pen, Brush, Font, Other } kind = None;
        GdiPen pen;
        GdiBrush brush;
        GdiFont font;
    };

    // SaveDC; beyond a fixed depth the state is not saved, or a hostile file could grow the stack
    // without end.
    void saveDc();
    // RestoreDC: a negative level counts back from the current one, a positive one is absolute (from
    // 1). False, with nothing changed, for a level that was never saved.
    bool restoreDc(qint64 level);
    // The pen, brush or font of a table entry becomes the current one; an empty entry or an index
    // outside the table changes nothing.
    void selectObject(std::size_t index);
    // Hands the device state (clip when it changed, pen, brush, font, text and background) to the
    // renderer, which must be attached.
    void applyState();

    const char* m_data;
    qint64 m_size;
    MetafileRenderer* m_renderer = nullptr;
    QRectF m_target;
    MetafileDc m_dc;
    std::vector<Object> m_objects;
    bool m_clipDirty = true;
    bool m_ended = false;

private:
    void run(MetafileRenderer* renderer, const QRectF& target);

    std::vector<MetafileDc> m_saved;
    qint64 m_records = 0;
    QElapsedTimer m_clock;
};

} // namespace emf
