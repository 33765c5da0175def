// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/copytemplate.h"

#include <stdexcept>

namespace printout {

namespace {

using K = ElementKind;
using R = Role;
using S = CaptionStyle;
constexpr TPenStyle Solid = report::psSolid;
constexpr TPenStyle Dot = report::psDot;
constexpr TPenStyle Clear = report::psClear;

// clang-format off
    constexpr TemplateElement kTemplate[] = {
        { 1, K::Rectangle, 24, 8, 489, 299, R::Frame, Solid, 1, R::Fill, nullptr, S::None },
        { 2, K::Rectangle, 25, 14, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 3, K::Rectangle, 25, 44, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 4, K::Rectangle, 25, 74, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 5, K::Rectangle, 25, 104, 128, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 6, K::Rectangle, 25, 134, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 7, K::Rectangle, 25, 164, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 8, K::Rectangle, 25, 194, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 9, K::Rectangle, 25, 224, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 10, K::Rectangle, 25, 254, 487, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 11, K::Caption, 27, 8, 64, 11, R::None, Solid, 1, R::None, "   nazwa odbiorcy   ", S::Small },
        { 12, K::Caption, 27, 37, 76, 11, R::None, Solid, 1, R::None, "   nazwa odbiorcy cd.   ", S::Small },
        { 13, K::HorLine, 25, 68, 486, 3, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 14, K::HorLine, 26, 95, 126, 5, R::Frame, Solid, 5, R::None, nullptr, S::None },
        { 15, K::VertLine, 63, 69, 2, 3, R::Black, Solid, 3, R::None, nullptr, S::None },
        { 16, K::VertLine, 23, 68, 3, 58, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 17, K::Caption, 28, 68, 12, 11, R::None, Solid, 1, R::None, " l.k.", S::Small },
        { 18, K::Caption, 66, 68, 74, 11, R::None, Solid, 1, R::None, "  nr rachunku odbiorcy", S::Small },
        { 19, K::VertLine, 202, 69, 3, 26, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 20, K::HorLine, 25, 125, 129, 3, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 21, K::VertLine, 153, 97, 3, 29, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 22, K::HorLine, 280, 95, 231, 5, R::Frame, Solid, 5, R::None, nullptr, S::None },
        { 23, K::Rectangle, 165, 106, 16, 19, R::Frame, Solid, 1, R::White, nullptr, S::None },
        { 24, K::Rectangle, 183, 106, 16, 19, R::Frame, Solid, 1, R::White, nullptr, S::None },
        { 25, K::Rectangle, 217, 104, 48, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 26, K::Rectangle, 281, 104, 231, 20, R::None, Clear, 1, R::White, nullptr, S::None },
        { 27, K::HorLine, 153, 95, 128, 3, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 28, K::VertLine, 277, 97, 3, 29, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 29, K::HorLine, 279, 125, 233, 3, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 30, K::VertLine, 509, 69, 3, 57, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 31, K::VertLine, 62, 69, 3, 26, R::Frame, Solid, 3, R::None, nullptr, S::None },
        { 32, K::Caption, 219, 98, 26, 11, R::None, Solid, 1, R::None, " waluta ", S::Small },
        { 33, K::Caption, 283, 98, 23, 11, R::None, Solid, 1, R::None, " kwota ", S::Small },
        { 34, K::Caption, 167, 108, 14, 17, R::None, Solid, 1, R::None, "W", S::Letter },
        { 35, K::Caption, 187, 108, 10, 17, R::None, Solid, 1, R::None, "P", S::Letter },
        { 36, K::Caption, 27, 128, 206, 11, R::None, Solid, 1, R::None,
              " nr rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)", S::Small },
        { 37, K::Caption, 27, 158, 76, 11, R::None, Solid, 1, R::None, " nazwa zleceniodawcy ", S::Small },
        { 38, K::Caption, 27, 188, 88, 11, R::None, Solid, 1, R::None, " nazwa zleceniodawcy cd. ", S::Small },
        { 39, K::Caption, 27, 218, 28, 11, R::None, Solid, 1, R::None, " tytułem ", S::Small },
        { 40, K::Caption, 27, 248, 40, 11, R::None, Solid, 1, R::None, " tytułem cd. ", S::Small },
        { 41, K::HorLine, 2, 277, 510, 1, R::Frame, Solid, 1, R::None, nullptr, S::None },
        { 42, K::Rectangle, 480, 281, 32, 22, R::None, Clear, 1, R::White, nullptr, S::None },
        { 43, K::Rectangle, 24, 281, 241, 88, R::Frame, Solid, 1, R::White, nullptr, S::None },
        { 44, K::Rectangle, 400, 281, 81, 88, R::Frame, Solid, 1, R::White, nullptr, S::None },
        { 45, K::Circle, 412, 294, 57, 64, R::Frame, Dot, 1, R::White, nullptr, S::None },
        { 46, K::Caption, 291, 312, 25, 11, R::None, Solid, 1, R::None, "Opłata:", S::SmallColoured },
        { 47, K::HorLine, 511, 306, 24, 1, R::Frame, Solid, 1, R::None, nullptr, S::None },
        { 48, K::HorLine, 511, 8, 27, 1, R::Black, Solid, 1, R::None, nullptr, S::None },
        { 49, K::HorLine, 2, 8, 27, 1, R::Frame, Solid, 1, R::None, nullptr, S::None },
        { 50, K::Caption, 223, 105, 38, 21, R::None, Solid, 1, R::None, "PLN", S::Currency },
    };

    constexpr CopyDef kCopies[] = {
        { 'A', 0, 0, clRed, rgbColour(0xFF, 0xA4, 0xA4) },
        { 'B', 533, 0, clBlack, clSilver },
        { 'C', 0, 376, rgbColour(0x00, 0x64, 0x00), rgbColour(0xB1, 0xD3, 0xAB) },
        { 'D', 533, 376, rgbColour(0xD8, 0xBE, 0x0A), rgbColour(0xF7, 0xE6, 0x6F) },
    };

    constexpr TemplateDeviation kDeviations[] = {
        { 'B', 47, 27 },
        { 'C', 47, 23 },
        { 'D', 47, 27 },
        { 'D', 49, 0, R::Black },
        { 'B', 34, 0, R::None, true, true },
        { 'B', 35, 0, R::None, true, true },
        { 'B', 46, 0, R::None, true, false },
    };

    // Component numbers of each copy: shapes and captions each take their copy's runs in template order.
    // Copy A's numbers and the names the form is known by (RpShape12, RpShape66, RpShape103, RpShape105,
    // RpShape138, RpLabel14, RpLabel20, RpLabel21, RpLabel53) fix most runs; the rest fill the free numbers
    // 1..140 and 1..60 in the same pattern.
    struct Run {
        int first, count;
    };
    struct CopyNumbers {
        char copy;
        Run shapes[3];
        Run captions[2];
    };
    constexpr CopyNumbers kNumbers[] = {
        { 'A', { { 23, 22 }, { 69, 13 }, { 0, 0 } }, { { 27, 15 }, { 0, 0 } } },
        { 'B', { { 12, 11 }, { 45, 11 }, { 56, 13 } }, { { 14, 13 }, { 53, 2 } } },
        { 'C', { { 106, 22 }, { 128, 13 }, { 0, 0 } }, { { 42, 11 }, { 57, 4 } } },
        { 'D', { { 1, 11 }, { 82, 11 }, { 93, 13 } }, { { 1, 13 }, { 55, 2 } } },
    };
// clang-format on

int numberFromRuns(std::span<const Run> runs, int index)
{
    for (const Run& run : runs) {
        if (index < run.count)
            return run.first + index;
        index -= run.count;
    }
    throw std::out_of_range("template element without a component number");
}

} // namespace

std::span<const TemplateElement> copyTemplate()
{
    return kTemplate;
}
std::span<const CopyDef> copies()
{
    return kCopies;
}
std::span<const TemplateDeviation> templateDeviations()
{
    return kDeviations;
}

const CopyDef& copyDef(char letter)
{
    for (const CopyDef& copy : kCopies) {
        if (copy.letter == letter)
            return copy;
    }
    throw std::out_of_range("no such copy");
}

const TemplateElement& templateElement(int number)
{
    if (number < 1 || number > int(std::size(kTemplate)))
        throw std::out_of_range("no such template element");
    return kTemplate[number - 1];
}

std::string templateName(char letter, int number)
{
    const TemplateElement& element = templateElement(number);
    const bool caption = element.kind == ElementKind::Caption;
    int index = 0; // position among the copy's shapes, or among its captions
    for (int n = 1; n < number; ++n) {
        if ((kTemplate[n - 1].kind == ElementKind::Caption) == caption)
            ++index;
    }
    for (const CopyNumbers& numbers : kNumbers) {
        if (numbers.copy != letter)
            continue;
        if (caption)
            return "RpLabel" + std::to_string(numberFromRuns(numbers.captions, index));
        return "RpShape" + std::to_string(numberFromRuns(numbers.shapes, index));
    }
    throw std::out_of_range("no such copy");
}

} // namespace printout
