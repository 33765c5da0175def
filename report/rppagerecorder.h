// SPDX-License-Identifier: GPL-2.0-or-later
// The page canvas of the page-store target: a drawing surface that records the operations of one page
// and hands them over as metafile bytes. The default records an EMF; tests put in their own.
#pragma once

#include "platform/canvas.h"

#include <QByteArray>
#include <functional>
#include <memory>

namespace report {

class TRpPageRecorder {
public:
    virtual ~TRpPageRecorder() = default;
    virtual platform::Canvas& canvas() = 0;
    // Ends the recording; the bytes are one complete metafile whose header gives its length.
    virtual QByteArray finish() = 0;
};

using TRpPageRecorderFactory
    = std::function<std::unique_ptr<TRpPageRecorder>(int widthPx, int heightPx, int ppi)>;

// Records pages as enhanced metafiles.
std::unique_ptr<TRpPageRecorder> createEmfPageRecorder(int widthPx, int heightPx, int ppi);

} // namespace report
