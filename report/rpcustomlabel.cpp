// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpcustomlabel.h"

#include "platform/cp1250.h"
#include "platform/fonts.h"
#include "report/rpband.h"
#include "report/rpprinter.h"
#include "report/rpreport.h"
#include "report/rpunits.h"

#include <algorithm>

namespace report {

std::vector<std::string> TRpCustomLabel::splitDisplayLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            continue;
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    return lines;
}

TRpFont TRpCustomLabel::effectiveFont() const
{
    TRpFont font = ParentFont && parentBand() ? parentBand()->Font : Font;
    font.Size = effectivePointSize();
    return font;
}

int TRpCustomLabel::effectivePointSize() const
{
    if (FontSize > 0)
        return FontSize;
    return ParentFont && parentBand() ? parentBand()->Font.Size : Font.Size;
}

platform::FontSpec TRpCustomLabel::fontSpec() const
{
    return effectiveFont().toFontSpec();
}

void TRpCustomLabel::setText(const std::string& text)
{
    m_text = text;
    measure();
}

void TRpCustomLabel::measure()
{
    m_lines = splitDisplayLines(m_text);
    if (!parentBand() || !AutoSize || !report())
        return;
    const int ppi = screenPpi();
    const int z = zoom();
    const platform::FontSpec fontRequest = fontSpec();

    int newWidth = 0;
    for (const std::string& line : m_lines) {
        const int measured
            = line.empty() ? 0 : platform::measureText(fontRequest, platform::fromCp1250(line), ppi).width();
        newWidth = std::max(newWidth, roundHalfAway((long double)(measured + 1) * z / 100.0L));
    }

    QRect bounds = screenBounds();
    int left = bounds.left();
    if (Alignment == taRightJustify)
        left = left + bounds.width() - newWidth;
    else if (Alignment == taCenter)
        left = left + (bounds.width() - newWidth) / 2; // truncates toward zero
    const int textHeight = platform::measureText(fontRequest, QStringLiteral("W"), ppi).height();
    const int minHeight = textHeight * z / 100 + 1;
    const int height = bounds.height() < minHeight ? minHeight : bounds.height();
    setScreenBounds(QRect(left, bounds.top(), newWidth, height));
}

void TRpCustomLabel::RenderAt(int originX, int originY)
{
    platform::Canvas* canvas = renderCanvas();
    if (!canvas)
        return;
    TRpPrinter* target = printer();
    const platform::FontSpec fontRequest = fontSpec();
    canvas->setFont(fontRequest);
    const long double pitch = canvas->textExtent(QStringLiteral("W")).height() / target->PixelsPerUnitY();

    const long double x = originX + Size.Values[Left];
    const long double y = originY + Size.Values[Top];
    const long double w0 = Size.Values[Width];
    const long double h = Size.Values[Height];
    measure();
    const long double w = Size.Values[Width];

    if (!Transparent) {
        canvas->setBrush(platform::Brush { colorToRef(Color), false });
        canvas->fillRect(
            target->DeviceX(x), target->DeviceY(y), target->DeviceX(x + w), target->DeviceY(y + h));
    }

    // The box was taken before measuring moved Left: the anchor follows the width change instead.
    long double anchor = x;
    if (AutoSize && Alignment == taRightJustify)
        anchor = x - (w - w0);
    else if (AutoSize && Alignment == taCenter)
        anchor = x - (w - w0) / 2.0L;
    platform::TextAlign align = platform::TextAlign::Left;
    long double textX = anchor;
    if (Alignment == taRightJustify) {
        align = platform::TextAlign::Right;
        textX = anchor + w;
    } else if (Alignment == taCenter) {
        align = platform::TextAlign::Center;
        textX = anchor + w / 2.0L;
    }

    // One native unit (0.1 mm) of tolerance before a line counts as not fitting the box.
    long double lineY = y;
    for (const std::string& line : m_lines) {
        if (lineY + pitch > y + h + 1)
            break;
        if (!line.empty())
            canvas->textOut(
                target->DeviceX(textX), target->DeviceY(lineY), align, platform::fromCp1250(line));
        lineY += pitch;
    }
    canvas->removeClip();
    setFinished(true);
}

} // namespace report
