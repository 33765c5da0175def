// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/bandlayout.h"

#include "platform/cp1250.h"

#include <QString>
#include <stdexcept>

namespace printout {

namespace {

// clang-format off
    constexpr DataLabelDef kDataLabels[] = {
        { { "lOdbiorcaA", "lOdbiorcaB", "lOdbiorcaC", "lOdbiorcaD" },
          { 29, 562, 29, 562 }, { 15, 17, 391, 393 }, false },
        { { "lOdbiorcaA2", "lOdbiorcaB2", "lOdbiorcaC2", "lOdbiorcaD2" },
          { 29, 562, 29, 562 }, { 45, 47, 421, 423 }, false },
        { { "lLK1", "lLK2", "lLK3", "lLK4" },
          { 26, 560, 26, 560 }, { 75, 75, 451, 451 }, true },
        { { "lNrRachOdbA", "lNrRachOdbB", "lNrRachOdbC", "lNrRachOdbD" },
          { 66, 599, 66, 599 }, { 75, 75, 451, 451 }, false },
        { { "lNrRachOdbA1", "lNrRachOdbB1", "lNrRachOdbC1", "lNrRachOdbD1" },
          { 210, 743, 210, 743 }, { 75, 75, 451, 451 }, false },
        { { "lNrRachOdbA2", "lNrRachOdbB2", "lNrRachOdbC2", "lNrRachOdbD2" },
          { 29, 562, 29, 562 }, { 105, 107, 481, 483 }, false },
        { { "lKwotaA", "lKwotaB", "lKwotaC", "lKwotaD" },
          { 285, 818, 285, 818 }, { 105, 107, 481, 483 }, false },
        { { "lNrRachZlecA", "lNrRachZlecB", "lNrRachZlecC", "lNrRachZlecD" },
          { 29, 562, 29, 562 }, { 135, 137, 511, 513 }, false },
        { { "lZleceniodawcaA", "lZleceniodawcaB", "lZleceniodawcaC", "lZleceniodawcaD" },
          { 29, 562, 29, 562 }, { 165, 167, 541, 543 }, false },
        { { "lZleceniodawcaA1", "lZleceniodawcaB1", "lZleceniodawcaC1", "lZleceniodawcaD1" },
          { 29, 562, 29, 562 }, { 195, 197, 571, 573 }, false },
        { { "lTytulemA", "lTytulemB", "lTytulemC", "lTytulemD" },
          { 29, 562, 29, 562 }, { 225, 227, 601, 603 }, false },
        { { "lTytulemA1", "lTytulemB1", "lTytulemC1", "lTytulemD1" },
          { 29, 562, 29, 562 }, { 255, 257, 631, 633 }, false },
    };

    constexpr DateTextDef kDateTexts[] = {
        { "tData1", 'A', 27, 353 },
        { "tData2", 'B', 560, 353 },
        { "tData3", 'C', 27, 729 },
        { "tData4", 'D', 560, 729 },
    };

    constexpr PageLineDef kPageLines[] = {
        { "RpShape141", ElementKind::Rectangle, 534, 8, 1, 740, report::psSolid },
        { "RpShape142", ElementKind::HorLine, 0, 378, 1070, 1, report::psDot },
        { "RpShape143", ElementKind::HorLine, 0, 1, 1070, 1, report::psDot },
    };
// clang-format on

// The band draws copy B first, then A with its date text, then D, then C.
constexpr char kCopyOrder[] = { 'B', 'A', 'D', 'C' };

int copyIndex(char copy)
{
    return copy - 'A';
}

std::string toCodePage(const char* utf8)
{
    return platform::toCp1250(QString::fromUtf8(utf8));
}

TColor roleColour(Role role, const CopyDef& copy)
{
    switch (role) {
    case Role::Frame:
        return copy.frame;
    case Role::Fill:
        return copy.fill;
    case Role::Black:
        return clBlack;
    case Role::White:
        return clWhite;
    case Role::WindowText:
    case Role::None:
        break;
    }
    return clWindowText;
}

const TemplateDeviation* deviation(char copy, int element)
{
    for (const TemplateDeviation& d : templateDeviations()) {
        if (d.copy == copy && d.element == element)
            return &d;
    }
    return nullptr;
}

ComponentDef templateComponent(const TemplateElement& element, const CopyDef& copy)
{
    const TemplateDeviation* change = deviation(copy.letter, element.number);
    ComponentDef c;
    c.name = templateName(copy.letter, element.number);
    c.copy = copy.letter;
    c.element = element.number;
    c.left = element.left + copy.dx;
    c.top = element.top + copy.dy;
    c.width = change && change->width ? change->width : element.width;
    c.height = element.height;
    if (element.kind != ElementKind::Caption) {
        c.kind = ComponentKind::Shape;
        c.shape = element.kind;
        const Role pen = change && change->pen != Role::None ? change->pen : element.pen;
        c.penStyle = element.pen == Role::None ? report::psClear : element.penStyle;
        c.penColour = element.pen == Role::None ? clBlack : roleColour(pen, copy);
        c.penWidth = element.penWidth;
        c.brushColour = element.brush == Role::None ? clWhite : roleColour(element.brush, copy);
        return c;
    }
    c.kind = ComponentKind::Label;
    c.caption = toCodePage(element.caption);
    const bool windowText = change && change->windowTextCaption;
    switch (element.style) {
    case CaptionStyle::Small:
        c.font = { "Arial", 6, false, false, clWindowText };
        break;
    case CaptionStyle::SmallColoured:
        c.font = { "Arial", 6, false, false, windowText ? clWindowText : copy.frame };
        break;
    case CaptionStyle::Letter:
        c.font = { "Arial", 10, false, false, windowText ? clWindowText : copy.frame };
        c.transparent = true;
        break;
    case CaptionStyle::Currency:
        c.font = { "MS Sans Serif", 12, true, true, clWindowText };
        c.transparent = true;
        break;
    case CaptionStyle::None:
        throw std::logic_error("caption without a style");
    }
    c.parentFont = change && change->parentFont;
    return c;
}

ComponentDef dataLabelComponent(const DataLabelDef& def, char copy)
{
    const int i = copyIndex(copy);
    ComponentDef c;
    c.name = def.names[i];
    c.kind = ComponentKind::Label;
    c.copy = copy;
    c.left = def.left[i];
    c.top = def.top[i];
    c.width = 34; // the width of the defined caption before the first value replaces it
    c.height = dataLabelHeight(copy, def.checkDigits);
    c.caption = "PLN";
    c.font = { "Arial", 12, true, dataLabelFixedPitch(copy, def.checkDigits), clWindowText };
    c.transparent = true;
    c.centred = def.checkDigits;
    return c;
}

// A component of the kind at its place in the band.
ComponentDef placed(std::string name, ComponentKind kind, int left, int top, int width, int height)
{
    ComponentDef c;
    c.name = std::move(name);
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

ComponentDef dateTextComponent(const DateTextDef& def)
{
    ComponentDef c = placed(def.name, ComponentKind::DBText, def.left, def.top, 23, 15);
    c.copy = def.copy;
    c.font = { "Arial", 8, false, false, clWindowText };
    c.transparent = false;
    c.dataField = "Data";
    return c;
}

ComponentDef pageLineComponent(const PageLineDef& def)
{
    ComponentDef c = placed(def.name, ComponentKind::Shape, def.left, def.top, def.width, def.height);
    c.shape = def.kind;
    c.penColour = clBlack;
    c.penStyle = def.penStyle;
    c.penWidth = 1;
    c.brushColour = clWhite;
    return c;
}

} // namespace

std::span<const DataLabelDef> dataLabels()
{
    return kDataLabels;
}
std::span<const DateTextDef> dateTexts()
{
    return kDateTexts;
}
std::span<const PageLineDef> pageLines()
{
    return kPageLines;
}

int dataLabelHeight(char copy, bool checkDigits)
{
    if (checkDigits)
        return 20;
    return copy == 'B' || copy == 'D' ? 20 : 23;
}

bool dataLabelFixedPitch(char copy, bool checkDigits)
{
    return !checkDigits && (copy == 'B' || copy == 'D');
}

std::vector<ComponentDef> bandLayout()
{
    std::vector<ComponentDef> band;
    band.reserve(255);
    for (char letter : kCopyOrder) {
        const CopyDef& copy = copyDef(letter);
        for (const TemplateElement& element : copyTemplate())
            band.push_back(templateComponent(element, copy));
        for (const DataLabelDef& label : kDataLabels) {
            if (!label.checkDigits)
                band.push_back(dataLabelComponent(label, letter));
        }
        if (letter == 'A')
            band.push_back(dateTextComponent(kDateTexts[0]));
    }
    // The lines between the copies and three of the date texts come after all four copies, and the
    // check digits last of all, over everything else.
    band.push_back(pageLineComponent(kPageLines[0]));
    band.push_back(pageLineComponent(kPageLines[1]));
    for (int i = 1; i < 4; ++i)
        band.push_back(dateTextComponent(kDateTexts[i]));
    band.push_back(pageLineComponent(kPageLines[2]));
    for (const DataLabelDef& label : kDataLabels) {
        if (!label.checkDigits)
            continue;
        for (char letter : { 'A', 'B', 'C', 'D' })
            band.push_back(dataLabelComponent(label, letter));
    }
    return band;
}

} // namespace printout
