// SPDX-License-Identifier: GPL-2.0-or-later
// Fonts: the face substitution table, the pixel size of a point size, and text measured with the
// whole-pixel advances that give the original's widths.
#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

namespace platform {

// Registers the fonts that fontconfig does not see (Wine's Tahoma). Call once after QApplication exists.
void loadApplicationFonts();

// The installed face that stands in for a requested one ("Arial" -> "Liberation Sans").
QString substituteFace(const QString& requested);

// -(points x ppi / 72), rounded half away from zero: 10 pt at 96 ppi is -13.
int fontPixelHeight(int pointSize, int ppi);

// The measuring font: full hinting, no antialiasing, no kerning, pixel size from fontPixelHeight.
QFont measuringFont(const FontSpec& fontRequest, int ppi);
// The drawing font: the same face and pixel size, antialiased.
QFont drawingFont(const FontSpec& fontRequest, int ppi);
// The same two fonts for a pixel size given directly (a font recorded in a metafile); the point size of
// the fontRequest is not used.
QFont measuringFontForPixels(const FontSpec& fontRequest, int pixelSize);
QFont drawingFontForPixels(const FontSpec& fontRequest, int pixelSize);

// Width (sum of advances) and height (line height) of a text at a resolution.
QSize measureText(const FontSpec& fontRequest, const QString& text, int ppi);
// Whole-pixel advance of each UTF-16 unit of the text, as the text records of a page carry them.
std::vector<int> textAdvances(const FontSpec& fontRequest, const QString& text, int ppi);

// The logical resolution of the screen (96 when there is none).
int screenPpi();

// The reference context that reports and labels measure on: a text's extent at the screen's resolution,
// with the whole-pixel advances of the measuring font.
QSize referenceTextExtent(const FontSpec& fontRequest, const QString& text);

} // namespace platform
