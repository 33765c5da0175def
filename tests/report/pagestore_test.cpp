// SPDX-License-Identifier: GPL-2.0-or-later
// The page store: the stream's spill to a temporary file, the header and linked records, and fetching
// pages forward and backward.
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "report/rperror.h"
#include "report/rppagelist.h"
#include "report/rppagestore.h"
#include "report/rpprinter.h"
#include "report/rpstream.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace report;

namespace {

// A real EMF whose width tells the pages apart; `lines` grows its size.
QByteArray page(int width, int lines = 0)
{
    emf::EmfRecorder recorder(width, 100, 96);
    for (int i = 0; i < lines; ++i)
        recorder.line(i % width, 0, i % width, 99);
    return recorder.finish();
}

int widthOf(const QByteArray& bytes)
{
    return emf::inspectMetafile(bytes.constData(), bytes.size()).sizePx.width();
}

QByteArray streamBytes(TRpStream& stream)
{
    QByteArray all(stream.size(), Qt::Uninitialized);
    stream.seek(0);
    stream.readExact(all.data(), all.size());
    return all;
}

TEST(PageStore, OnePageLayout)
{
    TRpStream stream(TRpPrinter::MemoryLimit);
    TRpPageList list;
    list.setStream(&stream);
    const QByteArray emf = page(200);
    list.addPage(emf);
    list.finish();
    const QByteArray all = streamBytes(stream);
    ASSERT_EQ(all.size(), 128 + 12 + emf.size());
    EXPECT_EQ(qFromLittleEndian<quint16>(all.constData()), 3);
    EXPECT_EQ(qFromLittleEndian<quint16>(all.constData() + 2), 350);
    EXPECT_EQ(qFromLittleEndian<qint32>(all.constData() + 8), 1);
    EXPECT_GT(qFromLittleEndian<double>(all.constData() + 16), 40000.0); // written in this century
    EXPECT_EQ(all[25], 0);
    EXPECT_EQ(qFromLittleEndian<qint32>(all.constData() + 128), 1);
    EXPECT_EQ(qFromLittleEndian<qint32>(all.constData() + 132), all.size());
    EXPECT_EQ(all.mid(136, emf.size()), emf);
    EXPECT_EQ(qFromLittleEndian<qint32>(all.constData() + all.size() - 4), 128);
}

struct WalkRow {
    const char* name;
    int pageLines; // grows the pages so the store lives in memory or in a file
    std::vector<int> order;
};

class PageWalk : public ::testing::TestWithParam<WalkRow> { };

TEST_P(PageWalk, ReturnsTheRightPages)
{
    TRpStream stream(TRpPrinter::MemoryLimit);
    TRpPageList list;
    list.setStream(&stream);
    for (int n = 1; n <= 5; ++n)
        list.addPage(page(100 + n, GetParam().pageLines));
    list.finish();
    for (int n : GetParam().order) {
        const auto bytes = list.pageAt(n);
        ASSERT_TRUE(bytes.has_value()) << n;
        EXPECT_EQ(widthOf(*bytes), 100 + n) << "page " << n;
    }
    EXPECT_FALSE(list.pageAt(6).has_value());
    EXPECT_FALSE(list.pageAt(0).has_value());
}

INSTANTIATE_TEST_SUITE_P(PageStore, PageWalk,
    ::testing::Values(WalkRow { "ThreeTwoOneTwo", 0, { 3, 2, 1, 2 } },
        WalkRow { "MiddlePagesBothWays", 0, { 2, 4, 3, 2, 4, 4, 3 } },
        WalkRow { "AfterTheLastPage", 0, { 5, 3, 5, 2 } },
        WalkRow { "InAFile", 2000, { 3, 2, 1, 2, 4, 5, 3 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageStore, ThreePagesFetched3212ThroughThePrinter)
{
    TRpPrinter target(TRpPrinterDestination::PageStore, 96);
    int next = 0;
    target.setRecorderFactory([&](int, int h, int ppi) -> std::unique_ptr<TRpPageRecorder> {
        return createEmfPageRecorder(300 + ++next, h, ppi);
    });
    target.OpenDocument();
    for (int n = 0; n < 3; ++n)
        target.NextPage();
    target.CloseDocument();
    ASSERT_EQ(target.PagesAvailable(), 3);
    for (int n : { 3, 2, 1, 2 }) {
        const auto p = target.PageAt(n);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->sizePx.width(), 300 + n);
        EXPECT_EQ(widthOf(p->bytes), 300 + n);
    }
}

TEST(PageStore, PastTheLimitTheStoreMovesToATemporaryFileThatGoesWithIt)
{
    QString fileName;
    {
        auto stream = std::make_unique<TRpStream>(TRpPrinter::MemoryLimit);
        TRpPageList list;
        list.setStream(stream.get());
        const QByteArray big = page(640, 3000);
        ASSERT_GT(big.size(), 20000);
        int pages = 0;
        while (stream->size() + big.size() + 12 <= 100000) {
            list.addPage(big);
            ++pages;
        }
        EXPECT_FALSE(stream->inFile());
        list.addPage(big);
        ++pages;
        ASSERT_TRUE(stream->inFile());
        fileName = stream->fileName();
        EXPECT_TRUE(QFileInfo(fileName).fileName().startsWith(QStringLiteral("RPF")))
            << fileName.toStdString();
        EXPECT_TRUE(QFile::exists(fileName));
        EXPECT_EQ(QFileInfo(fileName).size(), stream->size());
        // Every page reads back from the file.
        for (int n = pages; n >= 1; --n)
            EXPECT_EQ(list.pageAt(n), big) << n;
        list.setStream(nullptr);
    }
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST(PageStore, ThePrinterFreesItsTemporaryFile)
{
    QString fileName;
    {
        TRpPrinter target(TRpPrinterDestination::PageStore, 96);
        target.setRecorderFactory([](int w, int h, int ppi) -> std::unique_ptr<TRpPageRecorder> {
            auto recorder = createEmfPageRecorder(w, h, ppi);
            for (int i = 0; i < 2000; ++i)
                recorder->canvas().line(i % w, 0, i % w, 20);
            return recorder;
        });
        target.OpenDocument();
        for (int n = 0; n < 6; ++n)
            target.NextPage();
        target.CloseDocument();
        ASSERT_TRUE(target.stream()->inFile());
        fileName = target.stream()->fileName();
        EXPECT_TRUE(QFile::exists(fileName));
        EXPECT_TRUE(target.PageAt(6).has_value());
    }
    EXPECT_FALSE(QFile::exists(fileName));
}

// Pages are found through the offsets kept as they were stored, never by following links; a record whose
// own numbers no longer agree with where it lies is damaged, and its neighbours still read.
TEST(PageStore, DamagedRecordsAreRejectedAndTheirNeighboursStillRead)
{
    TRpStream stream(TRpPrinter::MemoryLimit);
    TRpPageList list;
    list.setStream(&stream);
    for (int n = 1; n <= 5; ++n)
        list.addPage(page(100 + n));
    list.finish();
    stream.seek(132);
    const qint32 second = stream.readInt32();
    struct Damage {
        qint64 at;
        qint32 value;
    } damages[] = {
        { second + 4, second }, // the next-record offset points back at the record itself
        { second + 4, 0x7fffff00 }, // past the end
        { second, 3 }, // the page number of another page
    };
    for (const Damage& damage : damages) {
        stream.seek(damage.at);
        const qint32 was = stream.readInt32();
        stream.seek(damage.at);
        stream.writeInt32(damage.value);
        EXPECT_THROW(list.pageAt(2), ERpError) << damage.at << " " << damage.value;
        EXPECT_EQ(list.pageAt(3), page(103));
        stream.seek(damage.at);
        stream.writeInt32(was);
    }
    EXPECT_EQ(list.pageAt(2), page(102));
}

TEST(PageStore, AMetafileHeaderLongerThanItsRecordIsAReadError)
{
    TRpStream stream(TRpPrinter::MemoryLimit);
    TRpPageList list;
    list.setStream(&stream);
    QByteArray emf = page(100);
    list.addPage(emf);
    // The EMF header's byte count (offset 48 of the header record) claims more than the record holds.
    stream.seek(136 + 48);
    stream.writeInt32(emf.size() + 400);
    EXPECT_ANY_THROW(list.pageAt(1));
}

TEST(PageStore, StreamReadsAndWritesAcrossTheSpill)
{
    TRpStream stream(10);
    stream.write("0123456789", 10);
    EXPECT_FALSE(stream.inFile());
    stream.seek(4);
    stream.write("abcdefgh", 8); // now 12 bytes: past the limit
    EXPECT_TRUE(stream.inFile());
    EXPECT_EQ(stream.size(), 12);
    EXPECT_EQ(streamBytes(stream), QByteArray("0123abcdefgh"));
    char c;
    stream.seek(100);
    EXPECT_EQ(stream.pos(), 12);
    EXPECT_EQ(stream.read(&c, 1), 0);
    EXPECT_THROW(stream.readInt32(), ERpError);
}

} // namespace

namespace {

// Points the temporary folder at one that takes no files, for one test.
class UnwritableTemp {
public:
    UnwritableTemp()
        : m_old(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", "/proc"); // a folder, but no file can be created there, even by root
    }
    ~UnwritableTemp()
    {
        if (m_old.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_old);
    }

private:
    QByteArray m_old;
};

TEST(PageStore, AFailedSpillIsReportedAndThePagesBeforeItStayReadable)
{
    TRpStream stream(TRpPrinter::MemoryLimit);
    TRpPageList list;
    list.setStream(&stream);
    const QByteArray big = page(640, 3000);
    int pages = 0;
    while (stream.size() + big.size() + 12 <= 100000) {
        list.addPage(big);
        ++pages;
    }
    {
        UnwritableTemp temp;
        try {
            list.addPage(big);
            FAIL() << "the spill cannot succeed";
        } catch (const ERpError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot create file \""))) << e.what();
        }
    }
    EXPECT_EQ(list.pageCount(), pages);
    EXPECT_FALSE(stream.inFile());
    for (int n : { pages, 1, pages })
        EXPECT_EQ(list.pageAt(n), big) << n;
    list.addPage(big); // with a usable folder the same page spills normally
    EXPECT_TRUE(stream.inFile());
    EXPECT_EQ(list.pageAt(pages + 1), big);
    EXPECT_EQ(list.pageAt(1), big);
}

} // namespace

// A store saves to any device and loads from one: a report file kept in memory comes back page for page,
// and a damaged one is refused before it replaces anything.
TEST(PageStore, SavesToAndLoadsFromADeviceInMemory)
{
    TRpPageStore store(TRpPrinter::MemoryLimit, false);
    for (int width : { 100, 200, 300 })
        store.addPage(page(width, 2000)); // past the memory limit: the store spills to its file
    store.finish();
    ASSERT_TRUE(store.stream().inFile());
    QByteArray bytes;
    {
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        store.save(out);
    }
    EXPECT_EQ(bytes, streamBytes(store.stream()));

    TRpPrinter printer(TRpPrinterDestination::PageStore, 96);
    auto in = std::make_unique<QBuffer>();
    in->setData(bytes);
    in->open(QIODevice::ReadOnly);
    printer.Load(std::move(in));
    ASSERT_EQ(printer.PagesStarted(), 3);
    EXPECT_TRUE(printer.loadedFromFile());
    for (int n : { 3, 1, 2 })
        EXPECT_EQ(widthOf(printer.PageAt(n)->bytes), 100 * n) << n;

    auto damaged = std::make_unique<QBuffer>();
    damaged->setData(bytes.left(bytes.size() - 10));
    damaged->open(QIODevice::ReadOnly);
    // Cut short in its last page, the file still shows the pages before it, and names the lost one.
    printer.Load(std::move(damaged));
    EXPECT_EQ(printer.PagesStarted(), 2);
    EXPECT_EQ(widthOf(printer.PageAt(2)->bytes), 200);
    EXPECT_TRUE(printer.pageStore()->damage().startsWith(QStringLiteral("Pages 3 to 3")));
}
