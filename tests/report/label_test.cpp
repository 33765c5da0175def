// SPDX-License-Identifier: GPL-2.0-or-later
// Label measuring and drawing: display lines, auto-sizing with the alignment moves, the height growth,
// the line-fitting rule and the empty caption.
#include "fakecanvas.h"
#include "report/rpprinter.h"
#include "report/rpunits.h"
#include "support/syntheticreport.h"

#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

struct SplitRow {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class DisplayLines : public ::testing::TestWithParam<SplitRow> { };

TEST_P(DisplayLines, Split)
{
    EXPECT_EQ(TRpCustomLabel::splitDisplayLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Label, DisplayLines,
    ::testing::Values(SplitRow { "Empty", "", { "" } }, SplitRow { "OneLine", "abc", { "abc" } },
        SplitRow { "CarriageReturn", "ab\rcd", { "ab", "cd" } },
        SplitRow { "CrLf", "ab\r\ncd", { "ab", "cd" } },
        SplitRow { "LineFeedOnlyIsDropped", "ab\ncd", { "abcd" } },
        SplitRow { "TrailingReturn", "ab\r", { "ab", "" } },
        SplitRow { "TwoReturns", "\r\r", { "", "", "" } }),
    [](const auto& info) { return std::string(info.param.name); });

struct Fixture {
    TRpReport rp;
    TRpBand* band;
    explicit Fixture(int ppi = 96) { band = buildTestReport(rp, ppi); }
    TRpLabel* label(TAlignment alignment, int pointSize, int left, int width, bool transparent = true)
    {
        auto* l = band->add<TRpLabel>("lTest" + std::to_string(band->children().size()));
        l->setLayoutBounds(left, 50, width, 15);
        l->FontSize = pointSize;
        l->Alignment = alignment;
        l->Transparent = transparent;
        return l;
    }
};

// Arial 8 pt at 96 ppi: "waluta" measures 33 pixels and "Nr" 11, so their boxes are 34 and 12 wide.
TEST(Label, ACentredLabelMovesByHalfTheWidthChangeAndBack)
{
    Fixture f;
    TRpLabel* l = f.label(taCenter, 8, 100, 34);
    l->setCaption("waluta");
    ASSERT_EQ(l->screenBounds(), QRect(100, 50, 34, 15));
    const long double exactLeft = l->Size.Values[TRpPrintable::Left];
    l->setCaption("Nr");
    EXPECT_EQ(l->screenBounds().left(), 111);
    EXPECT_EQ(l->screenBounds().width(), 12);
    l->setCaption("waluta");
    EXPECT_EQ(l->screenBounds(), QRect(100, 50, 34, 15));
    // Back at the same pixel, but Left was rewritten from pixels: it is the pixel's native value now.
    EXPECT_NEAR(double(l->Size.Values[TRpPrintable::Left]), double(exactLeft), 254.0 / 96);
}

struct AlignRow {
    const char* name;
    TAlignment alignment;
    int expectedLeft;
};

class AlignmentMoves : public ::testing::TestWithParam<AlignRow> { };

TEST_P(AlignmentMoves, FromA34PixelTextToA12PixelText)
{
    Fixture f;
    TRpLabel* l = f.label(GetParam().alignment, 8, 100, 34);
    l->setCaption("waluta");
    l->setCaption("Nr");
    EXPECT_EQ(l->screenBounds().left(), GetParam().expectedLeft);
    EXPECT_EQ(l->screenBounds().width(), 12);
}

INSTANTIATE_TEST_SUITE_P(Label, AlignmentMoves,
    ::testing::Values(AlignRow { "Left", taLeftJustify, 100 }, AlignRow { "Right", taRightJustify, 122 },
        AlignRow { "Centre", taCenter, 111 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Label, AnOddWidthChangeTruncatesTowardZero)
{
    Fixture f;
    TRpLabel* l = f.label(taCenter, 8, 100, 13);
    l->setCaption("ab"); // 12 + 1 = 13
    ASSERT_EQ(l->screenBounds().width(), 13);
    l->setCaption("waluta"); // 34: (13 - 34) / 2 = -10.5 -> -10
    EXPECT_EQ(l->screenBounds().left(), 90);
}

TEST(Label, AnEmptyCaptionIsOnePixelWide)
{
    Fixture f;
    TRpLabel* l = f.label(taLeftJustify, 8, 100, 34);
    l->setCaption("");
    EXPECT_EQ(l->screenBounds().width(), 1);
    EXPECT_EQ(l->displayLines(), (std::vector<std::string> { "" }));
}

TEST(Label, TheWidestLineDecidesAndTrailingSpacesCount)
{
    Fixture f;
    TRpLabel* l = f.label(taLeftJustify, 8, 100, 34);
    l->setCaption("Nr\rwaluta");
    EXPECT_EQ(l->screenBounds().width(), 34);
    l->setCaption("Nr  ");
    EXPECT_GT(l->screenBounds().width(), 12);
}

TEST(Label, TheHeightGrowsToOneLineAndNeverShrinks)
{
    Fixture f;
    TRpLabel* l = f.label(taLeftJustify, 10, 100, 34);
    l->setLayoutBounds(100, 50, 34, 4);
    l->setCaption("a\rb\rc");
    const int lineHeight = platform::measureText(l->fontSpec(), QStringLiteral("W"), 96).height();
    EXPECT_EQ(l->screenBounds().height(), lineHeight + 1); // one line, whatever the number of lines
    l->setLayoutBounds(100, 50, 34, 40);
    l->setCaption("a");
    EXPECT_EQ(l->screenBounds().height(), 40);
}

TEST(Label, AnUnchangedLabelKeepsItsExactNativeValues)
{
    Fixture f;
    auto* l = f.band->find<TRpLabel>("RpLabel14");
    EXPECT_EQ(l->Size.Values[TRpPrintable::Left], layoutToNative(560));
    EXPECT_EQ(l->Size.Values[TRpPrintable::Width], layoutToNative(64));
    EXPECT_EQ(l->Size.Values[TRpPrintable::Height], layoutToNative(11));
}

TEST(Label, ParentFontAndFontSize)
{
    Fixture f;
    f.band->Font.Name = QStringLiteral("Arial");
    f.band->Font.Size = 10;
    auto* l = f.band->add<TRpLabel>("lParent");
    l->Font.Name = QStringLiteral("Tahoma");
    l->Font.Size = 8;
    EXPECT_EQ(l->fontSpec().face, "Tahoma");
    EXPECT_EQ(l->fontSpec().pointSize, 8);
    l->ParentFont = true;
    EXPECT_EQ(l->fontSpec().face, "Arial");
    EXPECT_EQ(l->fontSpec().pointSize, 10);
    l->FontSize = 12; // FontSize wins over any font's size
    EXPECT_EQ(l->fontSpec().pointSize, 12);
    EXPECT_EQ(TRpFont().Height(96), -13);
    TRpFont six;
    six.Size = 6;
    EXPECT_EQ(six.Height(96), -8);
}

// Drawing goes through a target with a logging page.
struct Drawn {
    Fixture f;
    LoggingRecorderFactory recorder;
    TRpPrinter target { TRpPrinterDestination::PageStore, 96 };
    Drawn() { target.setRecorderFactory(recorder.factory()); }
    std::vector<Call> draw()
    {
        f.band->find<TRpShape>("RpShape12")->Enabled = false;
        f.band->find<TRpLabel>("RpLabel14")->Enabled = false;
        f.rp.GenerateReport(target);
        std::vector<Call> calls = recorder.pages.at(0)->calls;
        calls.erase(calls.begin()); // the band's background
        return calls;
    }
};

TEST(Label, AnEmptyOpaqueLabelPaintsAOnePixelStripAndATransparentOneNothing)
{
    Drawn d;
    TRpLabel* opaque = d.f.label(taLeftJustify, 8, 100, 34, false);
    opaque->setCaption("");
    TRpLabel* clear = d.f.label(taLeftJustify, 8, 300, 34, true);
    clear->setCaption("");
    const auto calls = d.draw();
    std::vector<QString> ops;
    for (const Call& c : calls)
        ops.push_back(c.op);
    EXPECT_EQ(ops, (std::vector<QString> { "fillRect", "removeClip", "removeClip" }));
    EXPECT_EQ(calls[0].a, 126);
    EXPECT_EQ(calls[0].c, 127);
    EXPECT_EQ(calls[0].d - calls[0].b, 15);
}

TEST(Label, CentredAndRightAlignedTextsAnchorOnTheBox)
{
    Drawn d;
    TRpLabel* centred = d.f.label(taCenter, 8, 100, 34);
    centred->setCaption("waluta");
    TRpLabel* right = d.f.label(taRightJustify, 8, 200, 34);
    right->setCaption("waluta");
    const auto calls = d.draw();
    std::vector<Call> texts;
    for (const Call& c : calls) {
        if (c.op == "textOut")
            texts.push_back(c);
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].align, platform::TextAlign::Center);
    EXPECT_EQ(texts[0].a, 126 + 17);
    EXPECT_EQ(texts[1].align, platform::TextAlign::Right);
    EXPECT_EQ(texts[1].a, 226 + 34);
}

TEST(Label, OnlyLinesThatFitTheBoxAreDrawn)
{
    Drawn d;
    // Arial 10 pt: a line pitch of 15 pixels, 39.7 native units.
    TRpLabel* oneLine = d.f.label(taLeftJustify, 10, 100, 34);
    oneLine->setCaption("a\rb");
    TRpLabel* twoLines = d.f.label(taLeftJustify, 10, 300, 34);
    twoLines->setLayoutBounds(300, 50, 34, 30);
    twoLines->setCaption("a\rb");
    TRpLabel* tooLow = d.f.label(taLeftJustify, 10, 500, 34);
    tooLow->setCaption("a");
    tooLow->AutoSize = false; // with AutoSize the box grows to one line
    tooLow->setLayoutBounds(500, 50, 34, 10); // lower than its pitch: nothing fits
    tooLow->Transparent = false;
    const auto calls = d.draw();
    std::vector<std::pair<QString, int>> texts;
    bool lowFilled = false;
    for (const Call& c : calls) {
        if (c.op == "textOut")
            texts.emplace_back(c.text, c.b);
        if (c.op == "fillRect" && c.a == 526)
            lowFilled = true;
    }
    EXPECT_EQ(texts, (std::vector<std::pair<QString, int>> { { "a", 73 }, { "a", 73 }, { "b", 88 } }));
    EXPECT_TRUE(lowFilled); // its background is still painted
}

TEST(Label, PolishLettersReachTheCanvasAsUnicode)
{
    Drawn d;
    TRpLabel* l = d.f.label(taLeftJustify, 8, 100, 34);
    l->setCaption("Op\xb3"
                  "ata: \xb9\xea\xbf"); // "Opłata: ąęż" in code page 1250
    const auto calls = d.draw();
    for (const Call& c : calls) {
        if (c.op == "textOut") {
            EXPECT_EQ(c.text, QString::fromUtf8("Opłata: ąęż"));
        }
    }
}

} // namespace
