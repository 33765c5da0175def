// SPDX-License-Identifier: GPL-2.0-or-later
// A generated page: its drawing operations recorded as enhanced-metafile bytes, at screen resolution.
#pragma once

#include <QByteArray>
#include <QSize>

namespace report {

struct TRpGeneratedPage {
    QByteArray bytes; // one complete enhanced metafile (or a placeable metafile from a loaded file)
    QSize sizePx; // the picture's size in device pixels
};

} // namespace report
