// SPDX-License-Identifier: GPL-2.0-or-later
// The copy template of the transfer order as data: its 50 elements in copy A's band coordinates and
// colour roles, the four copies with their offsets and colours, the component names of each copy and
// the places where a copy is not an exact moved copy of copy A.
#pragma once

#include "platform/canvas.h"
#include "report/rpcolor.h"
#include "report/rpshape.h"

#include <array>
#include <span>
#include <string>

namespace printout {

// Colours and pen styles are the report's own: a named colour (clRed, clWindowText, ...) or a plain
// 0x00BBGGRR value.
using report::clBlack;
using report::clRed;
using report::clSilver;
using report::clWhite;
using report::clWindowText;
using report::TColor;
using report::TPenStyle;

// A plain colour from its red, green and blue.
constexpr TColor rgbColour(int r, int g, int b)
{
    return TColor(platform::rgb(r, g, b));
}

enum class ElementKind { Rectangle, Circle, HorLine, VertLine, Caption };

// Where an element takes a colour from; a copy turns roles into colours.
enum class Role { None, Frame, Fill, Black, White, WindowText };

enum class CaptionStyle { None, Small, SmallColoured, Letter, Currency };

struct TemplateElement {
    int number; // 1..50, also the drawing order within a copy
    ElementKind kind;
    int left, top, width, height; // layout units (1/96 inch) from the band's corner, copy A
    Role pen; // Role::None: no outline
    TPenStyle penStyle;
    int penWidth;
    Role brush; // Role::None for lines and captions
    const char* caption; // UTF-8, spaces significant; nullptr for shapes
    CaptionStyle style;
};

struct CopyDef {
    char letter; // 'A'..'D'
    int dx, dy; // offset from copy A in layout units
    TColor frame;
    TColor fill;
};

// A copy's element that differs from copy A's element moved by the offset.
struct TemplateDeviation {
    char copy;
    int element;
    int width = 0; // 0: as copy A
    Role pen = Role::None; // Role::None: as copy A
    bool windowTextCaption = false; // the caption's text colour is the window-text colour
    bool parentFont = false; // the caption takes the band's font (Arial 10 pt regular)
};

std::span<const TemplateElement> copyTemplate(); // 50 elements in drawing order
std::span<const CopyDef> copies(); // A, B, C, D
std::span<const TemplateDeviation> templateDeviations();

const CopyDef& copyDef(char letter);
const TemplateElement& templateElement(int number);

// The component name of template element `number` in copy `letter` ("RpShape23", "RpLabel27" in copy A).
std::string templateName(char letter, int number);

} // namespace printout
