// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/invoice.h"

#include "platform/datetime.h"
#include "transfer/accountcheck.h"
#include "transfer/problem.h"

#include <QByteArray>
#include <QDate>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>

namespace transfer {

namespace {

// A line of a name or the title holds 27 characters; both lines 54.
constexpr qsizetype LineCharacters = 27;
constexpr qsizetype LinesCharacters = 2 * LineCharacters;

// What of an invoice a transfer needs, as written.
struct InvoiceTexts {
    QString sellerName, sellerTaxNumber, buyerName, currency, number, total, splitPayment, paid, partialMark,
        settlementDue;
    QStringList sellerAddress, buyerAddress, vat, partials, dueDates, accounts, factorAccounts;
};

// The elements read, by their path below the root.
struct TextPath {
    const char* path;
    QString InvoiceTexts::*one = nullptr;
    QStringList InvoiceTexts::*many = nullptr;
};
const std::array Paths {
    TextPath { "Podmiot1/DaneIdentyfikacyjne/Nazwa", &InvoiceTexts::sellerName },
    TextPath { "Podmiot1/DaneIdentyfikacyjne/NIP", &InvoiceTexts::sellerTaxNumber },
    TextPath { "Podmiot1/Adres/AdresL1", nullptr, &InvoiceTexts::sellerAddress },
    TextPath { "Podmiot1/Adres/AdresL2", nullptr, &InvoiceTexts::sellerAddress },
    TextPath { "Podmiot2/DaneIdentyfikacyjne/Nazwa", &InvoiceTexts::buyerName },
    TextPath { "Podmiot2/Adres/AdresL1", nullptr, &InvoiceTexts::buyerAddress },
    TextPath { "Podmiot2/Adres/AdresL2", nullptr, &InvoiceTexts::buyerAddress },
    TextPath { "Fa/KodWaluty", &InvoiceTexts::currency },
    TextPath { "Fa/P_2", &InvoiceTexts::number },
    TextPath { "Fa/P_15", &InvoiceTexts::total },
    // The tax of each rate; the "W" amounts beside them are the same in złoty for an invoice in
    // another currency, which is refused anyway.
    TextPath { "Fa/P_14_1", nullptr, &InvoiceTexts::vat },
    TextPath { "Fa/P_14_2", nullptr, &InvoiceTexts::vat },
    TextPath { "Fa/P_14_3", nullptr, &InvoiceTexts::vat },
    TextPath { "Fa/P_14_4", nullptr, &InvoiceTexts::vat },
    TextPath { "Fa/P_14_5", nullptr, &InvoiceTexts::vat },
    TextPath { "Fa/Adnotacje/P_18A", &InvoiceTexts::splitPayment },
    TextPath { "Fa/Rozliczenie/DoZaplaty", &InvoiceTexts::settlementDue },
    TextPath { "Fa/Platnosc/Zaplacono", &InvoiceTexts::paid },
    TextPath { "Fa/Platnosc/ZnacznikZaplatyCzesciowej", &InvoiceTexts::partialMark },
    TextPath { "Fa/Platnosc/ZaplataCzesciowa/KwotaZaplatyCzesciowej", nullptr, &InvoiceTexts::partials },
    TextPath { "Fa/Platnosc/TerminPlatnosci/Termin", nullptr, &InvoiceTexts::dueDates },
    TextPath { "Fa/Platnosc/RachunekBankowy/NrRB", nullptr, &InvoiceTexts::accounts },
    TextPath { "Fa/Platnosc/RachunekBankowyFaktora/NrRB", nullptr, &InvoiceTexts::factorAccounts },
};

using Kind = Problem::Kind;

// Reads the invoice's texts, or says why the file is no invoice to read.
std::optional<Problem> readTexts(std::string_view bytes, InvoiceTexts& texts)
{
    if (bytes.size() > InvoiceSizeLimit)
        return Problem { Kind::XmlTooLarge };
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    xml.setNamespaceProcessing(true);
    xml.setEntityExpansionLimit(0);
    QString invoiceNamespace;
    QStringList path; // below the root; an element of another namespace as "*"
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return Problem { Kind::XmlDeclarations, Field::None, int(xml.lineNumber()) };
        case QXmlStreamReader::StartElement:
            if (++depth > InvoiceDepthLimit)
                return Problem { Kind::XmlTooDeep, Field::None, int(xml.lineNumber()) };
            if (depth == 1) {
                const bool known = std::any_of(std::begin(InvoiceNamespaces), std::end(InvoiceNamespaces),
                    [&xml](const char* ns) { return xml.namespaceUri() == QLatin1String(ns); });
                if (!known || xml.name() != QLatin1String("Faktura"))
                    return Problem { Kind::NotAnInvoice, Field::None, 0,
                        xml.namespaceUri().isEmpty()
                            ? QStringLiteral("<%1>").arg(xml.name())
                            : QStringLiteral("<%1> (%2)").arg(xml.name(), xml.namespaceUri()) };
                invoiceNamespace = xml.namespaceUri().toString();
                break;
            }
            path << (xml.namespaceUri() == invoiceNamespace ? xml.name().toString() : QStringLiteral("*"));
            text.clear();
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (--depth == 0)
                break;
            {
                const QString joined = path.join(QLatin1Char('/'));
                for (const TextPath& p : Paths) {
                    if (joined != QLatin1String(p.path))
                        continue;
                    if (p.one)
                        texts.*p.one = text.simplified();
                    else
                        (texts.*p.many).append(text.simplified());
                }
            }
            path.removeLast();
            text.clear();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return Problem { Kind::XmlNotWellFormed, Field::None, int(xml.lineNumber()), xml.errorString() };
    if (invoiceNamespace.isEmpty())
        return Problem { Kind::NotAnInvoice, Field::None, 0, QStringLiteral("–") };
    return std::nullopt;
}

// An XML decimal ("1234.5", "-20.00"), exactly, to the grosz; or the problem with it.
std::variant<Money, Problem> xmlAmount(const QString& text)
{
    Problem unreadable { Kind::UnreadableAmount, Field::Kwota, 0, text };
    QStringView digits(text);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QStringView whole = point < 0 ? digits : digits.left(point);
    QStringView fraction = point < 0 ? QStringView() : digits.mid(point + 1);
    const auto allDigits = [](QStringView s) {
        return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if ((whole.isEmpty() && fraction.isEmpty()) || !allDigits(whole) || !allDigits(fraction))
        return unreadable;
    while (fraction.size() > 2 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (fraction.size() > 2)
        return Problem { Kind::TooManyDecimals, Field::Kwota, 0, text };
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole = whole.mid(1);
    if (whole.size() > 13)
        return Problem { Kind::AmountTooLarge, Field::Kwota, 0, text };
    std::int64_t grosze = 0;
    for (QChar c : whole)
        grosze = grosze * 10 + (c.unicode() - u'0');
    grosze *= 100;
    if (!fraction.isEmpty())
        grosze += (fraction.at(0).unicode() - u'0') * 10
            + (fraction.size() > 1 ? fraction.at(1).unicode() - u'0' : 0);
    if (grosze > MaxAmount.grosze())
        return Problem { Kind::AmountTooLarge, Field::Kwota, 0, text };
    return Money::fromGrosze(negative ? -grosze : grosze);
}

// The sum of amounts, or the first problem with one of them.
std::variant<Money, Problem> sum(const QStringList& texts)
{
    std::int64_t grosze = 0;
    for (const QString& text : texts) {
        std::variant<Money, Problem> one = xmlAmount(text);
        if (auto* problem = std::get_if<Problem>(&one))
            return *problem;
        grosze += std::get<Money>(one).grosze();
    }
    return Money::fromGrosze(grosze);
}

// The pieces on the form's two lines of 27 cells, blank between them, none cut at the end of the first: a
// piece that would pass it starts the second line, the first filled up with blanks. Nothing when they do
// not fit so.
std::optional<QString> inTwoLines(const QStringList& pieces)
{
    QString lines[2];
    int line = 0;
    for (const QString& piece : pieces) {
        const qsizetype length = lines[line].isEmpty() ? piece.size() : lines[line].size() + 1 + piece.size();
        if (length <= LineCharacters) {
            lines[line] += lines[line].isEmpty() ? piece : QLatin1Char(' ') + piece;
            continue;
        }
        if (line == 1 || piece.size() > LineCharacters)
            return std::nullopt;
        line = 1;
        lines[1] = piece;
    }
    return lines[1].isEmpty() ? lines[0] : lines[0].leftJustified(LineCharacters) + lines[1];
}

// A name and then as many of its address lines as the form's two lines hold: the name on the first line
// and the address on the second where each fits its line, else the name's words and the whole address
// lines run on over both. A name that does not fit alone is left as it is, for the form's warning to name.
QString nameWithAddress(const QString& name, const QStringList& address)
{
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString(); // an address is no one to pay
    QStringList lines = address;
    lines.removeAll(QString());
    for (qsizetype count = lines.size(); count > 0; --count) {
        const QString where = lines.mid(0, count).join(QStringLiteral(", "));
        if (name.size() <= LineCharacters && where.size() <= LineCharacters)
            return name.leftJustified(LineCharacters) + where;
        QStringList pieces = words;
        for (qsizetype i = 0; i < count; ++i) {
            pieces.last() += QLatin1Char(',');
            pieces << lines.at(i);
        }
        if (const std::optional<QString> both = inTwoLines(pieces))
            return *both;
    }
    return inTwoLines(words).value_or(name);
}

// An account as the invoice writes it, without the IBAN's "PL" and blanks, grouped for reading.
QString accountText(QString account)
{
    account.remove(QLatin1Char(' '));
    if (account.startsWith(QLatin1String("PL"), Qt::CaseInsensitive))
        account.remove(0, 2);
    return groupAccount(account, 0).text;
}

QString dayText(const QDate& day)
{
    return day.toString(QStringLiteral("d.MM.yyyy"));
}

// The amount still to pay, or nothing with the problems that say why there is none.
std::optional<Money> amountDue(const InvoiceTexts& texts, std::vector<Problem>& problems)
{
    if (!texts.currency.isEmpty() && texts.currency != QLatin1String("PLN")) {
        problems.push_back({ Kind::ForeignCurrency, Field::Kwota, 0, texts.currency });
        return std::nullopt;
    }
    if (texts.paid == QLatin1String("1") || texts.partialMark == QLatin1String("2")) {
        problems.push_back({ Kind::InvoicePaid, Field::Kwota });
        return std::nullopt;
    }
    if (texts.total.isEmpty())
        return std::nullopt; // "no amount", said by the check of the values
    std::variant<Money, Problem> total = xmlAmount(texts.total);
    std::variant<Money, Problem> paid = sum(texts.partials);
    for (const auto* read : { &total, &paid }) {
        if (const auto* problem = std::get_if<Problem>(read)) {
            problems.push_back(*problem);
            return std::nullopt;
        }
    }
    const Money invoice = std::get<Money>(total), partly = std::get<Money>(paid);
    if (invoice.grosze() < 0) {
        problems.push_back({ Kind::NegativeCorrection, Field::Kwota, 0, invoice.groupedText() });
        return std::nullopt;
    }
    const Money due = Money::fromGrosze(invoice.grosze() - partly.grosze());
    if (due.grosze() <= 0) {
        problems.push_back({ Kind::NothingLeftToPay, Field::Kwota, 0,
            QStringLiteral("%1 − %2").arg(invoice.groupedText(), partly.groupedText()) });
        return std::nullopt;
    }
    if (!texts.settlementDue.isEmpty()) {
        const std::variant<Money, Problem> settled = xmlAmount(texts.settlementDue);
        const auto* settledMoney = std::get_if<Money>(&settled);
        if (!settledMoney || *settledMoney != due)
            problems.push_back({ Kind::SettlementDiffers, Field::Kwota, 0, texts.settlementDue });
    }
    return due;
}

// The earliest due date, or nothing; an unreadable one is a problem.
std::optional<QDate> dueDate(const InvoiceTexts& texts, std::vector<Problem>& problems)
{
    std::optional<QDate> earliest;
    for (const QString& text : texts.dueDates) {
        const QDate day = QDate::fromString(text.left(10), Qt::ISODate);
        if (!day.isValid()) {
            problems.push_back({ Kind::UnreadableDate, Field::Data, 0, text });
            continue;
        }
        if (!earliest || day < *earliest)
            earliest = day;
    }
    return earliest;
}

} // namespace

bool looksLikeXml(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

std::optional<QString> splitPaymentTitle(Money vat, const QString& taxNumber, const QString& invoiceNumber)
{
    // The limits banks set for the fields: the tax at most 13 characters, the identifier 14, the
    // invoice's number 35 and the free text 33.
    const QString tax = vat.text();
    if (vat.grosze() < 0 || tax.size() > 13 || taxNumber.isEmpty() || taxNumber.size() > 14
        || invoiceNumber.isEmpty() || invoiceNumber.size() > 35)
        return std::nullopt;
    const QString title = QStringLiteral("/VAT/%1/IDC/%2/INV/%3").arg(tax, taxNumber, invoiceNumber);
    if (title.size() > LinesCharacters)
        return std::nullopt;
    const QString withText = title + QStringLiteral("/TXT/Faktura VAT");
    return withText.size() <= LinesCharacters ? withText : title;
}

SourceTransfer readInvoice(std::string_view bytes, const QString& path, double today)
{
    SourceTransfer transfer;
    transfer.file = path;
    transfer.values.date = today;
    InvoiceTexts texts;
    if (const std::optional<Problem> refused = readTexts(bytes, texts)) {
        transfer.problems.push_back(*refused);
        return transfer;
    }
    std::vector<Problem>& problems = transfer.problems;
    TransferEditorValues& v = transfer.values;
    transfer.document = texts.number;
    transfer.taxNumber = texts.sellerTaxNumber;
    v.recipientName = nameWithAddress(texts.sellerName, texts.sellerAddress);
    v.payerName = nameWithAddress(texts.buyerName, texts.buyerAddress);
    v.amount = amountDue(texts, problems);

    // The factor's account takes the payment when there is one.
    QStringList accounts = texts.factorAccounts + texts.accounts;
    accounts.removeAll(QString());
    if (accounts.isEmpty()) {
        problems.push_back({ Kind::NoInvoiceAccount, Field::NDKonto });
    } else {
        v.recipientAccount = accountText(accounts.takeFirst());
        for (QString& other : accounts)
            other = accountText(other);
        accounts.removeAll(v.recipientAccount);
        accounts.removeDuplicates();
        if (!accounts.isEmpty())
            problems.push_back(
                { Kind::OtherAccounts, Field::NDKonto, 0, accounts.join(QStringLiteral("; ")) });
    }

    const QString plainTitle = QStringLiteral("Faktura ") + texts.number;
    v.title = plainTitle.size() <= LinesCharacters ? plainTitle : texts.number;
    if (texts.splitPayment == QLatin1String("1")) {
        const std::variant<Money, Problem> vat = sum(texts.vat);
        std::optional<QString> title;
        if (const auto* tax = std::get_if<Money>(&vat))
            title = splitPaymentTitle(*tax, texts.sellerTaxNumber, texts.number);
        if (title) {
            v.title = *title;
            problems.push_back({ Kind::SplitPayment, Field::Tytulem });
        } else {
            problems.push_back({ Kind::SplitPaymentTitle, Field::Tytulem, 0, texts.number });
        }
    }

    if (const std::optional<QDate> due = dueDate(texts, problems)) {
        const double dueDays = platform::toDays(*due);
        if (dueDays > today)
            v.date = dueDays;
        else if (dueDays < today)
            problems.push_back({ Kind::DuePassed, Field::Data, 0, dayText(*due) });
    }
    checkTransfer(v, problems);
    return transfer;
}

} // namespace transfer
