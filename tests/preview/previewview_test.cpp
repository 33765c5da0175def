// SPDX-License-Identifier: GPL-2.0-or-later
// The page view and the page image: zoom figures and modes, placing and centring the page,
// navigation rules, attaching a page store, and the painted sheet with frame and shadow.
#include "preview/rppreview.h"
#include "preview/rppreviewicons.h"
#include "preview/rppreviewimage.h"
#include "previewsupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace report;
using namespace preview;
using namespace previewtest;

namespace {

struct ZoomRow {
    const char* name;
    QSize view;
    void (*apply)(TRpPreview&);
    int zoom;
    TRpZoomMode mode;
};

class ZoomFigures : public ::testing::TestWithParam<ZoomRow> { };

TEST_P(ZoomFigures, OfAnA4LandscapePage)
{
    auto store = finishedStore(1);
    TRpPreview view;
    view.setPrinter(store.get());
    view.resize(GetParam().view);
    ASSERT_EQ(view.fullPageWidth(), 1123);
    ASSERT_EQ(view.fullPageLength(), 794);
    GetParam().apply(view);
    EXPECT_EQ(view.Zoom(), GetParam().zoom);
    EXPECT_EQ(view.zoomMode(), GetParam().mode);
    EXPECT_EQ(view.image()->zoom(), view.Zoom());
    EXPECT_EQ(view.image()->width(), view.pageWidthAt(view.Zoom()) + 4);
    EXPECT_EQ(view.image()->height(), view.pageLengthAt(view.Zoom()) + 4);
}

INSTANTIATE_TEST_SUITE_P(PreviewView, ZoomFigures,
    ::testing::Values(
        // min(R(1000 / 1123 x 95), R(700 / 794 x 95)) = min(R(84.59), R(83.75)) = 84
        ZoomRow { "WholePageOn1000x700", { 1000, 700 }, [](TRpPreview& v) { v.zoomToFit(); }, 84,
            TRpZoomMode::WholePage },
        // R(1000 / 1123 x 90) = R(80.14) = 80
        ZoomRow { "PageWidthOn1000x700", { 1000, 700 }, [](TRpPreview& v) { v.zoomToWidth(); }, 80,
            TRpZoomMode::PageWidth },
        ZoomRow { "WholePageLimitedByWidth", { 600, 900 }, [](TRpPreview& v) { v.zoomToFit(); }, 51,
            TRpZoomMode::WholePage },
        ZoomRow { "Normal", { 1000, 700 }, [](TRpPreview& v) { v.zoom100(); }, 100, TRpZoomMode::Fixed },
        ZoomRow { "LowestZoom", { 1000, 700 }, [](TRpPreview& v) { v.setZoom(2); }, 2, TRpZoomMode::Fixed },
        ZoomRow {
            "HighestZoom", { 1000, 700 }, [](TRpPreview& v) { v.setZoom(2000); }, 2000, TRpZoomMode::Fixed },
        ZoomRow { "BelowTheLimitIsIgnored", { 1000, 700 },
            [](TRpPreview& v) {
                v.zoomToWidth();
                v.setZoom(1);
            },
            80, TRpZoomMode::PageWidth },
        ZoomRow { "AboveTheLimitIsIgnored", { 1000, 700 },
            [](TRpPreview& v) {
                v.setZoom(150);
                v.setZoom(2001);
            },
            150, TRpZoomMode::Fixed }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreviewView, PageSizesAtAZoomRoundHalfToEven)
{
    auto store = finishedStore(1);
    TRpPreview view;
    view.setPrinter(store.get());
    // 2970 x 0.84 x 96 / 254 = 942.99; 2100 x 0.84 x 96 / 254 = 666.71
    EXPECT_EQ(view.pageWidthAt(84), 943);
    EXPECT_EQ(view.pageLengthAt(84), 667);
    EXPECT_EQ(view.pageWidthAt(200), 2245);
}

TEST(PreviewView, ANarrowPageIsCentredAndAWidePageStartsAtTheLeftEdge)
{
    auto store = finishedStore(1);
    TRpPreview view;
    view.setPrinter(store.get());
    view.resize(1000, 700);
    view.show();
    view.setZoom(50);
    // 561 + 4 pixels wide: (1000 - 565) div 2 = 217; 397 + 4 high: (700 - 401) div 2 = 149
    EXPECT_EQ(view.image()->geometry(), QRect(217, 149, 565, 401));
    view.setZoom(200);
    EXPECT_EQ(view.image()->pos(), QPoint(0, 0));
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
}

TEST(PreviewView, ResizingReappliesWholePageAndPageWidthButKeepsAFixedZoom)
{
    auto store = finishedStore(1);
    TRpPreview view;
    view.setPrinter(store.get());
    view.show();
    view.resize(1000, 700);
    view.zoomToFit();
    view.resize(600, 900);
    EXPECT_EQ(view.Zoom(), 51);
    EXPECT_EQ(view.zoomMode(), TRpZoomMode::WholePage);

    view.zoomToWidth();
    view.resize(1000, 700);
    EXPECT_EQ(view.Zoom(), 80);

    view.zoom100();
    view.resize(1400, 900);
    EXPECT_EQ(view.Zoom(), 100);
    // Re-centred: (1400 - 1127) div 2 = 136, (900 - 798) div 2 = 51.
    EXPECT_EQ(view.image()->pos(), QPoint(136, 51));
}

TEST(PreviewView, AttachingMakesTheViewTheClientAndShowsPageOne)
{
    auto store = finishedStore(2);
    {
        TRpPreview view;
        view.setPrinter(store.get());
        EXPECT_EQ(store->client(), &view);
        EXPECT_TRUE(store->previewShown());
        EXPECT_EQ(view.PageNumber(), 1);
        EXPECT_TRUE(view.image()->hasPicture());
        EXPECT_EQ(view.image()->picture()->sizePx, QSize(1123, 794));
    }
    // The view is gone: the client is removed and the mark cleared.
    EXPECT_EQ(store->client(), nullptr);
    EXPECT_FALSE(store->previewShown());
}

struct NavigationRow {
    const char* name;
    int from;
    void (*go)(TRpPreview&);
    int to;
};

class Navigation : public ::testing::TestWithParam<NavigationRow> { };

TEST_P(Navigation, MovesWithinThePagesBegun)
{
    auto store = finishedStore(3);
    TRpPreview view;
    view.setPrinter(store.get());
    view.setPageNumber(GetParam().from);
    ASSERT_EQ(view.PageNumber(), GetParam().from);
    GetParam().go(view);
    EXPECT_EQ(view.PageNumber(), GetParam().to);
    EXPECT_EQ(view.image()->pageNumber(), GetParam().to);
    EXPECT_TRUE(view.image()->hasPicture());
}

INSTANTIATE_TEST_SUITE_P(PreviewView, Navigation,
    ::testing::Values(NavigationRow { "Next", 1, [](TRpPreview& v) { v.nextPage(); }, 2 },
        NavigationRow { "NextOnTheLastPage", 3, [](TRpPreview& v) { v.nextPage(); }, 3 },
        NavigationRow { "Previous", 3, [](TRpPreview& v) { v.previousPage(); }, 2 },
        NavigationRow { "PreviousOnPageOne", 1, [](TRpPreview& v) { v.previousPage(); }, 1 },
        NavigationRow { "First", 3, [](TRpPreview& v) { v.firstPage(); }, 1 },
        NavigationRow { "Last", 1, [](TRpPreview& v) { v.lastPage(); }, 3 },
        NavigationRow { "BeyondThePagesBegun", 2, [](TRpPreview& v) { v.setPageNumber(4); }, 2 },
        NavigationRow { "PageZero", 2, [](TRpPreview& v) { v.setPageNumber(0); }, 2 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreviewView, ChangingThePageScrollsToTheTopLeftCorner)
{
    auto store = finishedStore(2);
    TRpPreview view;
    view.setPrinter(store.get());
    view.resize(500, 400);
    view.show();
    view.setZoom(300);
    view.horizontalScrollBar()->setValue(200);
    view.verticalScrollBar()->setValue(200);
    view.nextPage();
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
}

TEST(PreviewView, WithoutAPrinterNothingMoves)
{
    TRpPreview view;
    view.nextPage();
    view.lastPage();
    EXPECT_EQ(view.PageNumber(), 1);
    EXPECT_FALSE(view.image()->hasPicture());
}

TEST(PreviewView, AnAnnouncedPageIsShownAtPageWidth)
{
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    store.deviceSettings().setPaper(TRpPaperSize::A4);
    store.deviceSettings().orientation = poLandscape;
    TRpPreview view;
    view.resize(1000, 700);
    view.setPrinter(&store);
    view.setZoom(150);
    std::vector<int> raised;
    QObject::connect(&view, &TRpPreview::OnPageAvailable, [&](int n) { raised.push_back(n); });
    store.OpenDocument();
    store.NextPage();
    store.CloseDocument();
    EXPECT_FALSE(view.image()->hasPicture()); // the notification is queued
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, std::vector<int> { 1 });
    EXPECT_TRUE(view.image()->hasPicture());
    EXPECT_EQ(view.zoomMode(), TRpZoomMode::PageWidth);
    EXPECT_EQ(view.Zoom(), 80);
}

TEST(PreviewView, DetachingWhileGeneratingCancelsTheRun)
{
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    auto view = std::make_unique<TRpPreview>();
    view->setPrinter(&store);
    store.OpenDocument();
    store.NextPage();
    view.reset();
    EXPECT_TRUE(store.cancelled());
    store.AbortDocument();
}

// The painted image: white sheet, black frame, shadow, the page's own black bar, at ratio 1 and 2.
class ImagePainting : public ::testing::TestWithParam<qreal> { };

TEST_P(ImagePainting, SheetFrameShadowAndPage)
{
    const qreal ratio = GetParam();
    auto store = finishedStore(1);
    TRpPreviewImage image;
    image.resize(1127, 798); // the page at 100 % with frame and shadow
    image.loadPage(store.get(), 1);
    ASSERT_TRUE(image.hasPicture());
    const QImage painted = image.render(ratio).toImage();
    ASSERT_EQ(painted.size(), QSize(1127, 798) * ratio);
    const auto at = [&](int x, int y) { return painted.pixelColor(int(x * ratio), int(y * ratio)); };
    EXPECT_EQ(at(0, 0), QColor(Qt::black)); // frame corner
    EXPECT_EQ(at(0, 400), QColor(Qt::black)); // left frame line
    EXPECT_EQ(at(1124, 400), QColor(Qt::black)); // right frame line at w - 3
    EXPECT_EQ(at(1126, 797), QColor(Qt::black)); // shadow corner
    EXPECT_EQ(at(1126, 0).alpha(), 0); // outside the shadow the view shows through
    EXPECT_EQ(at(0, 797).alpha(), 0);
    EXPECT_EQ(at(50, 50), QColor(Qt::white)); // the sheet
    EXPECT_EQ(at(150, 400), QColor(Qt::black)); // the page's bar from (100, 100) to (300, 700)
    EXPECT_EQ(at(350, 400), QColor(Qt::white));
    if (ratio == 2) {
        // Drawn at device resolution: the bar's left edge is sharp to the device pixel.
        EXPECT_EQ(painted.pixelColor(199, 800), QColor(Qt::white));
        EXPECT_EQ(painted.pixelColor(201, 800), QColor(Qt::black));
    }
}

INSTANTIATE_TEST_SUITE_P(PreviewView, ImagePainting, ::testing::Values(1.0, 2.0),
    [](const auto& info) { return info.param == 1.0 ? std::string("Ratio1") : std::string("Ratio2"); });

TEST(PreviewView, AnImageWithoutAPicturePaintsNothing)
{
    TRpPreviewImage image;
    image.resize(100, 80);
    image.loadPage(nullptr, 1);
    const QImage painted = image.render(1).toImage();
    EXPECT_EQ(painted.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(painted.pixelColor(50, 40).alpha(), 0);
}

TEST(PreviewView, ElevenDistinctPicturesOf16By16)
{
    std::vector<QImage> pictures;
    for (int i = 0; i < PreviewPictureCount; ++i) {
        const QPixmap p = previewPicture(TRpPreviewPicture(i));
        ASSERT_EQ(p.size(), QSize(16, 16));
        EXPECT_EQ(previewPicture(TRpPreviewPicture(i), 2).size(), QSize(32, 32));
        pictures.push_back(p.toImage());
    }
    for (int i = 0; i < PreviewPictureCount; ++i) {
        for (int j = i + 1; j < PreviewPictureCount; ++j)
            EXPECT_NE(pictures[i], pictures[j]) << i << " and " << j;
    }
}

} // namespace
