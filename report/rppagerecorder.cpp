// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppagerecorder.h"

#include "emf/emfrecorder.h"

namespace report {

namespace {

class EmfPageRecorder : public TRpPageRecorder {
public:
    EmfPageRecorder(int widthPx, int heightPx, int ppi)
        : m_recorder(widthPx, heightPx, ppi)
    {
    }
    platform::Canvas& canvas() override { return m_recorder; }
    QByteArray finish() override { return m_recorder.finish(); }

private:
    emf::EmfRecorder m_recorder;
};

} // namespace

std::unique_ptr<TRpPageRecorder> createEmfPageRecorder(int widthPx, int heightPx, int ppi)
{
    return std::make_unique<EmfPageRecorder>(widthPx, heightPx, ppi);
}

} // namespace report
