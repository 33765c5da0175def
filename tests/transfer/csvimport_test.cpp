// SPDX-License-Identifier: GPL-2.0-or-later
// CSV files of many transfers: delimiters, RFC 4180 quoting, encodings, line ends, and rows that cannot
// be read, with the line numbers the messages name; and the log's export read back.
#include "platform/error.h"
#include "support/localetest.h"
#include "transfer/csvexport.h"
#include "transfer/csvimport.h"
#include "transfer/transferreader.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// An English desktop: amounts are still read the Polish way.
class CsvImport : public LocaleTest<QLocale::English, QLocale::UnitedStates> { };

} // namespace

TEST_F(CsvImport, DelimitersQuotingEncodingsAndLineEnds)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string title; // of the first transfer, as the record's bytes (UTF-8 unless noted)
        std::string recipient;
        int line; // of the first transfer
    };
    const Row rows[] = {
        { "semicolons", "Tytulem;NDNazwa\nFaktura 1;Alfa\n", "Faktura 1", "Alfa", 2 },
        { "commas, any case and order", "ndnazwa,TYTULEM\nAlfa,Faktura 1\n", "Faktura 1", "Alfa", 2 },
        { "tabs", "Tytulem\tNDNazwa\nA;B,C\tAlfa\n", "A;B,C", "Alfa", 2 },
        { "quoted delimiter and doubled quotes", "Tytulem;NDNazwa\n\"a;b\";\"Sp\"\"o\"\"\"\n", "a;b",
            "Sp\"o\"", 2 },
        { "a line break inside quotes is a space", "Tytulem;NDNazwa\r\n\"dwa\r\nwiersze\";Alfa\r\n",
            "dwa wiersze", "Alfa", 2 },
        { "blanks are kept", "Tytulem;NDNazwa\n  x  ;Alfa\n", "  x  ", "Alfa", 2 },
        { "UTF-8 with a byte order mark",
            "\xEF\xBB\xBFTytulem;NDNazwa\nZa\xC5\x82o\xC5\xBC"
            "enie;A\n",
            "Za\xC5\x82o\xC5\xBC"
            "enie",
            "A", 2 },
        // Code page 1250: "Łódź" as one byte a letter.
        { "code page 1250", "Tytulem;NDNazwa\n\xA3\xF3\x64\x9F;A\n", "\xA3\xF3\x64\x9F", "A", 2 },
        { "CR line ends and an empty line", "Tytulem;NDNazwa\r\rX;A", "X", "A", 3 },
    };
    for (const Row& r : rows) {
        const transfer::CsvTransfers csv = transfer::parseCsvTransfers(r.bytes);
        ASSERT_EQ(csv.rows.size(), 1u) << r.name;
        const transfer::CsvRow& row = csv.rows.front();
        EXPECT_EQ(row.fault, transfer::CsvRow::Fault::None) << r.name;
        EXPECT_EQ(row.values.Tytulem, r.title) << r.name;
        EXPECT_EQ(row.values.NDNazwa, r.recipient) << r.name;
        EXPECT_EQ(row.line, r.line) << r.name;
    }
}

TEST_F(CsvImport, RowsThatCannotBeReadAreKeptWithTheirReasonAndLine)
{
    const std::string bytes = "NDNazwa;Kwota;Data;Uwagi\n" // line 1
                              "Alfa;1234,5;09.12.2026;x\n" // 2: read the Polish way on an English desktop
                              "Al\"fa;1;;\n" // 3: a quote inside an unquoted field
                              "Beta;12,05;;\n" // 4: reading goes on
                              "Gamma;1,234;;\n" // 5: 1,234 or 1234
                              "Delta;1;;;too many\n" // 6
                              ";;;\n" // 7: no transfer
                              "Eta;1;2024-13-45;\n" // 8: no date
                              "\"Theta;1;;\n"; // 9: a quote that never ends
    const transfer::CsvTransfers csv = transfer::parseCsvTransfers(bytes);
    EXPECT_EQ(csv.unknownColumns, QStringList { QStringLiteral("Uwagi") });
    struct Expect {
        int line;
        transfer::CsvRow::Fault fault;
    };
    const Expect expected[] = { { 2, transfer::CsvRow::Fault::None }, { 3, transfer::CsvRow::Fault::Quoting },
        { 4, transfer::CsvRow::Fault::None }, { 5, transfer::CsvRow::Fault::None },
        { 6, transfer::CsvRow::Fault::TooManyFields }, { 8, transfer::CsvRow::Fault::None },
        { 9, transfer::CsvRow::Fault::Quoting } };
    ASSERT_EQ(csv.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(csv.rows[i].line, expected[i].line) << i;
        EXPECT_EQ(csv.rows[i].fault, expected[i].fault) << "line " << expected[i].line;
    }
    EXPECT_EQ(transfer::editorValuesFromFile(csv.rows[0].values).amount, transfer::Money::fromGrosze(123450));
}

// A file taken as UTF-8 reads a row that is not UTF-8 as code page 1250 and says so; text is composed.
TEST_F(CsvImport, EachRowIsReadInItsEncoding)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::size_t row;
        QString recipient;
        bool cp1250Line;
    };
    const std::string utf8Lines = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87;1\nG\xC4\x99\xC5\x9Bl\xC4\x85;2\n";
    const Row rows[] = {
        { "one line code page 1250", "NDNazwa;Kwota\n" + utf8Lines + "\xA3\xF3\x64\x9F;3\n", 2,
            QStringLiteral("Łódź"), true },
        { "the UTF-8 lines around it", "NDNazwa;Kwota\n" + utf8Lines + "\xA3\xF3\x64\x9F;3\n", 1,
            QStringLiteral("Gęślą"), false },
        { "byte order mark", "\xEF\xBB\xBFNDNazwa\n\xA3\xF3\x64\x9F\nA\xC5\x82\n", 0, QStringLiteral("Łódź"),
            true },
        { "capitals pairing into UTF-8 in a UTF-8 file",
            "NDNazwa\n" + utf8Lines
                + "R\xD3\xAF"
                  "A\n",
            2, QStringLiteral("RÓŻA"), true },
        { "code page 1250 file",
            "NDNazwa\nSP\xD3\xA3KA\nR\xD3\xAF"
            "A\n",
            0, QStringLiteral("SPÓŁKA"), false },
        { "a tie goes to UTF-8", "NDNazwa\n\xC5\x81\xC3\xB3\x64\xC5\xBA\n\xA3\xF3\x64\x9F\n", 0,
            QStringLiteral("Łódź"), false },
        { "more lines code page 1250", "NDNazwa\nA\xC5\x82\n\xA3\xF3\x64\x9F\n\xB3\xB9\n", 1,
            QStringLiteral("Łódź"), false },
        { "decomposed letters",
            "NDNazwa\nZo\xCC\x81"
            "fia\n",
            0, QStringLiteral("Zófia"), false },
        { "undefined code page 1250 byte", "NDNazwa\n\xA3\x81\n", 0, QStringLiteral("Ł\uFFFD"), false },
    };
    for (const Row& r : rows) {
        const transfer::CsvTransfers csv = transfer::parseCsvTransfers(r.bytes);
        ASSERT_LT(r.row, csv.rows.size()) << r.name;
        EXPECT_EQ(transfer::editorValuesFromFile(csv.rows[r.row].values).recipientName, r.recipient)
            << r.name;
        EXPECT_EQ(csv.rows[r.row].cp1250Line, r.cp1250Line) << r.name;
    }
}

// The rows a quote that never closes took are read again; a quoted field closed in time holds line breaks.
TEST_F(CsvImport, AQuoteThatNeverClosesLosesNoLine)
{
    using F = transfer::CsvRow::Fault;
    struct Expect {
        int line, lastLine;
        F fault;
        bool unclosed;
        int unclosedQuoteLine;
    };
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<Expect> rows;
    };
    const Row rows[] = {
        { "unclosed on line 3", "NDNazwa;Kwota\nA;1\nB;\"2\nC;3\nD;4\nE;5\n",
            { { 2, 2, F::None, false, 0 }, { 3, 6, F::Quoting, true, 0 }, { 4, 4, F::None, false, 3 },
                { 5, 5, F::None, false, 3 }, { 6, 6, F::None, false, 3 } } },
        { "a row read again can fail", "NDNazwa;Kwota\n\"A;1\nB\"\"x;2\n\nC;3",
            { { 2, 5, F::Quoting, true, 0 }, { 3, 3, F::Quoting, false, 2 }, { 5, 5, F::None, false, 2 } } },
        { "closed before the end", "NDNazwa;Kwota\r\n\"A\r\n\r\nB\";1\r\nC;2\r\n",
            { { 2, 4, F::None, false, 0 }, { 5, 5, F::None, false, 0 } } },
        { "closed, then out of place", "NDNazwa;Kwota\n\"A\nB\" x;1\nC;2\n",
            { { 2, 3, F::Quoting, false, 0 }, { 4, 4, F::None, false, 0 } } },
    };
    for (const Row& r : rows) {
        const transfer::CsvTransfers csv = transfer::parseCsvTransfers(r.bytes);
        ASSERT_EQ(csv.rows.size(), r.rows.size()) << r.name;
        for (std::size_t i = 0; i < r.rows.size(); ++i) {
            const transfer::CsvRow& row = csv.rows[i];
            const Expect& e = r.rows[i];
            EXPECT_EQ(row.line, e.line) << r.name << " " << i;
            EXPECT_EQ(row.lastLine, e.lastLine) << r.name << " " << i;
            EXPECT_EQ(row.fault, e.fault) << r.name << " " << i;
            EXPECT_EQ(row.quoteUnclosed, e.unclosed) << r.name << " " << i;
            EXPECT_EQ(row.unclosedQuoteLine, e.unclosedQuoteLine) << r.name << " " << i;
        }
    }
}

TEST_F(CsvImport, ColumnNames)
{
    using V = transfer::TransferFileValues;
    struct Row {
        std::string bytes;
        std::string V::*field;
        std::string value;
        QStringList ignored;
    };
    const Row rows[] = {
        { "Nazwa odbiorcy;Rachunek odbiorcy;Kwota;Tytu\xC5\x82\nA;61 1090;1;T\n", &V::NDKonto, "61 1090",
            {} },
        { "ODBIORCA;Uwagi\nA;x\n", &V::NDNazwa, "A", { "Uwagi" } },
        { " Nr  rachunku\todbiorcy ;DATA\n1;2\n", &V::NDKonto, "1", {} },
        { "Konto odbiorcy;TYTU\xA3"
          "EM\n1;2\n",
            &V::Tytulem, "2", {} },
        { "Odbiorca;Nazwa zleceniodawcy\n1;2\n", &V::WCNazwa, "2", {} },
        { "Odbiorca;Zleceniodawca;Rachunek zleceniodawcy\n1;2;3\n", &V::WCKonto, "3", {} },
        { "NDKONTOKONTR;Data\n1;2\n", &V::Data, "2", {} },
        { "NDNazwa;Odbiorca\n1;2\n", &V::NDNazwa, "1", { "Odbiorca" } },
    };
    for (const Row& r : rows) {
        const transfer::CsvTransfers csv = transfer::parseCsvTransfers(r.bytes);
        ASSERT_EQ(csv.rows.size(), 1u) << r.bytes;
        EXPECT_EQ(csv.rows[0].values.*r.field, r.value) << r.bytes;
        EXPECT_EQ(csv.unknownColumns, r.ignored) << r.bytes;
    }
}

TEST_F(CsvImport, AHeaderWithoutTheRecipientsNameOrAccountIsRefused)
{
    for (const char* bytes : { "", "a;b;c\n1;2;3\n", "\"NDNazwa\n", "Kwota;Tytu\xC5\x82\n1;x\n" })
        EXPECT_THROW(transfer::parseCsvTransfers(bytes), platform::Error) << bytes;
    try {
        transfer::parseCsvTransfers("Kwota; Tytu\xC5\x82"
                                    "em \n1;x\n");
        ADD_FAILURE() << "accepted";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral(": Kwota, Tytułem"))) << error.what();
    }
}

// Columns unknown by name are named before the rows are read, and read as the user chose: a value of the
// transfer, or passed over without being listed as ignored.
TEST_F(CsvImport, UnknownColumnsAreReadAsChosen)
{
    const char* bytes = "Kontrahent;Numer konta;Warto\xC5\x9B\xC4\x87;Kwota;Uwagi\n"
                        "Alfa;61 1090 1014 0000 0712 1981 2874;12,50;1;parter\n";
    EXPECT_EQ(transfer::unknownCsvColumns(bytes),
        (QStringList { QStringLiteral("Kontrahent"), QStringLiteral("Numer konta"), QStringLiteral("Wartość"),
            QStringLiteral("Uwagi") }));
    EXPECT_TRUE(transfer::unknownCsvColumns("NDNazwa;Kwota\nA;1\n").isEmpty());
    const transfer::CsvTransfers csv = transfer::parseCsvTransfers(bytes,
        { { QStringLiteral("Kontrahent"), transfer::Field::NDNazwa },
            { QStringLiteral("Numer konta"), transfer::Field::NDKonto },
            { QStringLiteral("Wartość"), transfer::Field::Kwota },
            { QStringLiteral("Uwagi"), transfer::Field::None } });
    ASSERT_EQ(csv.rows.size(), 1u);
    EXPECT_EQ(csv.rows[0].values.NDNazwa, "Alfa");
    // A value two columns give is the first's, as always: the later "Kwota" is passed over, and listed.
    EXPECT_EQ(csv.rows[0].values.Kwota, "12,50");
    EXPECT_EQ(csv.unknownColumns, QStringList { QStringLiteral("Kwota") });
}

// The history's export reads back through the import as it was logged: quotes, delimiters, blanks and
// Polish letters in the values, amounts to the grosz, accounts as text for a spreadsheet, and titles a
// spreadsheet would take for formulas guarded, all read back as they were.
TEST_F(CsvImport, TheLogsExportReadsBackAsItWasLogged)
{
    std::vector<transfer::LogEntry> logged(6);
    logged[0].values = { QStringLiteral("Firma \"Ala; Ola\" sp. z o.o."),
        QStringLiteral("61 1090101400000712"), transfer::Money::fromGrosze(123456789),
        QStringLiteral("PL 99 0000"), QStringLiteral("Zażółć Gęślą"), QStringLiteral(" FV 1/2026 "), 46365 };
    logged[1].values = { QStringLiteral("Beta"), QStringLiteral("12345678901234567890123456"),
        transfer::Money::fromGrosze(5), {}, {}, QStringLiteral("a\"b"), 46000 };
    logged[2].values = { QStringLiteral("Gamma"), {}, transfer::Money::fromGrosze(1010), {}, {}, {}, 46365 };
    const char* const titles[] = { "=HYPERLINK(\"x\")", "-2+3", "''@SUM(A1)" };
    for (std::size_t i = 0; i < std::size(titles); ++i)
        logged[3 + i].values
            = { QStringLiteral("Delta"), {}, {}, {}, {}, QString::fromUtf8(titles[i]), 46365 };
    for (transfer::LogEntry& e : logged) {
        e.when = QDateTime(QDate(2026, 12, 9), QTime(14, 5), QTimeZone::utc());
        e.how = QStringLiteral("druk");
        e.form = &e == &logged[1] ? QStringLiteral("wplata") : QStringLiteral("przelew");
        e.target = QStringLiteral("Biuro-7");
    }
    const QByteArray csv = transfer::logEntriesCsv(logged);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBFNDNazwa;NDKONTOKONTR;NDKonto;Kwota;WCNazwa;Tytulem;Data;"));

    const transfer::SourceTransfers back = transfer::readTransferBytes(
        std::string_view(csv.constData(), csv.size()), transfer::SourceKind::Csv, QStringLiteral("log.csv"));
    EXPECT_EQ(back.ignoredColumns, (QStringList { "Wydrukowano", "Jak", "RachunekZleceniodawcy", "Zrodlo" }));
    EXPECT_EQ(back.transfers[1].form, QStringLiteral("wplata")); // the form comes back
    EXPECT_EQ(back.transfers[0].form, QStringLiteral("przelew"));
    ASSERT_EQ(back.transfers.size(), logged.size());
    for (std::size_t i = 0; i < logged.size(); ++i) {
        const transfer::TransferEditorValues& was = logged[i].values;
        const transfer::TransferEditorValues& is = back.transfers[i].values;
        EXPECT_EQ(is.recipientName, was.recipientName) << i;
        EXPECT_EQ(is.amount, was.amount) << i;
        EXPECT_EQ(is.payerName, was.payerName) << i;
        EXPECT_EQ(is.title, was.title) << i;
        EXPECT_EQ(is.date, was.date) << i;
    }
    EXPECT_EQ(back.transfers[0].values.recipientAccount, QStringLiteral("61 1090 1014 0000 0712"));
    EXPECT_EQ(back.transfers[1].values.recipientAccount, QStringLiteral("12 3456 7890 1234 5678 9012 3456"));
    EXPECT_FALSE(csv.contains("1090101400000712") || csv.contains("345678901234"));
    // No field of the file begins as a formula.
    for (const QByteArray& line : csv.split('\n')) {
        EXPECT_FALSE(QString::fromUtf8(line).contains(QRegularExpression(QStringLiteral("(^|;)\"?[=+\\-@]"))))
            << line.toStdString();
    }
}
