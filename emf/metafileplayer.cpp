// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/metafileplayer.h"

#include "emf/metafile.h"

#include <QPainter>

namespace emf {

namespace {

constexpr std::size_t SavedLimit = 10000;
constexpr qint64 RecordLimit = 10'000'000;
constexpr qint64 DrawingLimitMs = 10'000;

} // namespace

MetafilePlayer::MetafilePlayer(const char* data, qint64 size)
    : m_data(data)
    , m_size(size)
{
}

void MetafilePlayer::validate()
{
    run(nullptr, QRectF(0, 0, 1, 1));
}

void MetafilePlayer::play(QPainter& painter, const QRectF& target)
{
    MetafileRenderer renderer(painter);
    run(&renderer, target);
}

void MetafilePlayer::run(MetafileRenderer* renderer, const QRectF& target)
{
    // Every walk starts from GDI's initial state.
    m_renderer = renderer;
    m_target = target;
    m_dc = MetafileDc {};
    m_saved.clear();
    m_objects.clear();
    m_clipDirty = true;
    m_ended = false;
    m_records = 0;
    m_clock.start();
    struct Detach {
        MetafileRenderer*& renderer;
        ~Detach() { renderer = nullptr; }
    } detach { m_renderer };
    walk();
}

void MetafilePlayer::countRecord()
{
    if (++m_records > RecordLimit)
        throw MetafileError(QStringLiteral("The metafile has more than 10 million records; it is not drawn"));
    if (m_renderer && m_records % 1024 == 0 && m_clock.elapsed() > DrawingLimitMs)
        throw MetafileError(QStringLiteral("Drawing the metafile took more than 10 seconds; it was stopped"));
}

void MetafilePlayer::saveDc()
{
    if (m_saved.size() < SavedLimit)
        m_saved.push_back(m_dc);
}

bool MetafilePlayer::restoreDc(qint64 level)
{
    const auto depth = qint64(m_saved.size());
    const qint64 index = level < 0 ? depth + level : level - 1;
    if (level == 0 || index < 0 || index >= depth)
        return false;
    m_dc = m_saved[std::size_t(index)];
    m_saved.resize(std::size_t(index));
    m_clipDirty = true;
    return true;
}

void MetafilePlayer::selectObject(std::size_t index)
{
    if (index >= m_objects.size())
        return;
    const Object& object = m_objects[index];
    if (object.kind == Object::Pen)
        m_dc.pen = object.pen;
    else if (object.kind == Object::Brush)
        m_dc.brush = object.brush;
    else if (object.kind == Object::Font)
        m_dc.font = object.font;
}

void MetafilePlayer::applyState()
{
    if (m_clipDirty) {
        m_renderer->setClip(m_dc.clip);
        m_clipDirty = false;
    }
    m_renderer->setPen(m_dc.pen);
    m_renderer->setBrush(m_dc.brush);
    m_renderer->setFont(m_dc.font);
    m_renderer->setTextColor(m_dc.textColor);
    m_renderer->setBackground(m_dc.bkColor, m_dc.bkOpaque);
    m_renderer->setTextAlign(m_dc.textAlign);
    m_renderer->setWindingFill(m_dc.winding);
}

} // namespace emf
