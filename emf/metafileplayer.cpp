#include "emf/metafileplayer.h"

#include <QPainter>

namespace emf {

namespace {

constexpr std::size_t SavedLimit = 10000;

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
    struct Detach {
        MetafileRenderer*& renderer;
        ~Detach() { renderer = nullptr; }
    } detach { m_renderer };
    walk();
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

} // namespace emf
