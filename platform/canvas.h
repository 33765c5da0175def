// SPDX-License-Identifier: GPL-2.0-or-later
// The drawing surface the report engine draws on: the page recorder, the printer page and the scratch page
// all take the same few operations, in device pixels of the surface.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>

namespace platform {

// Colours are 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;

constexpr ColorRef rgb(int r, int g, int b)
{
    return ColorRef(r & 0xff) | (ColorRef(g & 0xff) << 8) | (ColorRef(b & 0xff) << 16);
}

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

struct Pen {
    ColorRef color = 0;
    int width = 1; // device pixels, never scaled; 0 draws one pixel
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    ColorRef color = rgb(255, 255, 255);
    bool clear = false; // a hollow brush fills nothing
    bool operator==(const Brush&) const = default;
};

constexpr std::uint8_t EastEuropeCharset = 238;

// A font request: the face as the report names it ("Arial", "MS Sans Serif"); the size in points is turned
// into pixels at the resolution of the surface that takes it.
struct FontSpec {
    QString face = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charset = EastEuropeCharset;
    bool fixedPitch = false;
    ColorRef color = 0;
    bool operator==(const FontSpec&) const = default;
};

enum class TextAlign { Left, Right, Center };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const FontSpec& font) = 0;

    // Fills with the brush, no outline; right and bottom are exclusive.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // Outlined with the pen, filled with the brush; right and bottom are exclusive.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // The end point is not drawn.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // (x, y) is the top of the text cell; the background stays transparent, glyphs take the font's colour.
    virtual void textOut(int x, int y, TextAlign align, const QString& text) = 0;
    virtual void removeClip() = 0;

    // Extent of a text in the current font, in device pixels of this surface.
    virtual QSize textExtent(const QString& text) = 0;
};

} // namespace platform
