// SPDX-License-Identifier: GPL-2.0-or-later
// The whole detail band of the transfer printout as data: the four copies of the template, the 48 data
// labels, the four date texts and the three page-wide lines, flattened into the 255 components in the
// order the band draws them. The report form builds its band from this list.
#pragma once

#include "printout/copytemplate.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace printout {

struct DataLabelDef {
    std::array<const char*, 4> names; // copies A, B, C, D
    std::array<int, 4> left; // layout units
    std::array<int, 4> top;
    bool checkDigits; // centred, never fixed pitch, 20 high in every copy
};

struct DateTextDef {
    const char* name;
    char copy;
    int left, top;
};

struct PageLineDef {
    const char* name;
    ElementKind kind;
    int left, top, width, height;
    TPenStyle penStyle;
};

std::span<const DataLabelDef> dataLabels(); // 12 rows, in the band's order
std::span<const DateTextDef> dateTexts(); // tData1..tData4
std::span<const PageLineDef> pageLines(); // RpShape141..RpShape143

// The layout of a copy's data label: B and D ask for a fixed-pitch font and are 20 high, A and C 23.
int dataLabelHeight(char copy, bool checkDigits);
bool dataLabelFixedPitch(char copy, bool checkDigits);

enum class ComponentKind { Shape, Label, DBText };

struct FontDef {
    const char* face = "Arial";
    int pointSize = 10;
    bool bold = false;
    bool fixedPitch = false;
    TColor colour = clWindowText;
    bool operator==(const FontDef&) const = default;
};

// One component of DetailBand1, everything resolved: positions moved to the copy, roles turned into
// colours, deviations applied, captions in code page 1250.
struct ComponentDef {
    std::string name;
    ComponentKind kind = ComponentKind::Shape;
    char copy = 0; // 'A'..'D'; 0 for the page-wide lines
    int element = 0; // template element number; 0 for data labels, date texts and page-wide lines
    ElementKind shape = ElementKind::Rectangle; // shapes only
    int left = 0, top = 0, width = 0, height = 0; // layout units from the band's corner
    // shapes
    TColor penColour = clBlack;
    TPenStyle penStyle = report::psSolid;
    int penWidth = 1;
    TColor brushColour = clWhite;
    // labels and date texts
    std::string caption; // code page 1250
    FontDef font;
    bool parentFont = false;
    bool transparent = false;
    TColor background = clWhite;
    bool centred = false;
    std::string dataField; // date texts: "Data"
};

// The 255 components of DetailBand1 in drawing order.
std::vector<ComponentDef> bandLayout();

// Layout-unit size of DetailBand1: 1070 wide, 749 high.
inline constexpr int kBandWidth = 1070;
inline constexpr int kBandHeight = 749;

} // namespace printout
