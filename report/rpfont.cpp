#include "report/rpfont.h"

#include "platform/fonts.h"

namespace report {

int TRpFont::Height(int ppi) const
{
    return platform::fontPixelHeight(Size, ppi);
}

platform::FontSpec TRpFont::toFontSpec(int pointSize) const
{
    platform::FontSpec spec;
    spec.face = Name;
    spec.pointSize = pointSize;
    spec.bold = Bold;
    spec.italic = Italic;
    spec.underline = Underline;
    spec.strikeOut = StrikeOut;
    spec.charset = std::uint8_t(Charset);
    spec.fixedPitch = Pitch == fpFixed;
    spec.color = colorToRef(Color);
    return spec;
}

} // namespace report
