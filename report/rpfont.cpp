// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpfont.h"

#include "platform/fonts.h"

namespace report {

int TRpFont::Height(int ppi) const
{
    return platform::fontPixelHeight(Size, ppi);
}

platform::FontSpec TRpFont::toFontSpec(int pointSize) const
{
    platform::FontSpec fontRequest;
    fontRequest.face = Name;
    fontRequest.pointSize = pointSize;
    fontRequest.bold = Bold;
    fontRequest.italic = Italic;
    fontRequest.underline = Underline;
    fontRequest.strikeOut = StrikeOut;
    fontRequest.charset = std::uint8_t(Charset);
    fontRequest.fixedPitch = Pitch == fpFixed;
    fontRequest.color = colorToRef(Color);
    return fontRequest;
}

} // namespace report
