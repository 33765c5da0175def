// SPDX-License-Identifier: GPL-2.0-or-later
// What every fuzz target shares: a GUI application without a screen (fonts and painting need one), the
// program's fonts, and drawing a metafile onto a small image, where every failure must be a
// platform::Error with a message.
#pragma once

#include "emf/metafile.h"
#include "platform/error.h"
#include "platform/fonts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace fuzzsupport {

// Never destroyed: libFuzzer leaves through exit(), after which Qt's thread data is gone.
inline QGuiApplication* application = nullptr;

inline void start(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QGuiApplication(*argc, *argv);
    platform::loadApplicationFonts();
}

// Draws the metafile onto a 160 x 113 image, as a small page in the preview; a refused file is fine.
inline void draw(const QByteArray& bytes)
{
    static QImage image(160, 113, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    try {
        emf::playMetafile(bytes, painter, QRectF(0, 0, image.width(), image.height()));
    } catch (const platform::Error&) {
    }
}

} // namespace fuzzsupport
