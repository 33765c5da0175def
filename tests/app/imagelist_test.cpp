// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/imagelist.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

using namespace app;

TEST(ImageList1, OpenFolderPrinterAndNewSheet)
{
    const QList<QIcon> images = ImageList1();
    ASSERT_EQ(images.size(), 3);
    for (const QIcon& icon : images) {
        const QImage image = icon.pixmap(16, 16).toImage();
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // transparent corner
    }
    // The printer's lamps: one green, one red.
    const QImage printer = images.at(1).pixmap(16, 16).toImage();
    EXPECT_EQ(QColor(printer.pixel(11, 9)), QColor(0x00, 0xC0, 0x00));
    EXPECT_EQ(QColor(printer.pixel(13, 9)), QColor(0xE0, 0x00, 0x00));
}
