// SPDX-License-Identifier: GPL-2.0-or-later
// Structured invoices read as the transfers that pay them: both schemas, the factor's account, partial
// payments, the split-payment title, each refusal and warning, and XML that must not be read at all.
#include "platform/datetime.h"
#include "platform/error.h"
#include "support/files.h"
#include "transfer/invoice.h"
#include "transfer/problem.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = transfer::Problem::Kind;

std::string fixture(const char* name)
{
    return testsupport::readFile(QStringLiteral(PRZELEW_TEST_DATA "/invoices/%1").arg(QLatin1String(name)))
        .toStdString();
}

// The fixture with one text put in place of another, which must be there.
std::string edited(std::string xml, const std::string& from, const std::string& to)
{
    const std::size_t at = xml.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? xml : xml.replace(at, from.size(), to);
}

// The day the tests read their invoices on.
double today()
{
    return platform::toDays(QDate(2026, 12, 10));
}

std::vector<Kind> kinds(const transfer::SourceTransfer& t)
{
    std::vector<Kind> found;
    for (const transfer::Problem& p : t.problems)
        found.push_back(p.kind);
    return found;
}

} // namespace

// A value on the form's two lines of 27 cells.
QString lines(const char* first, const char* second)
{
    return QString::fromUtf8(first).leftJustified(27) + QString::fromUtf8(second);
}

TEST(Invoice, BothSchemasGiveTheTransferThatPaysThem)
{
    const QString wodociagi = lines("Wodociągi Łódzkie Sp. z", "o.o., ul. Wierzbowa 52");
    struct Row {
        const char* name;
        std::string xml;
        QString recipient;
        const char* account;
        const char* amount;
        const char* title;
        QDate date;
        std::vector<Kind> problems;
    };
    const std::string fa2 = fixture("fa2.xml"), fa3 = fixture("fa3.xml");
    const Row rows[] = {
        { "FA(2), exact to the grosz", fa2, wodociagi, "61 1090 1014 0000 0712 1981 2874", "1230,10",
            "Faktura FV/2026/11/0042", QDate(2099, 12, 24), {} },
        { "FA(3): the factor's account, partial payments, the earliest due date", fa3,
            lines("Hurtownia Papieru \"Ryza\"", "S.A., al. Jana Pawła II 27"),
            "60 1020 1026 0000 0422 7020 1111", "7919,49", "Faktura 12/HP/2026", QDate(2099, 1, 15),
            { Kind::OtherAccounts } },
        { "the due date passed: today, and said", edited(fa2, "<Termin>2099-12-24", "<Termin>2026-11-30"),
            wodociagi, "61 1090 1014 0000 0712 1981 2874", "1230,10", "Faktura FV/2026/11/0042",
            QDate(2026, 12, 10), { Kind::DuePassed } },
        { "a settlement stating another amount is named",
            edited(fa2, "<Platnosc>", "<Rozliczenie><DoZaplaty>1200</DoZaplaty></Rozliczenie><Platnosc>"),
            wodociagi, "61 1090 1014 0000 0712 1981 2874", "1230,10", "Faktura FV/2026/11/0042",
            QDate(2099, 12, 24), { Kind::SettlementDiffers } },
        { "split payment: the MPP title, no room for its text", edited(fa2, "<P_18A>2", "<P_18A>1"),
            wodociagi, "61 1090 1014 0000 0712 1981 2874", "1230,10",
            "/VAT/230,02/IDC/5252248481/INV/FV/2026/11/0042", QDate(2099, 12, 24), { Kind::SplitPayment } },
        { "split payment with room for the text",
            edited(edited(fa2, "<P_18A>2", "<P_18A>1"), "<P_2>FV/2026/11/0042", "<P_2>FV/7"), wodociagi,
            "61 1090 1014 0000 0712 1981 2874", "1230,10",
            "/VAT/230,02/IDC/5252248481/INV/FV/7/TXT/Faktura VAT", QDate(2099, 12, 24),
            { Kind::SplitPayment } },
    };
    for (const Row& r : rows) {
        const transfer::SourceTransfer t = transfer::readInvoice(r.xml, QStringLiteral("f.xml"), today());
        EXPECT_EQ(t.values.recipientName, r.recipient) << r.name;
        EXPECT_EQ(t.values.recipientAccount, QLatin1String(r.account)) << r.name;
        ASSERT_TRUE(t.values.amount) << r.name;
        EXPECT_EQ(t.values.amount->text(), QLatin1String(r.amount)) << r.name;
        EXPECT_EQ(t.values.title, QLatin1String(r.title)) << r.name;
        EXPECT_EQ(platform::dateOfDays(t.values.date), r.date) << r.name;
        EXPECT_EQ(kinds(t), r.problems) << r.name;
        EXPECT_TRUE(t.ready()) << r.name;
    }
    const transfer::SourceTransfer t = transfer::readInvoice(fa3, QStringLiteral("/tmp/f.xml"), today());
    EXPECT_EQ(t.values.payerName, lines("Biuro Rachunkowe \"Saldo\"", "Anna Nowak, ul. Długa 5/7"));
    // A name and its address each on a line of its own where both fit; an address line is never cut.
    EXPECT_EQ(transfer::readInvoice(fa2, QString(), today()).values.payerName,
        lines("Jan Kowalski", "ul. Piotrkowska 1"));
    EXPECT_EQ(transfer::readInvoice(edited(fa2, "90-001 Łódź", "Łódź"), QString(), today()).values.payerName,
        lines("Jan Kowalski", "ul. Piotrkowska 1, Łódź"));
    EXPECT_EQ(t.taxNumber, QLatin1String("1132853869"));
    EXPECT_EQ(transfer::sourceName(t), QStringLiteral("12/HP/2026, f.xml"));
    EXPECT_EQ(t.problems.front().value,
        QStringLiteral("27 1140 2004 0000 3002 0135 5387; 11 2490 0005 0000 4600 8135 7911"));
}

TEST(Invoice, WhatCannotBePaidIsRefusedWithItsReason)
{
    struct Row {
        const char* name;
        std::string xml;
        Kind first; // the first problem, the reason
    };
    const std::string fa2 = fixture("fa2.xml"), fa3 = fixture("fa3.xml");
    std::string nested = "<Faktura xmlns=\"http://crd.gov.pl/wzor/2025/06/25/13775/\">";
    for (int i = 0; i < 70; ++i)
        nested += "<a>";
    const Row rows[] = {
        { "another currency", edited(fa2, "<KodWaluty>PLN", "<KodWaluty>EUR"), Kind::ForeignCurrency },
        { "paid",
            edited(
                fa2, "<Platnosc>", "<Platnosc><Zaplacono>1</Zaplacono><DataZaplaty>2026-11-21</DataZaplaty>"),
            Kind::InvoicePaid },
        { "paid in parts",
            edited(fa3, ">1</fa:ZnacznikZaplatyCzesciowej>", ">2</fa:ZnacznikZaplatyCzesciowej>"),
            Kind::InvoicePaid },
        { "partial payments cover it", edited(fa3, ">3000.5<", ">10919.99<"), Kind::NothingLeftToPay },
        { "a negative correction",
            edited(edited(fa2, "<RodzajFaktury>VAT", "<RodzajFaktury>KOR"), "<P_15>1230.10", "<P_15>-50.00"),
            Kind::NegativeCorrection },
        { "no seller's name, only its address",
            edited(fa2, "<Nazwa>Wodociągi Łódzkie Sp. z o.o.</Nazwa>", ""), Kind::NoRecipientName },
        { "no bank account", edited(fa2, "<NrRB>61109010140000071219812874</NrRB>", ""),
            Kind::NoInvoiceAccount },
        { "a third decimal", edited(fa2, "<P_15>1230.10", "<P_15>1230.105"), Kind::TooManyDecimals },
        { "no number", edited(fa2, "<P_15>1230.10", "<P_15>1e3"), Kind::UnreadableAmount },
        { "an MPP title past the form",
            edited(edited(fa2, "<P_18A>2", "<P_18A>1"), "FV/2026/11/0042", "FAKTURA-VAT/2026/11/000000042"),
            Kind::SplitPaymentTitle },
        { "another schema's namespace",
            edited(
                fa2, "http://crd.gov.pl/wzor/2023/06/29/12648/", "http://crd.gov.pl/wzor/2021/11/29/11089/"),
            Kind::NotAnInvoice },
        { "another root", "<?xml version=\"1.0\"?><Invoice xmlns=\"urn:oasis\"/>", Kind::NotAnInvoice },
        { "not well-formed", edited(fa2, "</Podmiot1>", "</Podmiot>"), Kind::XmlNotWellFormed },
        { "a document type", "<?xml version=\"1.0\"?><!DOCTYPE Faktura [<!ENTITY a \"aaaa\">]><Faktura/>",
            Kind::XmlDeclarations },
        { "an external entity",
            "<!DOCTYPE Faktura [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
            "<Faktura xmlns=\"http://crd.gov.pl/wzor/2023/06/29/12648/\">&x;</Faktura>",
            Kind::XmlDeclarations },
        { "an undeclared entity", edited(fa2, "<P_2>FV", "<P_2>&x;FV"), Kind::XmlNotWellFormed },
        { "nested too deep", nested, Kind::XmlTooDeep },
        { "above 20 MB",
            edited(fa2, "<SystemInfo>", "<SystemInfo>" + std::string(transfer::InvoiceSizeLimit, 'x')),
            Kind::XmlTooLarge },
    };
    for (const Row& r : rows) {
        const transfer::SourceTransfer t = transfer::readInvoice(r.xml, QStringLiteral("f.xml"), today());
        ASSERT_FALSE(t.problems.empty()) << r.name;
        EXPECT_EQ(t.problems.front().kind, r.first) << r.name;
        EXPECT_FALSE(t.ready(true)) << r.name;
        // No amount to print from an invoice refused for its amount, or as a whole.
        const transfer::Field field = t.problems.front().field;
        if (field == transfer::Field::Kwota || field == transfer::Field::None) {
            EXPECT_FALSE(t.values.amount) << r.name;
        }
    }
}

TEST(Invoice, ContentDecidesWhatAFileIs)
{
    struct Row {
        const char* path;
        std::string bytes;
        transfer::SourceKind kind;
    };
    const Row rows[] = {
        { "a.xml", "\xEF\xBB\xBF\r\n  <?xml version=\"1.0\"?><Faktura/>", transfer::SourceKind::Invoice },
        { "a.txt", "<Faktura/>", transfer::SourceKind::Invoice },
        { "a.xml", "NDNazwa=Alfa\n", transfer::SourceKind::TransferFile },
        { "a.CSV", "NDNazwa;Kwota\n", transfer::SourceKind::Csv },
        { "a.xml", "", transfer::SourceKind::TransferFile },
    };
    for (const Row& r : rows)
        EXPECT_EQ(transfer::sourceKindOf(QLatin1String(r.path), r.bytes), r.kind) << r.path << ' ' << r.bytes;

    // An .xml file too large for an invoice is refused before it is read.
    QTemporaryDir dir;
    QFile large(dir.filePath(QStringLiteral("duza.xml")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(qint64(transfer::InvoiceSizeLimit) + 1));
    large.close();
    EXPECT_THROW(transfer::readSourceFile(large.fileName()), platform::Error);
}
