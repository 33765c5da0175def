// SPDX-License-Identifier: GPL-2.0-or-later
// Units, rounding, the device mapping's halves, and the page and paper tables.
#include "report/rppage.h"
#include "report/rppapersize.h"
#include "report/rpprinter.h"
#include "report/rpunits.h"

#include <cfenv>
#include <gtest/gtest.h>
#include <limits>

using namespace report;

namespace {

struct RoundRow {
    const char* name;
    long double value;
    int even;
    int away;
};

class Rounding : public ::testing::TestWithParam<RoundRow> { };

// The same under every rounding mode the floating point unit can be left in.
TEST_P(Rounding, HalvesToEvenAndAwayFromZero)
{
    const int before = std::fegetround();
    for (int mode : { FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO }) {
        std::fesetround(mode);
        EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().even) << "mode " << mode;
        EXPECT_EQ(roundHalfAway(GetParam().value), GetParam().away) << "mode " << mode;
    }
    std::fesetround(before);
}

INSTANTIATE_TEST_SUITE_P(Units, Rounding,
    ::testing::Values(RoundRow { "Half", 0.5L, 0, 1 }, RoundRow { "OneAndHalf", 1.5L, 2, 2 },
        RoundRow { "TwoAndHalf", 2.5L, 2, 3 }, RoundRow { "MinusHalf", -0.5L, 0, -1 },
        RoundRow { "MinusOneAndHalf", -1.5L, -2, -2 }, RoundRow { "MinusTwoAndHalf", -2.5L, -2, -3 },
        RoundRow { "JustBelowHalf", 0.49999999L, 0, 0 }, RoundRow { "JustAboveHalf", 2.50000001L, 3, 3 },
        RoundRow { "Band", 1981.729167L, 1982, 1982 }, RoundRow { "Whole", 7.0L, 7, 7 }),
    [](const auto& info) { return std::string(info.param.name); });

// At 254 ppi a native unit is exactly one pixel, so the device mapping meets exact halves.
TEST(Units, DeviceMappingRoundsHalvesToEven)
{
    TRpPrinter target(TRpPrinterDestination::PageStore, 254);
    EXPECT_EQ(target.DeviceX(0.5L), 0);
    EXPECT_EQ(target.DeviceX(1.5L), 2);
    EXPECT_EQ(target.DeviceY(2.5L), 2);
    EXPECT_EQ(target.DeviceWidth(3.5L), 4);
    EXPECT_EQ(target.DeviceHeight(4.5L), 4);
}

TEST(Units, CoordinatesBeyondTheIntegerRangeSaturate)
{
    EXPECT_EQ(roundHalfEven(1e30L), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(-1e30L), std::numeric_limits<int>::min());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<long double>::quiet_NaN()), std::numeric_limits<int>::min());
}

TEST(Units, LayoutUnitsAreUnrounded)
{
    EXPECT_NEAR(double(layoutToNative(749)), 1981.729167, 1e-6);
    EXPECT_NEAR(double(layoutToNative(1070)), 2831.041667, 1e-6);
    EXPECT_EQ(layoutToNative(96), 254);
}

struct UnitRow {
    const char* name;
    TRpUnit unit;
    long double native;
    long double seen;
};

class UnitConversion : public ::testing::TestWithParam<UnitRow> { };

TEST_P(UnitConversion, ReadsAndWritesBack)
{
    const UnitRow& row = GetParam();
    EXPECT_NEAR(double(nativeToUnit(row.native, row.unit, 96, 100)), double(row.seen), 1e-9);
    EXPECT_NEAR(double(unitToNative(row.seen, row.unit, 96, 100)), double(row.native), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitConversion,
    ::testing::Values(UnitRow { "MM", TRpUnit::MM, 76.2L, 7.62L },
        UnitRow { "Inches", TRpUnit::Inches, 254, 1 }, UnitRow { "Pixels", TRpUnit::Pixels, 254, 96 },
        UnitRow { "Native", TRpUnit::Native, 70, 70 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Units, ScreenBoundsFollowZoom)
{
    EXPECT_EQ(nativeToScreen(layoutToNative(560), 96, 100), 560);
    EXPECT_EQ(nativeToScreen(layoutToNative(560), 96, 200), 1120);
    EXPECT_EQ(nativeToScreen(layoutToNative(560), 120, 100), 700);
}

TEST(Page, PaperAndOrientationSetWidthAndLength)
{
    TRpPage page;
    page.setPaperSize(TRpPaperSize::A4);
    EXPECT_EQ(page.width(), 2100);
    EXPECT_EQ(page.length(), 2970);
    page.setOrientation(poLandscape);
    EXPECT_EQ(page.width(), 2970);
    EXPECT_EQ(page.length(), 2100);
    page.setWidth(1000); // only a custom page takes its own size
    EXPECT_EQ(page.width(), 2970);
    page.setPaperSize(TRpPaperSize::Custom);
    page.setWidth(1000);
    page.setLength(500);
    EXPECT_EQ(page.width(), 1000);
    EXPECT_EQ(page.length(), 500);
    page.setPaperSize(TRpPaperSize::Letter);
    EXPECT_NEAR(double(page.width()), 2794, 1e-9);
    EXPECT_NEAR(double(page.length()), 2159, 1e-9);
}

TEST(Paper, TablesInEnumerationOrderWithTheirCodes)
{
    const auto table = paperTable();
    ASSERT_EQ(table.size(), 28u);
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(std::size_t(table[i].size), i) << table[i].name;
    EXPECT_EQ(paperInfo(TRpPaperSize::A4).windowsCode, 9);
    EXPECT_EQ(paperInfo(TRpPaperSize::A4).pageSizeId, QPageSize::A4);
    EXPECT_EQ(paperInfo(TRpPaperSize::ESheet).windowsCode, 26);
    EXPECT_EQ(paperInfo(TRpPaperSize::Custom).windowsCode, 256);
    EXPECT_EQ(paperSizeFromWindowsCode(11), TRpPaperSize::A5);
    EXPECT_FALSE(paperSizeFromWindowsCode(99).has_value());
    // Every real paper's Qt size agrees with the table to the millimetre.
    for (const TRpPaperInfo& info : table) {
        if (info.widthMm == 0)
            continue;
        const QSizeF mm = QPageSize::size(info.pageSizeId, QPageSize::Millimeter);
        EXPECT_NEAR(std::min(mm.width(), mm.height()), std::min(info.widthMm, info.lengthMm), 1.0)
            << info.name;
        EXPECT_NEAR(std::max(mm.width(), mm.height()), std::max(info.widthMm, info.lengthMm), 1.0)
            << info.name;
    }
    const auto bins = binTable();
    ASSERT_EQ(bins.size(), 14u);
    EXPECT_EQ(binWindowsCode(TRpBin::Auto), 7);
    EXPECT_EQ(binWindowsCode(TRpBin::Cassette), 14);
    EXPECT_EQ(binWindowsCode(TRpBin::Last), 14);
    EXPECT_EQ(binFromWindowsCode(1), TRpBin::First);
    EXPECT_EQ(binFromWindowsCode(14), TRpBin::Cassette);
}

TEST(DeviceSettings, OrientationAndPageRange)
{
    TRpDeviceSettings settings;
    settings.setPaper(TRpPaperSize::A4);
    settings.orientation = poLandscape;
    EXPECT_EQ(settings.orientedWidth(), 2970);
    EXPECT_EQ(settings.orientedLength(), 2100);
    settings.firstPage = 2;
    settings.lastPage = 3;
    EXPECT_FALSE(settings.pageInRange(1));
    EXPECT_TRUE(settings.pageInRange(2));
    EXPECT_TRUE(settings.pageInRange(3));
    EXPECT_FALSE(settings.pageInRange(4));
    settings.lastPage = 0;
    EXPECT_TRUE(settings.pageInRange(400));
}

} // namespace

// A placement moves and scales positions and sizes about the paper's corner; the default leaves them.
TEST(Units, PlacementMovesAndScalesTheMapping)
{
    TRpPrinter target(TRpPrinterDestination::PageStore, 254); // a native unit is a pixel
    EXPECT_EQ(target.DeviceX(1000), 1000);
    target.setPlacement({ .OffsetX = 20, .OffsetY = -15, .ScalePermille = 1100 });
    EXPECT_EQ(target.DeviceX(1000), 1120);
    EXPECT_EQ(target.DeviceY(1000), 1085);
    EXPECT_EQ(target.DeviceWidth(500), 550);
    EXPECT_EQ(target.DeviceHeight(100), 110);
    target.setPlacement({ .OffsetX = 0, .OffsetY = 0, .ScalePermille = 1005 }); // a tenth of a per cent
    EXPECT_EQ(target.DeviceX(2000), 2010);
    target.setPlacement({ .OffsetX = 0, .OffsetY = 0, .ScalePermille = 900 });
    EXPECT_EQ(target.DeviceX(0), 0);
    EXPECT_EQ(target.DeviceX(2970), 2673);
    // The paper itself stays as it is: only what is on it moves and scales.
    for (const int scale : { 900, 1100 }) {
        TRpPrinter scaled(TRpPrinterDestination::PageStore, 254);
        scaled.setPlacement({ .OffsetX = 0, .OffsetY = 0, .ScalePermille = scale });
        scaled.OpenDocument();
        scaled.NextPage();
        scaled.CloseDocument();
        const std::optional<report::TRpGeneratedPage> page = scaled.PageAt(1);
        ASSERT_TRUE(page) << scale;
        EXPECT_EQ(page->sizePx,
            QSize(
                int(scaled.deviceSettings().orientedWidth()), int(scaled.deviceSettings().orientedLength())))
            << scale;
    }
}
