// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/emfrecorder.h"

#include "platform/fonts.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <uemf.h>

namespace emf {

namespace {

U_RECTL rectl(int l, int t, int r, int b)
{
    U_RECTL rect;
    rect.left = l;
    rect.top = t;
    rect.right = r;
    rect.bottom = b;
    return rect;
}

U_POINTL pointl(int x, int y)
{
    U_POINTL p;
    p.x = x;
    p.y = y;
    return p;
}

void putU32(QByteArray& bytes, qsizetype offset, std::uint32_t value)
{
    qToLittleEndian<quint32>(value, bytes.data() + offset);
}

std::uint32_t penStyle(platform::PenStyle style)
{
    // In the order of platform::PenStyle.
    constexpr std::uint32_t styles[]
        = { U_PS_SOLID, U_PS_DASH, U_PS_DOT, U_PS_DASHDOT, U_PS_DASHDOTDOT, U_PS_NULL, U_PS_INSIDEFRAME };
    const auto index = std::size_t(style);
    return index < std::size(styles) ? styles[index] : U_PS_SOLID;
}

U_COLORREF colorRef(platform::ColorRef c)
{
    return U_RGB(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

constexpr std::uint32_t headerBytesOffset = 48;
constexpr std::uint32_t headerRecordsOffset = 52;
constexpr std::uint32_t headerHandlesOffset = 56;

} // namespace

EmfRecorder::EmfRecorder(int widthPx, int heightPx, int ppi)
    : m_width(std::max(1, widthPx))
    , m_height(std::max(1, heightPx))
    , m_ppi(std::max(1, ppi))
{
    m_handles.assign(1, true); // handle 0 stands for the metafile itself
    // Other viewers size the picture from the frame and the device-to-millimetre ratio: the reference
    // device is the page itself, its size in whole millimetres, the frame that size in 0.01 mm.
    const int mmX = std::max(1, int(std::lround(m_width * 25.4 / m_ppi)));
    const int mmY = std::max(1, int(std::lround(m_height * 25.4 / m_ppi)));
    U_SIZEL device { m_width, m_height };
    U_SIZEL millimetres { mmX, mmY };
    std::u16string description = u"przelew";
    description.push_back(u'\0');
    description += u"page";
    description.push_back(u'\0');
    description.push_back(u'\0');
    append(U_EMRHEADER_set(rectl(0, 0, m_width - 1, m_height - 1), rectl(0, 0, mmX * 100, mmY * 100), nullptr,
        U_CBSTR(description.size()), reinterpret_cast<uint16_t*>(description.data()), device, millimetres,
        0));
    // Texts never paint their background; the alignment starts as top-left and the text colour black.
    append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
    append(U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
}

EmfRecorder::~EmfRecorder() = default;

void EmfRecorder::append(char* record)
{
    if (!record)
        return;
    const auto* emr = reinterpret_cast<const U_EMR*>(record);
    m_bytes.append(record, qsizetype(emr->nSize));
    ++m_records;
    std::free(record);
}

void EmfRecorder::appendRaw(const QByteArray& record)
{
    m_bytes.append(record);
    ++m_records;
}

std::uint32_t EmfRecorder::allocateHandle()
{
    // GDI reuses the lowest free slot of the handle table.
    for (std::uint32_t i = 1; i < m_handles.size(); ++i) {
        if (!m_handles[i]) {
            m_handles[i] = true;
            return i;
        }
    }
    m_handles.push_back(true);
    const auto handle = std::uint32_t(m_handles.size() - 1);
    m_maxHandle = std::max(m_maxHandle, handle);
    return handle;
}

void EmfRecorder::replaceObject(Slot slot, std::uint32_t handle)
{
    std::uint32_t& selected = m_selected[int(slot)];
    if (selected != 0 && selected != handle) {
        append(U_EMRDELETEOBJECT_set(selected));
        m_handles[selected] = false;
    }
    selected = handle;
}

void EmfRecorder::selectStock(std::uint32_t stock, Slot slot)
{
    append(U_EMRSELECTOBJECT_set(stock));
    replaceObject(slot, 0);
}

void EmfRecorder::selectPen(const platform::Pen& pen)
{
    if (m_penRecorded && m_recordedPen == pen)
        return;
    m_penRecorded = true;
    m_recordedPen = pen;
    if (pen.style == platform::PenStyle::Clear) {
        selectStock(U_NULL_PEN, Slot::Pen);
        return;
    }
    const std::uint32_t handle = allocateHandle();
    U_POINT width { std::max(0, pen.width), 0 };
    append(U_EMRCREATEPEN_set(handle, logpen_set(penStyle(pen.style), width, colorRef(pen.color))));
    append(U_EMRSELECTOBJECT_set(handle));
    replaceObject(Slot::Pen, handle);
}

void EmfRecorder::selectBrush(const platform::Brush& brush)
{
    if (m_brushRecorded && m_recordedBrush == brush)
        return;
    m_brushRecorded = true;
    m_recordedBrush = brush;
    if (brush.clear) {
        selectStock(U_NULL_BRUSH, Slot::Brush);
        return;
    }
    const std::uint32_t handle = allocateHandle();
    append(U_EMRCREATEBRUSHINDIRECT_set(handle, logbrush_set(U_BS_SOLID, colorRef(brush.color), 0)));
    append(U_EMRSELECTOBJECT_set(handle));
    replaceObject(Slot::Brush, handle);
}

void EmfRecorder::selectFont()
{
    // The colour is not part of the font object.
    platform::FontSpec withoutColor = m_font;
    withoutColor.color = 0;
    if (!(m_fontRecorded && m_recordedFont == withoutColor)) {
        m_fontRecorded = true;
        m_recordedFont = withoutColor;
        std::u16string face = m_font.face.left(U_LF_FACESIZE - 1).toStdU16String();
        face.resize(U_LF_FACESIZE, u'\0');
        const U_LOGFONT logFont = logfont_set(platform::fontPixelHeight(m_font.pointSize, m_ppi), 0, 0, 0,
            m_font.bold ? U_FW_BOLD : U_FW_NORMAL, m_font.italic, m_font.underline, m_font.strikeOut,
            m_font.charset, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
            m_font.fixedPitch ? U_FIXED_PITCH : U_DEFAULT_PITCH, reinterpret_cast<uint16_t*>(face.data()));
        const std::uint32_t handle = allocateHandle();
        append(U_EMREXTCREATEFONTINDIRECTW_set(handle, reinterpret_cast<const char*>(&logFont), nullptr));
        append(U_EMRSELECTOBJECT_set(handle));
        replaceObject(Slot::Font, handle);
    }
    setTextColor(m_font.color);
}

void EmfRecorder::setTextColor(platform::ColorRef color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    append(U_EMRSETTEXTCOLOR_set(colorRef(color)));
}

void EmfRecorder::setTextAlign(std::uint32_t align)
{
    if (align == m_textAlign)
        return;
    m_textAlign = align;
    append(U_EMRSETTEXTALIGN_set(align));
}

void EmfRecorder::setPen(const platform::Pen& pen)
{
    m_pen = pen;
}
void EmfRecorder::setBrush(const platform::Brush& brush)
{
    m_brush = brush;
}
void EmfRecorder::setFont(const platform::FontSpec& font)
{
    m_font = font;
}

void EmfRecorder::fillRect(int left, int top, int right, int bottom)
{
    if (m_finished || m_brush.clear || right <= left || bottom <= top)
        return;
    // A pattern copy with the brush, as GDI records FillRect: it scales with the page when played
    // stretched, where a rectangle without outline would lose one device pixel at every zoom.
    selectBrush(m_brush);
    QByteArray record(100, '\0');
    putU32(record, 0, U_EMR_BITBLT);
    putU32(record, 4, 100);
    putU32(record, 8, std::uint32_t(left)); // bounds, inclusive
    putU32(record, 12, std::uint32_t(top));
    putU32(record, 16, std::uint32_t(right - 1));
    putU32(record, 20, std::uint32_t(bottom - 1));
    putU32(record, 24, std::uint32_t(left));
    putU32(record, 28, std::uint32_t(top));
    putU32(record, 32, std::uint32_t(right - left));
    putU32(record, 36, std::uint32_t(bottom - top));
    putU32(record, 40, U_PATCOPY);
    const float identity[6] = { 1, 0, 0, 1, 0, 0 };
    for (int i = 0; i < 6; ++i) {
        std::uint32_t bits;
        std::memcpy(&bits, &identity[i], 4);
        putU32(record, 52 + 4 * i, bits);
    }
    appendRaw(record); // no source bitmap: offsets and sizes stay 0
}

bool EmfRecorder::beginFilledShape()
{
    if (m_finished)
        return false;
    selectPen(m_pen);
    selectBrush(m_brush);
    return true;
}

void EmfRecorder::rectangle(int left, int top, int right, int bottom)
{
    if (beginFilledShape())
        append(U_EMRRECTANGLE_set(rectl(left, top, right, bottom)));
}

void EmfRecorder::ellipse(int left, int top, int right, int bottom)
{
    if (beginFilledShape())
        append(U_EMRELLIPSE_set(rectl(left, top, right, bottom)));
}

void EmfRecorder::line(int x1, int y1, int x2, int y2)
{
    if (m_finished)
        return;
    selectPen(m_pen);
    append(U_EMRMOVETOEX_set(pointl(x1, y1)));
    append(U_EMRLINETO_set(pointl(x2, y2)));
}

void EmfRecorder::textOut(int x, int y, platform::TextAlign align, const QString& text)
{
    if (m_finished || text.isEmpty())
        return;
    selectFont();
    setTextAlign(U_TA_TOP
        | (align == platform::TextAlign::Right         ? U_TA_RIGHT
                : align == platform::TextAlign::Center ? U_TA_CENTER
                                                       : U_TA_LEFT));

    const std::vector<int> advances = platform::textAdvances(m_font, text, m_ppi);
    int width = 0;
    for (int a : advances)
        width += a;
    const int height = platform::measureText(m_font, QStringLiteral("W"), m_ppi).height();
    const int left = align == platform::TextAlign::Right ? x - width
        : align == platform::TextAlign::Center           ? x - width / 2
                                                         : x;
    const U_RECTL bounds = rectl(left, y, left + width, y + height);

    std::vector<uint32_t> dx(advances.begin(), advances.end());
    std::u16string chars = text.toStdU16String();
    char* emrText = emrtext_set(
        pointl(x, y), U_NUM_STR(chars.size()), 2, chars.data(), U_ETO_NONE, rectl(0, 0, -1, -1), dx.data());
    if (!emrText)
        return;
    append(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 0.0f, 0.0f, reinterpret_cast<PU_EMRTEXT>(emrText)));
    std::free(emrText);
}

void EmfRecorder::removeClip()
{
    if (m_finished)
        return;
    // EMR_EXTSELECTCLIPRGN with no region data and RGN_COPY: the whole surface again.
    QByteArray record(16, '\0');
    putU32(record, 0, U_EMR_EXTSELECTCLIPRGN);
    putU32(record, 4, 16);
    putU32(record, 8, 0);
    putU32(record, 12, U_RGN_COPY);
    appendRaw(record);
}

QSize EmfRecorder::textExtent(const QString& text)
{
    return platform::measureText(m_font, text, m_ppi);
}

QByteArray EmfRecorder::finish()
{
    if (m_finished)
        return {};
    // Leave the device context with stock objects and delete everything we created.
    if (m_selected[int(Slot::Pen)] != 0)
        selectStock(U_BLACK_PEN, Slot::Pen);
    if (m_selected[int(Slot::Brush)] != 0)
        selectStock(U_WHITE_BRUSH, Slot::Brush);
    if (m_selected[int(Slot::Font)] != 0)
        selectStock(U_DEVICE_DEFAULT_FONT, Slot::Font);

    QByteArray eof(20, '\0');
    putU32(eof, 0, U_EMR_EOF);
    putU32(eof, 4, 20);
    putU32(eof, 8, 0); // no palette entries
    putU32(eof, 12, 16); // offset of the (empty) palette
    putU32(eof, 16, 20); // size of the record again, for readers walking backwards
    appendRaw(eof);

    putU32(m_bytes, headerBytesOffset, std::uint32_t(m_bytes.size()));
    putU32(m_bytes, headerRecordsOffset, std::uint32_t(m_records));
    qToLittleEndian<quint16>(
        quint16(std::min<std::uint32_t>(m_maxHandle + 1, 0xffff)), m_bytes.data() + headerHandlesOffset);
    m_finished = true;
    QByteArray result;
    result.swap(m_bytes);
    return result;
}

} // namespace emf
