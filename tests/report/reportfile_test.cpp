// SPDX-License-Identifier: GPL-2.0-or-later
// Report files: the saved bytes and their fields, save -> load -> save, the paper guess, and files
// that are short, badly linked or miscounted, which are refused with a message.
#include "emf/metafile.h"
#include "report/rperror.h"
#include "report/rppagelist.h"
#include "report/rpreportfile.h"
#include "report/rpstream.h"
#include "support/pagestores.h"

#include <QDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace report;
using namespace testsupport;

namespace {

QByteArray storeBytes(TRpPrinter& printer)
{
    TRpStream& s = *printer.stream();
    QByteArray all(s.size(), Qt::Uninitialized);
    s.seek(0);
    s.readExact(all.data(), all.size());
    return all;
}

qint32 int32At(const QByteArray& bytes, qint64 offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

void putInt32(QByteArray& bytes, qint64 offset, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + offset);
}

TEST(ReportFile, AOnePageReportIs128Plus12PlusTheMetafile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("one.RPF"));
    auto store = finishedStore(1);
    store->Save(name);
    const QByteArray file = readFile(name);
    const QByteArray emf = store->PageAt(1)->bytes;
    ASSERT_EQ(file.size(), 128 + 12 + emf.size());
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData()), 3);
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 2), 350);
    EXPECT_EQ(int32At(file, 8), 1);
    EXPECT_EQ(file[25], 0);
    EXPECT_EQ(int32At(file, 128), 1);
    EXPECT_EQ(int32At(file, 132), file.size());
    EXPECT_EQ(file.mid(136, emf.size()), emf);
    EXPECT_EQ(int32At(file, file.size() - 4), 128);
    EXPECT_EQ(file, storeBytes(*store)); // byte for byte the store
}

TEST(ReportFile, SaveLoadSaveGivesTheSameBytes)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.RPF"));
    const QString second = dir.filePath(QStringLiteral("second.RPF"));
    finishedStore(3)->Save(first);
    TRpPrinter loaded(TRpPrinterDestination::PageStore, 96);
    loaded.Load(first);
    EXPECT_EQ(loaded.status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(loaded.PagesStarted(), 3);
    EXPECT_TRUE(loaded.loadedFromFile());
    loaded.Save(second);
    EXPECT_EQ(readFile(second), readFile(first));
    // The pages read back in any order.
    for (int n : { 3, 1, 2, 3 })
        EXPECT_TRUE(loaded.PageAt(n).has_value()) << n;
}

TEST(ReportFile, SavingOverAnExistingFileReplacesIt)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("old.RPF"));
    writeFile(name, QByteArray(50000, 'x'));
    auto store = finishedStore(1);
    store->Save(name);
    EXPECT_EQ(readFile(name), storeBytes(*store));
}

TEST(ReportFile, NothingIsWrittenWhileThePagesAreNotFinished)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("none.RPF"));
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    store.Save(name); // ready
    store.OpenDocument();
    store.NextPage();
    store.Save(name); // generating
    EXPECT_FALSE(QFile::exists(name));
    store.CloseDocument();
}

TEST(ReportFile, AFileThatCannotBeCreatedIsReportedAndNothingIsLeft)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("missing/folder/x.RPF"));
    auto store = finishedStore(1);
    try {
        store->Save(name);
        FAIL() << "no error";
    } catch (const ERpError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(name)))
            << e.what();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(ReportFile, AFileThatDoesNotOpenIsReported)
{
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    try {
        store.Load(QStringLiteral("/nonexistent/x.RPF"));
        FAIL() << "no error";
    } catch (const ERpError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot open file \"/nonexistent/x.RPF\". ")))
            << e.what();
    }
    EXPECT_EQ(store.status(), TRpPrinterStatus::Ready);
}

struct GuessRow {
    const char* name;
    QSize pagePx;
    bool anyPaper; // false: only the papers a page store takes
    std::optional<TRpPaperGuess> expected;
};

class PaperGuess : public ::testing::TestWithParam<GuessRow> { };

TEST_P(PaperGuess, NearestPaperWithin2Mm)
{
    const auto accepts = GetParam().anyPaper ? std::function<bool(TRpPaperSize)>() : &pageStoreAcceptsPaper;
    EXPECT_EQ(guessPaper(GetParam().pagePx, 96 / 254.0L, accepts), GetParam().expected);
}

// Pixels at 96 ppi: millimetres x 96 / 25.4, rounded as a writer rounds them.
constexpr TRpPaperGuess portrait(TRpPaperSize size)
{
    return { size, poPortrait };
}
constexpr TRpPaperGuess landscape(TRpPaperSize size)
{
    return { size, poLandscape };
}
using PS = TRpPaperSize;

INSTANTIATE_TEST_SUITE_P(ReportFile, PaperGuess,
    ::testing::Values(GuessRow { "A4Landscape", { 1123, 794 }, false, landscape(PS::A4) },
        GuessRow { "A4Portrait", { 794, 1123 }, false, portrait(PS::A4) },
        // A4Small is the same sheet: the first of the table wins even where it is taken.
        GuessRow { "A4WhereEveryPaperIsTaken", { 1123, 794 }, true, landscape(PS::A4) },
        // 148 mm are 559.4 px: a page of 559 px is 147.9 mm, nearest to A5, not below it.
        GuessRow { "A5Portrait", { 559, 794 }, false, portrait(PS::A5) },
        GuessRow { "A5Landscape", { 794, 559 }, false, landscape(PS::A5) },
        // 420 mm are 1587.4 px.
        GuessRow { "A3Portrait", { 1123, 1587 }, false, portrait(PS::A3) },
        GuessRow { "A3Landscape", { 1587, 1123 }, false, landscape(PS::A3) },
        GuessRow { "A3RoundedUp", { 1588, 1123 }, false, landscape(PS::A3) },
        // 8.5 x 11 in; Note is the same sheet and comes later.
        GuessRow { "LetterPortrait", { 816, 1056 }, false, portrait(PS::Letter) },
        GuessRow { "LetterLandscape", { 1056, 816 }, false, landscape(PS::Letter) },
        GuessRow { "LegalPortrait", { 816, 1344 }, false, portrait(PS::Legal) },
        GuessRow { "LegalLandscape", { 1344, 816 }, false, landscape(PS::Legal) },
        // 7.25 x 10.5 in.
        GuessRow { "ExecutivePortrait", { 696, 1008 }, false, portrait(PS::Executive) },
        GuessRow { "ExecutiveLandscape", { 1008, 696 }, false, landscape(PS::Executive) },
        // 3 mm wider than A4 is no A4.
        GuessRow { "ThreeMillimetresOff", { 805, 1123 }, false, std::nullopt },
        GuessRow { "NoPaperOfThatSize", { 300, 300 }, false, std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportFile, LoadGuessesA4LandscapeFromPageOne)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("a4.RPF"));
    finishedStore(1)->Save(name);
    TRpPrinter loaded(TRpPrinterDestination::PageStore, 96);
    loaded.deviceSettings().setPaper(TRpPaperSize::Letter);
    loaded.deviceSettings().orientation = poPortrait;
    loaded.printerSetupHook = [] {};
    loaded.Load(name);
    EXPECT_EQ(loaded.deviceSettings().paperSize, TRpPaperSize::A4);
    EXPECT_EQ(loaded.deviceSettings().orientation, poLandscape);
    EXPECT_EQ(loaded.deviceSettings().orientedWidth(), 2970);
    EXPECT_FALSE(loaded.printerSetupHook);
}

TEST(ReportFile, AFileWithoutPagesKeepsThePaper)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("empty.RPF"));
    QByteArray header(128, '\0');
    writeFile(name, header);
    TRpPrinter loaded(TRpPrinterDestination::PageStore, 96);
    loaded.deviceSettings().setPaper(TRpPaperSize::Letter);
    loaded.Load(name);
    EXPECT_EQ(loaded.PagesStarted(), 0);
    EXPECT_EQ(loaded.status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(loaded.deviceSettings().paperSize, TRpPaperSize::Letter);
    EXPECT_FALSE(loaded.PageAt(1).has_value());
}

TEST(ReportFile, TheLoadedFileStaysReadableByOthersAndUnchanged)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("shared.RPF"));
    finishedStore(2)->Save(name);
    const QByteArray before = readFile(name);
    TRpPrinter loaded(TRpPrinterDestination::PageStore, 96);
    loaded.Load(name);
    EXPECT_EQ(readFile(name), before);
    loaded.PageAt(2);
    loaded.PageAt(1);
    EXPECT_EQ(readFile(name), before);
}

// A damaged copy of a good two-page file.
struct DamageRow {
    const char* name;
    void (*damage)(QByteArray& file);
    const char* message; // part of the message
};

// The damaged copy, written beside the good file in dir.
QString damagedCopy(const QTemporaryDir& dir, const DamageRow& row)
{
    const QString good = dir.filePath(QStringLiteral("good.RPF"));
    const QString bad = dir.filePath(QStringLiteral("bad.RPF"));
    finishedStore(2)->Save(good);
    QByteArray bytes = readFile(good);
    row.damage(bytes);
    writeFile(bad, bytes);
    return bad;
}

class DamagedFile : public ::testing::TestWithParam<DamageRow> { };

TEST_P(DamagedFile, IsRefusedWithAMessage)
{
    QTemporaryDir dir;
    const QString bad = damagedCopy(dir, GetParam());

    auto store = finishedStore(1);
    const QByteArray shown = store->PageAt(1)->bytes;
    try {
        store->Load(bad);
        FAIL() << "accepted";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().message))) << e.what();
    }
    // The store keeps what it held: a failed load takes nothing away.
    EXPECT_EQ(store->status(), TRpPrinterStatus::Finished);
    EXPECT_FALSE(store->loadedFromFile());
    EXPECT_EQ(store->PagesStarted(), 1);
    ASSERT_TRUE(store->PageAt(1).has_value());
    EXPECT_EQ(store->PageAt(1)->bytes, shown);
}

INSTANTIATE_TEST_SUITE_P(ReportFile, DamagedFile,
    ::testing::Values(DamageRow { "Empty", [](QByteArray& f) { f.clear(); }, "shorter than its header" },
        DamageRow {
            "ShorterThanTheHeader", [](QByteArray& f) { f.truncate(127); }, "shorter than its header" },
        DamageRow { "TruncatedInARecordHead", [](QByteArray& f) { f.truncate(136); }, "runs past the end" },
        DamageRow { "CountTooLow", [](QByteArray& f) { putInt32(f, 8, 1); }, "does not match" },
        DamageRow { "NegativeCount", [](QByteArray& f) { putInt32(f, 8, -1); }, "negative" },
        DamageRow {
            "LinkPastTheEnd", [](QByteArray& f) { putInt32(f, 132, f.size() + 1000); }, "outside the file" },
        DamageRow { "LinkBackwards", [](QByteArray& f) { putInt32(f, 132, 100); }, "outside the file" },
        DamageRow { "WrongPageNumber", [](QByteArray& f) { putInt32(f, 128, 7); }, "page number 7" },
        DamageRow {
            "WrongOwnOffset", [](QByteArray& f) { putInt32(f, int32At(f, 132) - 4, 0); }, "own offset" },
        DamageRow { "NotAMetafile", [](QByteArray& f) { f[136] = 'X'; }, "page 1 is not a metafile" }),
    [](const auto& info) { return std::string(info.param.name); });

// A file damaged after its first good page shows the pages it can and names the ones it cannot.
class PartlyDamagedFile : public ::testing::TestWithParam<DamageRow> { };

TEST_P(PartlyDamagedFile, ShowsWhatCanBeRead)
{
    QTemporaryDir dir;
    const QString bad = damagedCopy(dir, GetParam());
    const QString damage = QString::fromUtf8(GetParam().message);
    const int pages = damage.contains(QLatin1String("Pages 2")) ? 1 : 2;
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    store.Load(bad);
    EXPECT_EQ(store.PagesStarted(), pages);
    EXPECT_TRUE(store.PageAt(pages).has_value());
    EXPECT_TRUE(store.pageStore()->damage().startsWith(damage)) << store.pageStore()->damage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(ReportFile, PartlyDamagedFile,
    ::testing::Values(
        DamageRow { "TruncatedInTheSecondPage", [](QByteArray& f) { f.chop(100); },
            "Pages 2 to 2 of the report file cannot be read, only the first 1 are shown: The report "
            "file is damaged: page record 2 points outside the file" },
        DamageRow { "SecondPictureNoMetafile", [](QByteArray& f) { f[int32At(f, 132) + 8] = 'X'; },
            "Pages 2 to 2 of the report file cannot be read, only the first 1 are shown: the picture of page "
            "2" },
        DamageRow { "CountTooHigh", [](QByteArray& f) { putInt32(f, 8, 3); },
            "Pages 3 to 3 of the report file cannot be read, only the first 2 are shown" },
        DamageRow { "GarbageAfterTheRecords", [](QByteArray& f) { f.append(QByteArray(40, '\x01')); },
            "The report file holds more than its 2 pages" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportFile, AFolderIsNoReportFile)
{
    QTemporaryDir dir;
    TRpPrinter store(TRpPrinterDestination::PageStore, 96);
    EXPECT_THROW(store.Load(dir.path()), ERpError);
    EXPECT_EQ(store.status(), TRpPrinterStatus::Ready);
}

} // namespace
