// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/bandlayout.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string_view>

using namespace printout;

namespace {

const std::vector<ComponentDef>& band()
{
    static const std::vector<ComponentDef> components = bandLayout();
    return components;
}

// By value: a name bound to a reference would be a temporary, which GCC 14 takes for a dangling result.
const ComponentDef& component(std::string_view name)
{
    for (const ComponentDef& c : band()) {
        if (c.name == name)
            return c;
    }
    throw std::runtime_error("no component " + std::string(name));
}

const ComponentDef& element(char copy, int number)
{
    for (const ComponentDef& c : band()) {
        if (c.copy == copy && c.element == number)
            return c;
    }
    throw std::runtime_error("no element");
}

TEST(BandLayout, HoldsTheReportsComponents)
{
    std::map<ComponentKind, int> kinds;
    for (const ComponentDef& c : band())
        ++kinds[c.kind];
    EXPECT_EQ(band().size(), 255u);
    EXPECT_EQ(kinds[ComponentKind::Shape], 143);
    EXPECT_EQ(kinds[ComponentKind::Label], 108);
    EXPECT_EQ(kinds[ComponentKind::DBText], 4);
    EXPECT_EQ(copyTemplate().size(), 50u);
}

TEST(BandLayout, NamesAreUniqueAndNumberedWithoutGaps)
{
    std::set<std::string> names;
    std::set<int> shapes, captions;
    for (const ComponentDef& c : band()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.name.starts_with("RpShape"))
            shapes.insert(std::stoi(c.name.substr(7)));
        else if (c.name.starts_with("RpLabel"))
            captions.insert(std::stoi(c.name.substr(7)));
    }
    ASSERT_EQ(shapes.size(), 143u);
    EXPECT_EQ(*shapes.begin(), 1);
    EXPECT_EQ(*shapes.rbegin(), 143);
    ASSERT_EQ(captions.size(), 60u);
    EXPECT_EQ(*captions.begin(), 1);
    EXPECT_EQ(*captions.rbegin(), 60);
}

TEST(BandLayout, KnownComponentNames)
{
    struct Row {
        char copy;
        int element;
        const char* name;
    };
    for (const Row& row : { Row { 'A', 1, "RpShape23" }, Row { 'A', 10, "RpShape32" },
             Row { 'A', 13, "RpShape33" }, Row { 'A', 26, "RpShape44" }, Row { 'A', 27, "RpShape69" },
             Row { 'A', 41, "RpShape74" }, Row { 'A', 49, "RpShape81" }, Row { 'A', 11, "RpLabel27" },
             Row { 'A', 18, "RpLabel30" }, Row { 'A', 32, "RpLabel31" }, Row { 'A', 40, "RpLabel39" },
             Row { 'A', 46, "RpLabel40" }, Row { 'A', 50, "RpLabel41" }, Row { 'B', 1, "RpShape12" },
             Row { 'B', 47, "RpShape66" }, Row { 'D', 47, "RpShape103" }, Row { 'D', 49, "RpShape105" },
             Row { 'C', 47, "RpShape138" }, Row { 'B', 11, "RpLabel14" }, Row { 'B', 34, "RpLabel20" },
             Row { 'B', 35, "RpLabel21" }, Row { 'B', 46, "RpLabel53" } }) {
        EXPECT_EQ(element(row.copy, row.element).name, row.name) << row.copy << row.element;
    }
}

TEST(BandLayout, CopyFramesAndColours)
{
    struct Row {
        char copy;
        int left, top;
        platform::ColorRef frame, fill;
    };
    for (const Row& row : { Row { 'A', 24, 8, 0x0000FF, 0xA4A4FF }, Row { 'B', 557, 8, 0x000000, 0xC0C0C0 },
             Row { 'C', 24, 384, 0x006400, 0xABD3B1 }, Row { 'D', 557, 384, 0x0ABED8, 0x6FE6F7 } }) {
        const ComponentDef& frame = element(row.copy, 1);
        EXPECT_EQ(frame.shape, ElementKind::Rectangle);
        EXPECT_EQ(frame.left, row.left);
        EXPECT_EQ(frame.top, row.top);
        EXPECT_EQ(frame.width, 489);
        EXPECT_EQ(frame.height, 299);
        EXPECT_EQ(frame.penColour, TColor(row.frame)) << row.copy;
        EXPECT_EQ(frame.brushColour, TColor(row.fill)) << row.copy;
        EXPECT_EQ(frame.penWidth, 1);
    }
    EXPECT_EQ(element('A', 1).brushColour, TColor(10790143));
    EXPECT_EQ(element('C', 1).penColour, TColor(25600));
    EXPECT_EQ(element('A', 1).penColour, clRed);
    EXPECT_EQ(element('B', 1).brushColour, clSilver);
}

// Every element of copies B, C and D is copy A's element moved by the offset, with the copy's colours
// in place of copy A's, except for the listed deviations.
TEST(BandLayout, OtherCopiesRepeatCopyAOutsideTheDeviations)
{
    const std::set<std::pair<char, int>> deviations { { 'B', 47 }, { 'C', 47 }, { 'D', 47 }, { 'D', 49 },
        { 'B', 34 }, { 'B', 35 }, { 'B', 46 } };
    auto recolour = [](TColor colour, const CopyDef& from, const CopyDef& to) {
        if (colour == from.frame)
            return to.frame;
        if (colour == from.fill)
            return to.fill;
        return colour;
    };
    const CopyDef& a = copyDef('A');
    for (char letter : { 'B', 'C', 'D' }) {
        const CopyDef& copy = copyDef(letter);
        for (int n = 1; n <= 50; ++n) {
            if (deviations.contains({ letter, n }))
                continue;
            const ComponentDef& original = element('A', n);
            const ComponentDef& moved = element(letter, n);
            SCOPED_TRACE(std::string(1, letter) + " element " + std::to_string(n));
            EXPECT_EQ(moved.left, original.left + copy.dx);
            EXPECT_EQ(moved.top, original.top + copy.dy);
            EXPECT_EQ(moved.width, original.width);
            EXPECT_EQ(moved.height, original.height);
            EXPECT_EQ(moved.kind, original.kind);
            EXPECT_EQ(moved.shape, original.shape);
            EXPECT_EQ(moved.penStyle, original.penStyle);
            EXPECT_EQ(moved.penWidth, original.penWidth);
            EXPECT_EQ(moved.caption, original.caption);
            EXPECT_EQ(moved.transparent, original.transparent);
            EXPECT_EQ(moved.parentFont, original.parentFont);
            if (original.kind == ComponentKind::Shape && original.penStyle != report::psClear) {
                EXPECT_EQ(moved.penColour, recolour(original.penColour, a, copy));
            }
            EXPECT_EQ(moved.brushColour, recolour(original.brushColour, a, copy));
            FontDef font = original.font;
            font.colour = recolour(font.colour, a, copy);
            EXPECT_EQ(moved.font, font);
        }
    }
}

TEST(BandLayout, ShortCornerLinesDeviate)
{
    struct Row {
        char copy;
        int width;
    };
    for (const Row& row : { Row { 'A', 24 }, Row { 'B', 27 }, Row { 'C', 23 }, Row { 'D', 27 } }) {
        const ComponentDef& line = element(row.copy, 47);
        EXPECT_EQ(line.width, row.width) << row.copy;
        EXPECT_EQ(line.left, 511 + copyDef(row.copy).dx);
        EXPECT_EQ(line.penColour, copyDef(row.copy).frame);
    }
    EXPECT_EQ(element('D', 49).penColour, clBlack);
    for (char copy : { 'A', 'B', 'C' })
        EXPECT_EQ(element(copy, 49).penColour, copyDef(copy).frame) << copy;
    for (char copy : { 'A', 'B', 'C', 'D' }) {
        EXPECT_EQ(element(copy, 15).penColour, clBlack) << copy;
        EXPECT_EQ(element(copy, 48).penColour, clBlack) << copy;
    }
}

TEST(BandLayout, CopyBLettersTakeTheBandFontInWindowText)
{
    for (int n : { 34, 35 }) {
        const ComponentDef& letter = element('B', n);
        EXPECT_TRUE(letter.parentFont);
        EXPECT_EQ(letter.font, (FontDef { "Arial", 10, false, false, clWindowText }));
        EXPECT_TRUE(letter.transparent);
        EXPECT_FALSE(element('A', n).parentFont);
        EXPECT_EQ(element('A', n).font.colour, clRed);
        EXPECT_EQ(element('D', n).font.colour, copyDef('D').frame);
    }
    EXPECT_EQ(element('B', 46).font.colour, clWindowText);
    EXPECT_FALSE(element('B', 46).parentFont);
    EXPECT_EQ(element('C', 46).font.colour, copyDef('C').frame);
    EXPECT_FALSE(element('C', 46).transparent);
}

TEST(BandLayout, CaptionStyles)
{
    const ComponentDef& small = component("RpLabel27");
    EXPECT_EQ(small.caption, "   nazwa odbiorcy   ");
    EXPECT_EQ(small.font, (FontDef { "Arial", 6, false, false, clWindowText }));
    EXPECT_FALSE(small.transparent);
    EXPECT_EQ(small.background, clWhite);
    const ComponentDef& currency = element('A', 50);
    EXPECT_EQ(currency.caption, "PLN");
    EXPECT_EQ(currency.font, (FontDef { "MS Sans Serif", 12, true, true, clWindowText }));
    EXPECT_TRUE(currency.transparent);
    // Code page 1250: \xB3 is ł.
    EXPECT_EQ(element('A', 46).caption,
        "Op\xB3"
        "ata:");
    EXPECT_EQ(element('A', 39).caption,
        " tytu\xB3"
        "em ");
    EXPECT_EQ(element('A', 36).caption,
        " nr rachunku zleceniodawcy (przelew) / kwota s\xB3"
        "ownie (wp\xB3"
        "ata)");
}

TEST(BandLayout, WorkedPositions)
{
    const ComponentDef& label14 = component("RpLabel14");
    EXPECT_EQ(label14.left, 560);
    EXPECT_EQ(label14.top, 8);
    EXPECT_EQ(label14.width, 64);
    EXPECT_EQ(label14.height, 11);
    EXPECT_FALSE(label14.transparent);
    const ComponentDef& shape12 = component("RpShape12");
    EXPECT_EQ(shape12.penColour, clBlack);
    EXPECT_EQ(shape12.brushColour, clSilver);
    EXPECT_EQ(component("lOdbiorcaD").left, 562);
    EXPECT_EQ(component("lOdbiorcaD").top, 393);
    const ComponentDef& circle = element('A', 45);
    EXPECT_EQ(circle.shape, ElementKind::Circle);
    EXPECT_EQ(circle.penStyle, report::psDot);
    const ComponentDef& field = element('C', 2);
    EXPECT_EQ(field.penStyle, report::psClear);
    EXPECT_EQ(field.brushColour, clWhite);
}

TEST(BandLayout, DataLabelsFollowCopyAWithTheirDeviations)
{
    const std::set<std::string> keepMovedTop { "lNrRachOdbB", "lNrRachOdbB1", "lNrRachOdbD", "lNrRachOdbD1" };
    for (const DataLabelDef& def : dataLabels()) {
        for (int i = 0; i < 4; ++i) {
            const char letter = char('A' + i);
            const CopyDef& copy = copyDef(letter);
            const ComponentDef& label = component(def.names[i]);
            SCOPED_TRACE(label.name);
            const bool lowered
                = (letter == 'B' || letter == 'D') && !def.checkDigits && !keepMovedTop.contains(label.name);
            const bool shifted = def.checkDigits && (letter == 'B' || letter == 'D');
            EXPECT_EQ(label.left, def.left[0] + copy.dx + (shifted ? 1 : 0));
            EXPECT_EQ(label.top, def.top[0] + copy.dy + (lowered ? 2 : 0));
            EXPECT_EQ(label.height, def.checkDigits ? 20 : (letter == 'B' || letter == 'D') ? 20 : 23);
            EXPECT_EQ(label.width, 34);
            EXPECT_EQ(label.caption, "PLN");
            EXPECT_EQ(label.font.face, std::string("Arial"));
            EXPECT_EQ(label.font.pointSize, 12);
            EXPECT_TRUE(label.font.bold);
            EXPECT_EQ(label.font.fixedPitch, !def.checkDigits && (letter == 'B' || letter == 'D'));
            EXPECT_EQ(label.centred, def.checkDigits);
            EXPECT_TRUE(label.transparent);
            EXPECT_EQ(label.font.colour, clWindowText);
        }
    }
    EXPECT_EQ(component("lLK2").left, 560);
    EXPECT_EQ(component("lLK3").left, 26);
}

TEST(BandLayout, DateTexts)
{
    struct Row {
        const char* name;
        int left, top;
    };
    for (const Row& row : { Row { "tData1", 27, 353 }, Row { "tData2", 560, 353 }, Row { "tData3", 27, 729 },
             Row { "tData4", 560, 729 } }) {
        const ComponentDef& date = component(row.name);
        EXPECT_EQ(date.kind, ComponentKind::DBText);
        EXPECT_EQ(date.left, row.left);
        EXPECT_EQ(date.top, row.top);
        EXPECT_EQ(date.width, 23);
        EXPECT_EQ(date.height, 15);
        EXPECT_EQ(date.dataField, "Data");
        EXPECT_FALSE(date.transparent);
        EXPECT_EQ(date.font, (FontDef { "Arial", 8, false, false, clWindowText }));
    }
}

TEST(BandLayout, DrawingOrder)
{
    const std::vector<ComponentDef>& all = band();
    std::size_t at = 0;
    for (char copy : { 'B', 'A', 'D', 'C' }) {
        for (int n = 1; n <= 50; ++n, ++at) {
            EXPECT_EQ(all[at].copy, copy);
            EXPECT_EQ(all[at].element, n);
        }
        for (const DataLabelDef& def : dataLabels()) {
            if (def.checkDigits)
                continue;
            EXPECT_EQ(all[at++].name, def.names[copy - 'A']);
        }
        if (copy == 'A') {
            EXPECT_EQ(all[at++].name, "tData1");
        }
    }
    for (const char* name : { "RpShape141", "RpShape142", "tData2", "tData3", "tData4", "RpShape143", "lLK1",
             "lLK2", "lLK3", "lLK4" })
        EXPECT_EQ(all[at++].name, name);
    EXPECT_EQ(at, all.size());
}

TEST(BandLayout, PageWideLines)
{
    const ComponentDef& vertical = component("RpShape141");
    EXPECT_EQ(vertical.shape, ElementKind::Rectangle);
    EXPECT_EQ(vertical.left, 534);
    EXPECT_EQ(vertical.height, 740);
    EXPECT_EQ(vertical.penStyle, report::psSolid);
    for (const char* name : { "RpShape142", "RpShape143" }) {
        const ComponentDef& line = component(name);
        EXPECT_EQ(line.shape, ElementKind::HorLine);
        EXPECT_EQ(line.width, kBandWidth);
        EXPECT_EQ(line.penStyle, report::psDot);
        EXPECT_EQ(line.penColour, clBlack);
    }
    EXPECT_EQ(component("RpShape142").top, 378);
    EXPECT_EQ(component("RpShape143").top, 1);
}

} // namespace

namespace {

// Facts of the printed form that tie template elements to one another.
TEST(CopyTemplate, ElementsMeetWhereTheFormNeedsThem)
{
    const TemplateElement& frame = templateElement(1);
    EXPECT_EQ(frame.top + frame.height, 307);
    for (int n : { 43, 44 }) {
        EXPECT_EQ(templateElement(n).top, 281);
        EXPECT_EQ(templateElement(n).top + templateElement(n).height, 369) << n;
    }
    EXPECT_GT(templateElement(46).top, frame.top + frame.height);
    // The opaque captions stand on the lines they interrupt.
    EXPECT_EQ(templateElement(11).top, frame.top);
    EXPECT_EQ(templateElement(17).top, templateElement(13).top);
    EXPECT_EQ(templateElement(18).top, templateElement(13).top);
    EXPECT_LT(templateElement(13).number, templateElement(17).number);
    for (int n : { 41, 49 })
        EXPECT_EQ(templateElement(n).left, frame.left - 22) << n;
    for (int n : { 47, 48 }) {
        EXPECT_EQ(templateElement(n).left, 511);
        EXPECT_GT(templateElement(n).left + templateElement(n).width, frame.left + frame.width) << n;
    }
    // The value fields hold the data labels of copy A.
    for (const DataLabelDef& label : dataLabels()) {
        bool inside = false;
        for (const TemplateElement& field : copyTemplate()) {
            if (field.kind == ElementKind::Rectangle && field.brush == Role::White && field.pen == Role::None
                && label.left[0] >= field.left - 2 && label.left[0] < field.left + field.width
                && label.top[0] >= field.top && label.top[0] < field.top + field.height)
                inside = true;
        }
        EXPECT_TRUE(inside) << label.names[0];
    }
    int shapes = 0, captions = 0;
    for (const TemplateElement& element : copyTemplate()) {
        EXPECT_EQ(element.number, shapes + captions + 1);
        ++(element.kind == ElementKind::Caption ? captions : shapes);
        EXPECT_EQ(element.caption != nullptr, element.kind == ElementKind::Caption);
    }
    EXPECT_EQ(shapes, 35);
    EXPECT_EQ(captions, 15);
}

} // namespace
