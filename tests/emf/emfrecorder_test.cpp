// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "emftestpage.h"
#include "platform/fonts.h"
#include "support/emfwalk.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace platform;
using namespace emf;

namespace {

constexpr std::uint32_t EmrHeader = 1, EmrEof = 14, EmrSetTextAlign = 22, EmrSelectObject = 37,
                        EmrCreatePen = 38, EmrCreateBrush = 39, EmrDeleteObject = 40,
                        EmrExtSelectClipRgn = 75, EmrExtCreateFont = 82, EmrExtTextOutW = 84, EmrBitBlt = 76;

QByteArray samplePage()
{
    EmfRecorder recorder(1123, 794, 96);
    emftest::drawSamplePage(recorder);
    return recorder.finish();
}

} // namespace

TEST(EmfRecorder, HeaderDescribesTheA4LandscapePageAtScreenResolution)
{
    const QByteArray emf = samplePage();
    const auto records = emftest::records(emf);
    ASSERT_GE(records.size(), 3u);
    const emftest::Record& header = records.front();
    EXPECT_EQ(header.type, EmrHeader);
    EXPECT_EQ(header.u32(40), 0x464D4520u); // " EMF"
    EXPECT_EQ(header.u32(44), 0x10000u);
    // bounds, frame (0.01 mm), device pixels, millimetres: what other viewers size the picture from
    EXPECT_EQ(header.i32(8), 0);
    EXPECT_EQ(header.i32(12), 0);
    EXPECT_EQ(header.i32(16), 1122);
    EXPECT_EQ(header.i32(20), 793);
    EXPECT_EQ(header.i32(24), 0);
    EXPECT_EQ(header.i32(32), 29700);
    EXPECT_EQ(header.i32(36), 21000);
    EXPECT_EQ(header.i32(72), 1123);
    EXPECT_EQ(header.i32(76), 794);
    EXPECT_EQ(header.i32(80), 297);
    EXPECT_EQ(header.i32(84), 210);
    EXPECT_EQ(header.u32(48), std::uint32_t(emf.size()));
    EXPECT_EQ(header.u32(52), std::uint32_t(records.size()));
    EXPECT_EQ(records.back().type, EmrEof);

    const MetafileInfo info = inspectMetafile(emf.constData(), emf.size());
    EXPECT_EQ(info.sizePx, QSize(1123, 794));
    EXPECT_EQ(info.byteLength, emf.size());
    EXPECT_FALSE(info.placeableWmf);
}

TEST(EmfRecorder, ObjectsAreCreatedSelectedAndDeletedInGdiOrder)
{
    const QByteArray emf = samplePage();
    const auto records = emftest::records(emf);
    std::set<std::uint32_t> live;
    std::map<int, std::uint32_t> selected; // kind -> handle (0 = stock)
    std::map<std::uint32_t, int> kindOf;
    std::uint32_t highest = 0;
    for (const emftest::Record& r : records) {
        if (r.type == EmrCreatePen || r.type == EmrCreateBrush || r.type == EmrExtCreateFont) {
            const std::uint32_t handle = r.u32(8);
            EXPECT_EQ(live.count(handle), 0u) << "handle " << handle << " created twice";
            // GDI hands out the lowest free slot
            std::uint32_t lowest = 1;
            while (live.count(lowest))
                ++lowest;
            EXPECT_EQ(handle, lowest);
            live.insert(handle);
            kindOf[handle] = int(r.type);
            highest = std::max(highest, handle);
        } else if (r.type == EmrSelectObject) {
            const std::uint32_t handle = r.u32(8);
            if (handle & 0x80000000u) {
                const std::uint32_t stock = handle & 0x7fffffff;
                const int kind = stock <= 5 ? EmrCreateBrush : stock <= 8 ? EmrCreatePen : EmrExtCreateFont;
                selected[kind] = 0;
            } else {
                ASSERT_EQ(live.count(handle), 1u) << "selecting a handle that does not exist";
                selected[kindOf[handle]] = handle;
            }
        } else if (r.type == EmrDeleteObject) {
            const std::uint32_t handle = r.u32(8);
            ASSERT_EQ(live.count(handle), 1u);
            for (const auto& [kind, h] : selected)
                EXPECT_NE(h, handle) << "deleting a selected object";
            live.erase(handle);
        }
    }
    EXPECT_TRUE(live.empty()) << live.size() << " objects never deleted";
    EXPECT_EQ(records.front().u16(56), highest + 1);
}

TEST(EmfRecorder, TextRecordCarriesAdvancesFontAndAlignment)
{
    struct Row {
        const char* name;
        TextAlign align;
        std::uint32_t flags;
    };
    for (const Row& row : { Row { "left", TextAlign::Left, 0u }, Row { "right", TextAlign::Right, 2u },
             Row { "centre", TextAlign::Center, 6u } }) {
        SCOPED_TRACE(row.name);
        EmfRecorder recorder(200, 100, 96);
        FontSpec font { QStringLiteral("Arial"), 10, true };
        recorder.setFont(font);
        const QString text = QStringLiteral("Łódź 12");
        recorder.textOut(50, 20, row.align, text);
        const auto records = emftest::records(recorder.finish());
        std::uint32_t align = 0;
        const emftest::Record* textRecord = nullptr;
        const emftest::Record* fontRecord = nullptr;
        for (const auto& r : records) {
            if (r.type == EmrSetTextAlign)
                align = r.u32(8);
            if (r.type == EmrExtTextOutW)
                textRecord = &r;
            if (r.type == EmrExtCreateFont)
                fontRecord = &r;
        }
        ASSERT_TRUE(textRecord && fontRecord);
        EXPECT_EQ(align, row.flags);
        EXPECT_EQ(fontRecord->i32(12), -13);
        EXPECT_EQ(fontRecord->i32(28), 700);
        EXPECT_EQ(quint8(fontRecord->bytes[35]), 238);
        EXPECT_EQ(
            QString::fromUtf16(reinterpret_cast<const char16_t*>(fontRecord->bytes.constData() + 40), 5),
            QStringLiteral("Arial"));
        EXPECT_EQ(textRecord->i32(36), 50);
        EXPECT_EQ(textRecord->i32(40), 20);
        ASSERT_EQ(textRecord->u32(44), std::uint32_t(text.size()));
        const std::uint32_t offString = textRecord->u32(48), offDx = textRecord->u32(72);
        ASSERT_NE(offDx, 0u);
        EXPECT_EQ(
            QString::fromUtf16(
                reinterpret_cast<const char16_t*>(textRecord->bytes.constData() + offString), text.size()),
            text);
        const std::vector<int> expected = textAdvances(font, text, 96);
        for (qsizetype i = 0; i < text.size(); ++i)
            EXPECT_EQ(textRecord->i32(int(offDx + 4 * i)), expected[std::size_t(i)]) << "character " << i;
    }
}

TEST(EmfRecorder, RemoveClipIsTheSixteenByteRegionCopy)
{
    EmfRecorder recorder(100, 100, 96);
    recorder.removeClip();
    const auto records = emftest::records(recorder.finish());
    ASSERT_GE(records.size(), 3u);
    const emftest::Record& clip = records[records.size() - 2];
    EXPECT_EQ(clip.type, EmrExtSelectClipRgn);
    EXPECT_EQ(clip.bytes.size(), 16);
    EXPECT_EQ(clip.u32(8), 0u);
    EXPECT_EQ(clip.u32(12), 5u);
}

TEST(EmfRecorder, FillRectIsAPatternCopyWithTheBrush)
{
    EmfRecorder recorder(100, 100, 96);
    recorder.setBrush(Brush { rgb(1, 2, 3), false });
    recorder.fillRect(10, 20, 30, 40);
    recorder.setBrush(Brush { 0, true });
    recorder.fillRect(10, 20, 30, 40); // a hollow brush fills nothing: no record
    const auto records = emftest::records(recorder.finish());
    int fills = 0;
    for (const auto& r : records) {
        if (r.type == EmrBitBlt) {
            ++fills;
            EXPECT_EQ(r.bytes.size(), 100);
            EXPECT_EQ(r.i32(24), 10);
            EXPECT_EQ(r.i32(28), 20);
            EXPECT_EQ(r.i32(32), 20);
            EXPECT_EQ(r.i32(36), 20);
            EXPECT_EQ(r.u32(40), 0x00F00021u); // PATCOPY
            EXPECT_EQ(r.u32(88), 0u); // no source bitmap
        }
        if (r.type == EmrCreateBrush) {
            EXPECT_EQ(r.u32(16), 0x030201u);
        }
    }
    EXPECT_EQ(fills, 1);
}

TEST(EmfRecorder, IsSpentAfterFinish)
{
    EmfRecorder recorder(100, 100, 96);
    recorder.line(0, 0, 10, 10);
    const QByteArray first = recorder.finish();
    EXPECT_FALSE(first.isEmpty());
    recorder.line(0, 0, 10, 10);
    EXPECT_TRUE(recorder.finish().isEmpty());
}
