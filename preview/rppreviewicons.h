// SPDX-License-Identifier: GPL-2.0-or-later
// The eleven 16 x 16 pictures of the preview's tool bar, drawn in code so the report library needs no
// image files.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace preview {

enum class TRpPreviewPicture {
    ZoomFit = 0, // a small page inside a page frame
    Zoom100 = 1, // a page of text lines at full size
    ZoomToWidth = 2, // a page with arrows to both side edges
    FirstPage = 3, // bar and left-pointing triangle
    PreviousPage = 4, // left-pointing triangle
    NextPage = 5, // right-pointing triangle
    LastPage = 6, // right-pointing triangle and bar
    PrintSetup = 7, // printer with a tool
    Print = 8, // printer with a sheet
    LoadReport = 9, // opening folder
    SaveReport = 10, // diskette
};

constexpr int PreviewPictureCount = 11;

// The picture at a device pixel ratio (drawn at 16 x 16 logical pixels).
QPixmap previewPicture(TRpPreviewPicture picture, qreal devicePixelRatio = 1.0);
// The picture at ratios 1 and 2, so tool buttons stay sharp on dense screens.
QIcon previewIcon(TRpPreviewPicture picture);

} // namespace preview
