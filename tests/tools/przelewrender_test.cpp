// SPDX-License-Identifier: GPL-2.0-or-later
// The command-line renderer, run as a user runs it: exit codes, messages, and the files it writes.
#include "emf/metafile.h"
#include "support/renderprocess.h"
#include "tools/renderjob.h"
#include "transfer/transferlog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <future>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// The renderer's job run in this process, as its main runs it.
RenderRun renderHere(const QStringList& args)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = tools::runRender(args, outStream, errStream);
    return { status, out, err };
}

} // namespace

TEST(PrzelewRender, BadArgumentsGiveUsageAndTwo)
{
    const QStringList cases[] = {
        {},
        { sample() },
        { sample(), QStringLiteral("out.txt") },
        { QStringLiteral("--dpi"), QStringLiteral("0"), sample(), QStringLiteral("out.png") },
        { QStringLiteral("--dpi") },
        { QStringLiteral("--colour"), sample(), QStringLiteral("out.png") },
        { QStringLiteral("--scale=100.55"), sample(), QStringLiteral("out.png") },
        { QStringLiteral("--scale=110.1"), sample(), QStringLiteral("out.png") },
    };
    for (const QStringList& args : cases) {
        const RenderRun run = renderHere(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: przelew-render"))) << run.err.toStdString();
    }
}

TEST(PrzelewRender, OptionsTakeTheirValueAfterABlankOrAnEqualsSign)
{
    QTemporaryDir dir;
    const QString spaced = dir.filePath(QStringLiteral("spaced.png"));
    const QString joined = dir.filePath(QStringLiteral("joined.png"));
    ASSERT_EQ(render({ QStringLiteral("--dpi"), QStringLiteral("48"), QStringLiteral("--payer-account"),
                         QStringLiteral("12 3456"), sample(), spaced })
                  .exitCode,
        0);
    ASSERT_EQ(
        render({ QStringLiteral("--dpi=48"), QStringLiteral("--payer-account=12 3456"), sample(), joined })
            .exitCode,
        0);
    EXPECT_EQ(QImage(spaced).size(), QSize(562, 397));
    EXPECT_EQ(QImage(joined), QImage(spaced));
    const RenderRun bad = render({ QStringLiteral("--dpi=5"), sample(), joined });
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--dpi takes a whole number from 24 to 1200")))
        << bad.err.toStdString();
}

TEST(PrzelewRender, HelpDocumentsTheFormats)
{
    const RenderRun run = renderHere({ QStringLiteral("--help") });
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
        { ".rpf", ".emf", ".png", ".pdf", "--payer-account", "--dpi", "--accept-bad-accounts" })
        EXPECT_TRUE(run.out.contains(QLatin1String(word))) << word;
}

TEST(PrzelewRender, UnreadableInputOrUnwritableOutputGivesOne)
{
    QTemporaryDir dir;
    const RenderRun missing
        = render({ dir.filePath(QStringLiteral("none.txt")), dir.filePath(QStringLiteral("out.png")) });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Cannot open file"))) << missing.err.toStdString();

    const RenderRun unwritable = render({ sample(), dir.filePath(QStringLiteral("no/such/folder/out.emf")) });
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("Cannot create file")))
        << unwritable.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("no/such/folder/out.emf"))));
}

TEST(PrzelewRender, WritesEveryFormat)
{
    QTemporaryDir dir;
    const QString rpf = dir.filePath(QStringLiteral("t.rpf"));
    const QString emf = dir.filePath(QStringLiteral("t.emf"));
    const QString png = dir.filePath(QStringLiteral("t.png"));
    const QString png300 = dir.filePath(QStringLiteral("t300.png"));
    const QString pdf = dir.filePath(QStringLiteral("t.pdf"));
    ASSERT_EQ(render({ sample(), rpf }).exitCode, 0);
    ASSERT_EQ(render({ sample(), emf }).exitCode, 0);
    ASSERT_EQ(render({ sample(), png }).exitCode, 0);
    ASSERT_EQ(render({ QStringLiteral("--dpi"), QStringLiteral("300"), sample(), png300 }).exitCode, 0);
    ASSERT_EQ(render({ sample(), pdf }).exitCode, 0);

    // The EMF is one complete A4 landscape page at 96 ppi; the report file holds it as its one record.
    const QByteArray page = readAll(emf);
    const emf::MetafileInfo info = emf::inspectMetafile(page.constData(), page.size());
    EXPECT_EQ(info.sizePx, QSize(1123, 794));
    EXPECT_EQ(info.byteLength, page.size());
    const QByteArray store = readAll(rpf);
    ASSERT_EQ(store.size(), 128 + 12 + page.size());
    EXPECT_EQ(qFromLittleEndian<qint32>(store.constData() + 8), 1);
    EXPECT_EQ(store.mid(136, page.size()), page);

    // The PNG is white paper with copy B's silver background; at 300 dpi it scales.
    const QImage image(png);
    EXPECT_EQ(image.size(), QSize(1123, 794));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(900, 320), qRgb(192, 192, 192));
    EXPECT_EQ(QImage(png300).size(), QSize(3509, 2481));

    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
}

TEST(PrzelewRender, PayerAccountReachesTheRecord)
{
    QTemporaryDir dir;
    const QString with = dir.filePath(QStringLiteral("with.emf"));
    const QString without = dir.filePath(QStringLiteral("without.emf"));
    ASSERT_EQ(render({ QStringLiteral("--payer-account"), QStringLiteral("12345678901234567890123456"),
                         sample(), with })
                  .exitCode,
        0);
    ASSERT_EQ(render({ sample(), without }).exitCode, 0);
    EXPECT_NE(readAll(with), readAll(without));
    // The payer account is spaced out like every value: "1  2  3 ..." in UTF-16 in the page's text records.
    const QByteArray spaced
        = QByteArray::fromRawData(reinterpret_cast<const char*>(u"1  2  3  4"), 10 * sizeof(char16_t));
    EXPECT_TRUE(readAll(with).contains(spaced));
    // The amount of the file, read with the Polish decimal comma, is spaced out too.
    const QByteArray amount = QByteArray::fromRawData(
        reinterpret_cast<const char*>(u"1  2  3  4  ,  5  6"), 19 * sizeof(char16_t));
    EXPECT_TRUE(readAll(without).contains(amount));
}

namespace {

// The pages a saved report file counts in its header.
int pageCount(const QString& rpf)
{
    const QByteArray bytes = readAll(rpf);
    return bytes.size() >= 12 ? qFromLittleEndian<qint32>(bytes.constData() + 8) : -1;
}

// A value as the form spaces it into its cells, in UTF-16 as the page's text records hold it.
QByteArray spacedText(const QString& text)
{
    QString spaced;
    for (QChar c : text)
        spaced += c + QStringLiteral("  ");
    return QByteArray(reinterpret_cast<const char*>(spaced.utf16()), spaced.size() * 2);
}

QString writeCsv(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// A valid recipient account, for the transfers whose test is about something else.
constexpr char Account[] = "61 1090 1014 0000 0712 1981 2874";

// A CSV of transfers: every row gets the valid account in a last column unless the header names one.
QString writeTransfersCsv(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    if (bytes.contains("NDKonto"))
        return writeCsv(dir, name, bytes);
    QByteArray withAccount;
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.isEmpty())
            withAccount += line.chopped(line.endsWith('\r') ? 1 : 0)
                + (withAccount.isEmpty() ? QByteArray(";NDKonto") : QByteArray(";") + Account) + "\n";
    }
    return writeCsv(dir, name, withAccount);
}

} // namespace

// Every path reads an amount one way under every desktop language, and the page shows it the Polish way;
// an amount that is doubtful is refused by file, line and field, and nothing is written. The CSV path
// takes the same amounts with --skip-bad-rows: the good ones print, each refused one is named.
TEST(PrzelewRender, AmountsAreReadOneWayUnderEveryLanguage)
{
    struct Row {
        const char* amount;
        const char16_t* printed; // nullptr: refused
        const char* reason;
    };
    const Row rows[] = {
        { "1 234,5", u"1  2  3  4  ,  5  0", nullptr },
        { "1.234,56", u"1  2  3  4  ,  5  6", nullptr },
        { "1e3", u"1  0  0  0  ,  0  0", nullptr },
        { "999999999999,99", u"9  9  9  9  9  9  9  9  9  9  9  9  ,  9  9", nullptr },
        { "1,234", nullptr, "has three decimals, or a thousands separator" },
        { "10,999", nullptr, "has three decimals, or a thousands separator" },
        { "12,345", nullptr, "has three decimals, or a thousands separator" },
        { "100,-", nullptr, "is no number" },
        { "250,00 zł", nullptr, "is no number" },
        { "", nullptr, "no amount" },
        { "0", nullptr, "is not above zero" },
        { "-50", nullptr, "is not above zero" },
        { "99999999999999,99", nullptr, "is above 999 999 999 999,99" },
    };
    auto utf16 = [](const char16_t* text) {
        return QByteArray(
            reinterpret_cast<const char*>(text), qsizetype(std::char_traits<char16_t>::length(text) * 2));
    };
    QTemporaryDir dir;
    QByteArray csvRows = "NDNazwa;Kwota;Data\n";
    for (const Row& r : rows)
        csvRows += QByteArray("Firma;\"") + r.amount + "\";09.12.2026\n";
    const QString csv = writeTransfersCsv(dir, "kwoty.csv", csvRows);
    for (const char* locale : { "C.UTF-8", "en_US.UTF-8", "pl_PL.UTF-8" }) {
        const auto options = testsupport::RenderOptions::underLocale(QString::fromLatin1(locale));
        for (const Row& r : rows) {
            const QString input = writeCsv(dir, "kwota.txt",
                QByteArray(
                    "NDNazwa=Firma\r\nNDKONTOKONTR=61\r\nNDKonto=1090 1014 0000 0712 1981 2874\r\nKwota=")
                    + r.amount + "\r\nData=09.12.2026\r\n");
            const QString emf = dir.filePath(QStringLiteral("kwota.emf"));
            QFile::remove(emf);
            const RenderRun run = render({ input, emf }, options);
            const std::string where = std::string(locale) + " \"" + r.amount + "\"";
            if (r.printed) {
                ASSERT_EQ(run.exitCode, 0) << where << run.err.toStdString();
                EXPECT_TRUE(readAll(emf).contains(utf16(r.printed))) << where;
                EXPECT_TRUE(readAll(emf).contains(utf16(u"9.12.2026"))) << where;
            } else {
                EXPECT_EQ(run.exitCode, 1) << where;
                EXPECT_TRUE(run.err.contains(QStringLiteral("kwota.txt"))
                    && run.err.contains(QStringLiteral("Kwota (amount)"))
                    && run.err.contains(QString::fromUtf8(r.reason)))
                    << where << run.err.toStdString();
                EXPECT_FALSE(QFile::exists(emf)) << where;
            }
        }
        const QString rpf = dir.filePath(QStringLiteral("kwoty.rpf"));
        const RenderRun many = render({ QStringLiteral("--skip-bad-rows"), csv, rpf }, options);
        ASSERT_EQ(many.exitCode, 0) << locale << many.err.toStdString();
        EXPECT_EQ(pageCount(rpf), 4) << locale;
        for (int line = 6; line <= 14; ++line)
            EXPECT_TRUE(many.err.contains(QStringLiteral("skipped: %1, line %2: Kwota (amount)")
                                              .arg(QFileInfo(csv).absoluteFilePath())
                                              .arg(line)))
                << locale << " line " << line << many.err.toStdString();
    }
}

// A transfer is refused, named with every reason, without a recipient, with a date that is no date, or
// with an account failing its check digits (unless the user accepts such accounts); a transfer file
// without any key holds no transfer.
TEST(PrzelewRender, TransfersThatAreNotReadyAreRefusedAndNamed)
{
    QTemporaryDir dir;
    struct Row {
        const char* name;
        QByteArray bytes;
        QStringList options;
        int exitCode;
        QStringList said;
    };
    const QByteArray good
        = "NDNazwa=Firma\nNDKONTOKONTR=61\nNDKonto=1090 1014 0000 0712 1981 2874\nKwota=1,00\n";
    const QByteArray badAccount
        = "NDNazwa=Firma\nNDKONTOKONTR=62\nNDKonto=1090 1014 0000 0712 1981 2874\nKwota=1,00\n";
    const Row rows[] = {
        { "ready", good, {}, 0, {} },
        { "no recipient", "Kwota=dużo\nData=wczoraj-ish\n", {}, 1,
            { "line 1: Kwota (amount): the amount \"dużo\" is no number",
                "line 2: Data (date): the date \"wczoraj-ish\" is no date",
                "NDNazwa (recipient name): no recipient name",
                "NDKonto (recipient account): no recipient account", "nothing was written" } },
        { "a date that is none", good + "Data=31.02.2026\n", {}, 1,
            { "line 5: Data (date): the date \"31.02.2026\" is no date" } },
        { "wrong check digits", badAccount, {}, 1,
            { "NDKonto (recipient account): the recipient account \"62 1090 1014 0000 0712 1981 2874\" fails "
              "its check digits" } },
        { "wrong check digits accepted", badAccount, { QStringLiteral("--accept-bad-accounts") }, 0,
            { "warning: " } },
        { "wrong check digits in the code", badAccount, { QStringLiteral("--qr") }, 1,
            { "fails its check digits" } },
        { "accepted in the code", badAccount,
            { QStringLiteral("--qr"), QStringLiteral("--accept-bad-accounts") }, 0, { "warning: " } },
        { "no key at all", "no transfer here\n", {}, 1, { "holds no transfer data" } },
    };
    for (const Row& r : rows) {
        const QString input = writeCsv(dir, "przelew.txt", r.bytes);
        const QString out
            = dir.filePath(r.options.contains(QStringLiteral("--qr")) ? QStringLiteral("out.png")
                                                                      : QStringLiteral("out.emf"));
        QFile::remove(out);
        const RenderRun run = renderHere(r.options + QStringList { input, out });
        EXPECT_EQ(run.exitCode, r.exitCode) << r.name << run.err.toStdString();
        EXPECT_EQ(QFile::exists(out), r.exitCode == 0) << r.name;
        for (const QString& text : r.said) {
            EXPECT_TRUE(run.err.contains(text)) << r.name << ": " << text.toStdString() << "\n"
                                                << run.err.toStdString();
        }
        if (r.said.isEmpty()) {
            EXPECT_FALSE(run.err.contains(QStringLiteral("przelew-render:")))
                << r.name << run.err.toStdString();
        }
    }
}

// Transfer files and CSV rows become one page each, in the order given; a row that cannot be read stops
// the run and writes nothing, unless it is to be skipped.
TEST(PrzelewRender, ManyInputsGiveOnePagePerTransferInOrder)
{
    QTemporaryDir dir;
    const QString csv = writeTransfersCsv(dir, "lista.csv",
        "Tytulem;Kwota;NDNazwa\r\nFaktura 1;10,00;A\r\n\"Faktura 2\";20,00;B\r\nFaktura 3;30,00;C\r\n");
    const QString rpf = dir.filePath(QStringLiteral("wszystkie.rpf"));
    ASSERT_EQ(render({ csv, sample(), rpf }).exitCode, 0);
    EXPECT_EQ(pageCount(rpf), 4);
    for (int page : { 1, 3 }) {
        const QString emf = dir.filePath(QStringLiteral("p%1.emf").arg(page));
        ASSERT_EQ(
            render({ QStringLiteral("--page"), QString::number(page), csv, sample(), emf }).exitCode, 0);
        EXPECT_TRUE(readAll(emf).contains(spacedText(QStringLiteral("Faktura %1").arg(page)))) << page;
    }

    const QString bad
        = writeTransfersCsv(dir, "zla.csv", "NDNazwa;Tytulem;Kwota\nX;A;1,00\nY;B;dużo\nZ;C;3,00\n");
    const QString out = dir.filePath(QStringLiteral("zla.pdf"));
    const RenderRun stopped = render({ bad, out });
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.contains(
        QStringLiteral("zla.csv, line 3: Kwota (amount): the amount \"dużo\" is no number")))
        << stopped.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    const QString skippedRpf = dir.filePath(QStringLiteral("bez.rpf"));
    const RenderRun skipped = render({ QStringLiteral("--skip-bad-rows"), bad, skippedRpf });
    EXPECT_EQ(skipped.exitCode, 0);
    EXPECT_TRUE(skipped.err.contains(QStringLiteral("skipped"))) << skipped.err.toStdString();
    EXPECT_EQ(pageCount(skippedRpf), 2);

    // A quote opened on line 3 and never closed names the lines it took, which are read on their own.
    const QString unclosed = writeTransfersCsv(dir, "cudzyslow.csv",
        "NDNazwa;Tytulem;Kwota\nA;1;100,00\nB;\"2;200,00\nC;3;300,00\nD;4;150,00\nE;5;150,00\n");
    const RenderRun quoted = render({ QStringLiteral("--skip-bad-rows"), unclosed, skippedRpf });
    EXPECT_EQ(quoted.exitCode, 0);
    EXPECT_TRUE(quoted.err.contains(
        QStringLiteral("line 3: a quote opened on this line is never closed; it took lines 4–6")))
        << quoted.err.toStdString();
    EXPECT_EQ(pageCount(skippedRpf), 4);
}

// Invoices give a page each, with the values they carry on the page; one that cannot be paid stops the run
// unless skipped, and the log keeps each invoice's number with its file.
TEST(PrzelewRender, InvoicesGiveAPageEachAndTheLogKnowsThem)
{
    QTemporaryDir dir;
    const QString fa3 = QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa3.xml");
    const QString mpp = writeCsv(dir, "mpp.xml",
        readAll(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa2.xml")).replace("<P_18A>2", "<P_18A>1"));
    const QString euro = writeCsv(dir, "euro.xml",
        readAll(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa2.xml")).replace(">PLN<", ">EUR<"));
    const QString rpf = dir.filePath(QStringLiteral("faktury.rpf"));
    const RenderRun refused = render({ fa3, euro, mpp, rpf });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("euro.xml: Kwota (amount): the invoice is in EUR and the form is for złoty")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(rpf));

    RenderOptions options;
    options.dataHome = dir.filePath(QStringLiteral("data"));
    const RenderRun run = render(
        { QStringLiteral("--skip-bad-rows"), QStringLiteral("--log"), fa3, euro, mpp, rpf }, options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("split payment (MPP)"))) << run.err.toStdString();
    EXPECT_EQ(pageCount(rpf), 2);
    const QString first = dir.filePath(QStringLiteral("1.emf")),
                  second = dir.filePath(QStringLiteral("2.emf"));
    ASSERT_EQ(render({ QStringLiteral("--page=1"), fa3, first }).exitCode, 0);
    ASSERT_EQ(render({ QStringLiteral("--page=1"), mpp, second }).exitCode, 0);
    for (const char* value : { "7919,49", "Faktura 12/HP/2026", "60" })
        EXPECT_TRUE(readAll(first).contains(spacedText(QString::fromUtf8(value)))) << value;
    for (const char* value : { "1230,10", "/VAT/230,02/IDC/5252248481/", "INV/FV/2026/11/0042" })
        EXPECT_TRUE(readAll(second).contains(spacedText(QString::fromUtf8(value)))) << value;

    const std::vector<transfer::LogEntry> entries
        = transfer::TransferLog(options.dataHome + QStringLiteral("/przelew/przelew.sqlite")).entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].source, QStringLiteral("12/HP/2026, ") + QFileInfo(fa3).absoluteFilePath());
    // Paid again: named with the day, as any transfer printed twice.
    const RenderRun again = render({ QStringLiteral("--log"), fa3, rpf }, options);
    EXPECT_TRUE(again.err.contains(QStringLiteral("this transfer was already printed on")))
        << again.err.toStdString();
}

TEST(PrzelewRender, AThousandRowCsvGivesAThousandPages)
{
    QTemporaryDir dir;
    QByteArray bytes = "NDNazwa;Tytulem;Kwota\n";
    for (int i = 1; i <= 1000; ++i)
        bytes += QStringLiteral("Odbiorca %1;Rata %1;%1,50\n").arg(i).toUtf8();
    const QString csv = writeTransfersCsv(dir, "tysiac.csv", bytes);
    const QString rpf = dir.filePath(QStringLiteral("tysiac.rpf"));
    ASSERT_EQ(render({ csv, rpf }).exitCode, 0);
    EXPECT_EQ(pageCount(rpf), 1000);
    // The last page is the last row's, read back from the saved pages.
    const QString last = dir.filePath(QStringLiteral("last.emf"));
    ASSERT_EQ(render({ QStringLiteral("--page"), QStringLiteral("1000"), rpf, last }).exitCode, 0);
    EXPECT_TRUE(readAll(last).contains(spacedText(QStringLiteral("Rata 1000"))));
    EXPECT_TRUE(readAll(last).contains(spacedText(QStringLiteral("1000,50"))));
}

// Deposit slips on the command line: the words on the page, an amount the slip cannot carry refused with
// its line and nothing written; what the form cuts is named per field by its key, and still printed.
TEST(PrzelewRender, DepositSlipsAndWhatTheFormCuts)
{
    QTemporaryDir dir;
    const QString csv = writeTransfersCsv(dir, "wplaty.csv",
        "NDNazwa;Kwota;Tytulem\n"
        "Wspólnota;1234,50;Zaliczka\n"
        "Nazwa odbiorcy dłuższa niż pięćdziesiąt cztery znaki formularza;2,00;Czynsz\n");
    const QString emf = dir.filePath(QStringLiteral("wplata.emf"));
    const RenderRun run = render({ QStringLiteral("--form"), QStringLiteral("wplata"), csv, emf });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString words = QStringLiteral("tysiąc dwieście trzydzieści cztery złote 50/100");
    EXPECT_TRUE(
        readAll(emf).contains(QByteArray(reinterpret_cast<const char*>(words.utf16()), words.size() * 2)));
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("wplaty.csv, line 3: NDNazwa (recipient name): 63 characters, the form prints 54")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QStringLiteral("warning")), 1) << run.err.toStdString();

    const QString negative = writeTransfersCsv(dir, "ujemna.csv", "NDNazwa;Kwota\nA;1,00\nB;-5,00\n");
    const QString pdf = dir.filePath(QStringLiteral("ujemna.pdf"));
    const RenderRun refused = render({ QStringLiteral("--form=wplata"), negative, pdf });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("ujemna.csv, line 3: Kwota (amount): the amount -5,00 is not above zero")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(render({ QStringLiteral("--form"), QStringLiteral("czek"), negative, pdf }).exitCode, 2);
}

// The calibration sheet as a PDF: the ruler numbers stand beside their marks at their millimetres (read
// back with pdftotext), on one landscape A4 page; --offset moves them.
TEST(PrzelewRender, CalibrationSheetPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    auto numberAt = [&](const QStringList& options, const QString& word) {
        const QString pdf = dir.filePath(QStringLiteral("kalibracja.pdf"));
        QStringList args = options;
        args << QStringLiteral("--calibration") << pdf;
        EXPECT_EQ(render(args).exitCode, 0);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
        text.waitForFinished();
        const QString out = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(
            out.contains(QStringLiteral("width=\"841.")) || out.contains(QStringLiteral("width=\"842")))
            << "not a landscape A4 page";
        // The first such word is the top ruler's: xMin in points.
        const QRegularExpression box(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word));
        const QRegularExpressionMatch m = box.match(out);
        EXPECT_TRUE(m.hasMatch()) << word.toStdString();
        return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    };
    constexpr double PointsPerMm = 72 / 25.4;
    // The number stands 0.5 mm right of its mark. A file's pages are drawn at 96 pixels an inch, so a
    // position is good to a pixel (0.75 pt); printing draws at the printer's resolution.
    const QPointF fifty = numberAt({}, QStringLiteral("50"));
    EXPECT_NEAR(fifty.x(), 50.5 * PointsPerMm, 0.8);
    const QPointF twoHundred = numberAt({}, QStringLiteral("200"));
    EXPECT_NEAR(twoHundred.x(), 200.5 * PointsPerMm, 0.8);
    const QPointF moved
        = numberAt({ QStringLiteral("--offset"), QStringLiteral("2.0,-1.5") }, QStringLiteral("50"));
    EXPECT_NEAR(moved.x() - fifty.x(), 2.0 * PointsPerMm, 0.8);
    EXPECT_NEAR(moved.y() - fifty.y(), -1.5 * PointsPerMm, 0.8);
}

// --qr writes the pay-by-phone code of the first transfer (its payload on standard output) as PNG or SVG;
// an amount the standard cannot hold is refused and nothing is written.
TEST(PrzelewRender, PayByPhoneCode)
{
    QTemporaryDir dir;
    const QString csv = writeCsv(dir, "kody.csv",
        "NDNazwa;NDKONTOKONTR;NDKonto;Kwota;Tytulem\n"
        "Odbiorca 1;92;1240 1234 0001 5678 9012 3456;12,00;FV 1234/34/2012\n"
        "Drugi;92;1240 1234 0001 5678 9012 3456;10000,00;Za dużo\n");
    const QString png = dir.filePath(QStringLiteral("kod.png"));
    const RenderRun run
        = render({ QStringLiteral("--qr"), QStringLiteral("--nip"), QStringLiteral("1234567890"), csv, png });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(),
        QStringLiteral("1234567890|PL|92124012340001567890123456|001200|Odbiorca 1|FV 1234/34/2012|||"));
    EXPECT_FALSE(QImage(png).isNull());
    const QString svg = dir.filePath(QStringLiteral("kod.svg"));
    ASSERT_EQ(render({ QStringLiteral("--qr"), csv, svg }).exitCode, 0);
    EXPECT_TRUE(readAll(svg).contains("<svg"));

    const QString tooMuch = writeTransfersCsv(
        dir, "duzo.csv", "NDNazwa;NDKONTOKONTR;NDKonto;Kwota\nA;92;1240 1234 0001 5678 9012 3456;10000,00\n");
    const QString none = dir.filePath(QStringLiteral("brak.png"));
    const RenderRun refused = render({ QStringLiteral("--qr"), tooMuch, none });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("9 999,99"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_EQ(render({ QStringLiteral("--qr"), csv, dir.filePath(QStringLiteral("kod.pdf")) }).exitCode, 2);
}

// --log puts every transfer written into the transfer log, with its file and line; without it nothing is
// logged.
TEST(PrzelewRender, TransfersWrittenWithLogGoIntoTheLog)
{
    QTemporaryDir dir;
    RenderOptions options;
    options.dataHome = dir.filePath(QStringLiteral("data"));
    const QString csv = writeTransfersCsv(
        dir, "lista.csv", "NDNazwa;Kwota;Tytulem\nAlfa;10,50;Faktura 1\nBeta;20,00;Faktura 2\n");
    const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
    ASSERT_EQ(render({ csv, pdf }, options).exitCode, 0);
    const QString database = options.dataHome + QStringLiteral("/przelew/przelew.sqlite");
    EXPECT_FALSE(QFile::exists(database));
    const RenderRun run = render({ QStringLiteral("--log"), csv, pdf }, options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    transfer::TransferLog log(database);
    const std::vector<transfer::LogEntry> entries = log.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].values.recipientName, QStringLiteral("Alfa"));
    EXPECT_EQ(entries[1].values.amount, transfer::Money::fromGrosze(1050));
    EXPECT_EQ(entries[1].how, QStringLiteral("przelew-render"));
    EXPECT_EQ(entries[1].target, QFileInfo(pdf).absoluteFilePath());
    EXPECT_EQ(entries[1].source, QFileInfo(csv).absoluteFilePath() + QStringLiteral(", wiersz 2"));
    EXPECT_FALSE(run.err.contains(QStringLiteral("already printed"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("przelew-render: Total: 2 transfers, 30,50 zł\n")))
        << run.err.toStdString();

    // The same transfers again: each is named with the day it was printed, and written all the same.
    const RenderRun again = render({ QStringLiteral("--log"), csv, pdf }, options);
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    const QString today = QDate::currentDate().toString(QStringLiteral("d.MM.yyyy"));
    EXPECT_TRUE(again.err.contains(
        QStringLiteral("lista.csv, line 3: this transfer was already printed on %1").arg(today)))
        << again.err.toStdString();
    EXPECT_EQ(transfer::TransferLog(database).entries().size(), 4u);
}

// Renderers running at once write one log: every transfer of every run is there, none is refused.
TEST(PrzelewRender, RenderersAtOnceAllWriteToTheLog)
{
    QTemporaryDir dir;
    RenderOptions options;
    options.dataHome = dir.filePath(QStringLiteral("data"));
    std::string rows = "NDNazwa;Kwota;Tytulem\n";
    for (int i = 1; i <= 120; ++i)
        rows += "Odbiorca " + std::to_string(i) + ";" + std::to_string(i) + ",50;Faktura\n";
    const QString csv = writeTransfersCsv(dir, "lista.csv", rows.c_str());
    std::vector<std::future<RenderRun>> runs;
    for (int i = 0; i < 3; ++i) {
        const QString out = dir.filePath(QStringLiteral("lista-%1.pdf").arg(i));
        runs.push_back(std::async(std::launch::async, [=] {
            return render({ QStringLiteral("--log"), csv, out }, options);
        }));
    }
    for (auto& run : runs) {
        const RenderRun result = run.get();
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(QStringLiteral("not logged"))) << result.err.toStdString();
    }
    transfer::TransferLog log(options.dataHome + QStringLiteral("/przelew/przelew.sqlite"));
    EXPECT_EQ(log.entries().size(), 360u);
    EXPECT_EQ(log.entries({ QStringLiteral("Odbiorca 7"), {}, {} }).size(), 3u * 11u); // 7, 70-79
}

namespace {

// An EMF of one filled rectangle over its whole frame of widthMm x heightMm, on a reference device of
// dpi pixels per inch.
QByteArray frameEmf(int widthMm, int heightMm, int dpi = 96)
{
    QByteArray emf(88 + 24 + 20, '\0');
    const auto put = [&emf](int at, qint32 value) { qToLittleEndian<qint32>(value, emf.data() + at); };
    const int w = int(widthMm * dpi / 25.4), h = int(heightMm * dpi / 25.4);
    put(0, 1); // the header
    put(4, 88);
    put(16, w - 1); // bounds
    put(20, h - 1);
    put(32, widthMm * 100); // frame, 0.01 mm
    put(36, heightMm * 100);
    put(40, 0x464D4520); // " EMF"
    put(44, 0x10000);
    put(48, emf.size());
    put(52, 3);
    put(56, 1);
    put(72, int(265 * dpi / 25.4)); // the reference device: 265 mm at dpi
    put(76, int(265 * dpi / 25.4));
    put(80, 265);
    put(84, 265);
    put(88, 43); // RECTANGLE over the frame
    put(92, 24);
    put(104, w);
    put(108, h);
    put(112, 14); // EOF
    put(116, 20);
    put(128, 20);
    return emf;
}

} // namespace

// A metafile is taken as a report of one page; one metres wide is drawn within 100 megapixels, said so.
TEST(PrzelewRender, AMetafileIsAPageAndAHugeOneIsDrawnWithinTheLimit)
{
    QTemporaryDir dir;
    const QString small = writeCsv(dir, "maly.emf", frameEmf(100, 50));
    const QString png = dir.filePath(QStringLiteral("maly.png"));
    RenderRun run = render({ small, png });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_NEAR(QImage(png).width(), 378, 1);
    EXPECT_NEAR(QImage(png).height(), 189, 1);
    // Drawn for a printer of 300 dpi, the picture is still 100 x 50 mm.
    const QString fine = writeCsv(dir, "drukarka.emf", frameEmf(100, 50, 300));
    run = render({ fine, png });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_NEAR(QImage(png).width(), 378, 1);
    EXPECT_NEAR(QImage(png).height(), 189, 1);

    const QString huge = writeCsv(dir, "duzy.emf", frameEmf(5000, 3000));
    run = render({ QStringLiteral("--dpi"), QStringLiteral("300"), huge, png });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("exceeds 100 megapixels"))) << run.err.toStdString();
    QImageReader::setAllocationLimit(0); // the picture is larger than Qt reads by default
    const QImage image(png);
    EXPECT_LE(qint64(image.width()) * image.height(), 100'000'000);
    EXPECT_GT(qint64(image.width()) * image.height(), 95'000'000);
    EXPECT_EQ(
        image.pixel(image.width() / 2, image.height() / 2) & 0xffffff, 0xffffffu); // the stock white brush

    const QString notOne = writeCsv(dir, "zly.emf", "not a metafile");
    run = render({ notOne, png });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("is not an enhanced or placeable metafile")))
        << run.err.toStdString();
}
