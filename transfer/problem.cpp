// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/problem.h"

#include "transfer/accountcheck.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace transfer {

namespace {

using Kind = Problem::Kind;
using Level = Problem::Level;

struct KindText {
    Kind kind;
    Level level;
    const char* polish; // %1: the value
    const char* english;
};

// Every problem's words, in both languages the program speaks.
constexpr std::array Texts {
    KindText { Kind::NoTransferData, Level::Refused, "plik nie zawiera danych przelewu",
        "the file holds no transfer data" },
    KindText { Kind::Quoting, Level::Refused, "cudzysłowy wiersza nie tworzą par",
        "the row's quotes do not pair up" },
    KindText { Kind::TooManyFields, Level::Refused, "więcej pól niż w nagłówku",
        "the row has more fields than the header names" },
    KindText { Kind::UnclosedQuote, Level::Refused,
        "cudzysłów otwarty w tym wierszu nie zamyka się do końca pliku (wiersze %1)",
        "a quote opened on this line is never closed; it took lines %1 to the end of the file" },
    KindText { Kind::ReadAgain, Level::Note,
        "wiersz odczytany osobno, bo cudzysłów otwarty w wierszu %1 nie zamyka się",
        "read on its own, since the quote opened on line %1 never closes" },
    KindText { Kind::ReadAgain, Level::Note,
        "wiersz odczytany osobno, bo cudzysłów otwarty w wierszu %1 nie zamyka się",
        "read on its own, since the quote opened on line %1 never closes" },
    KindText { Kind::Cp1250Line, Level::Note, "wiersz nie jest w UTF-8, odczytano go w stronie kodowej 1250",
        "the line is not UTF-8 and was read as code page 1250" },
    KindText { Kind::NoAmount, Level::Refused, "brak kwoty", "no amount" },
    KindText { Kind::UnreadableAmount, Level::Refused, "kwota „%1” nie jest liczbą",
        "the amount \"%1\" is no number" },
    KindText { Kind::AmbiguousAmount, Level::Refused,
        "kwota „%1” ma trzy miejsca po przecinku albo separator tysięcy – zapisz ją z dwoma miejscami po "
        "przecinku",
        "the amount \"%1\" has three decimals, or a thousands separator: write it with two decimals" },
    KindText { Kind::TooManyDecimals, Level::Refused, "kwota „%1” ma więcej niż dwa miejsca po przecinku",
        "the amount \"%1\" has more than two decimals" },
    KindText { Kind::AmountTooLarge, Level::Refused, "kwota „%1” przekracza 999 999 999 999,99",
        "the amount \"%1\" is above 999 999 999 999,99" },
    KindText { Kind::AmountNotPositive, Level::Refused, "kwota %1 nie jest większa od zera",
        "the amount %1 is not above zero" },
    KindText { Kind::NoRecipientName, Level::Refused, "brak nazwy odbiorcy", "no recipient name" },
    KindText { Kind::NoRecipientAccount, Level::Refused, "brak rachunku odbiorcy", "no recipient account" },
    KindText { Kind::WrongAccount, Level::Doubtful, "błędna suma kontrolna rachunku odbiorcy „%1”",
        "the recipient account \"%1\" fails its check digits" },
    KindText {
        Kind::UnreadableDate, Level::Refused, "data „%1” nie jest datą", "the date \"%1\" is no date" },
    KindText { Kind::UnknownForm, Level::Refused, "formularz „%1” nie jest ani „przelew”, ani „wplata”",
        "the form \"%1\" is neither \"przelew\" nor \"wplata\"" },
    KindText { Kind::PrintedBefore, Level::Note, "ten przelew wydrukowano już %1",
        "this transfer was already printed on %1" },
    KindText { Kind::KnownAccount, Level::Note, "ten rachunek należy w książce do: %1",
        "the payee book has this account under the name %1" },
    KindText { Kind::NotAnInvoice, Level::Refused,
        "plik nie jest fakturą ustrukturyzowaną FA(2) ani FA(3): jego element główny to %1",
        "the file is no structured invoice of schema FA(2) or FA(3): its root element is %1" },
    KindText { Kind::XmlNotWellFormed, Level::Refused, "plik XML jest uszkodzony (%1)",
        "the XML is not well-formed (%1)" },
    KindText { Kind::XmlTooLarge, Level::Refused, "plik XML ma ponad 20 MB – faktura nie bywa tak duża",
        "the XML file is above 20 MB, larger than any invoice" },
    KindText { Kind::XmlTooDeep, Level::Refused, "elementy XML są zagnieżdżone głębiej niż 64 poziomy",
        "the XML nests its elements deeper than 64" },
    KindText { Kind::XmlDeclarations, Level::Refused,
        "plik XML zawiera deklarację DTD lub encję – faktura ich nie ma i nie są czytane",
        "the XML has a document type declaration or an entity, which no invoice has and which are not read" },
    KindText { Kind::ForeignCurrency, Level::Refused, "faktura jest w walucie %1, a blankiet jest na złote",
        "the invoice is in %1 and the form is for złoty" },
    KindText {
        Kind::InvoicePaid, Level::Refused, "faktura jest już zapłacona", "the invoice is paid already" },
    KindText { Kind::NothingLeftToPay, Level::Refused,
        "po zapłatach częściowych nie zostaje nic do zapłaty (%1)",
        "the partial payments leave nothing to pay (%1)" },
    KindText { Kind::NegativeCorrection, Level::Refused,
        "korekta na kwotę ujemną %1 – tu płaci sprzedawca, nie nabywca",
        "a correction for the negative amount %1: the seller pays, not the buyer" },
    KindText { Kind::NoInvoiceAccount, Level::Refused, "faktura nie podaje rachunku bankowego do zapłaty",
        "the invoice names no bank account to pay to" },
    KindText { Kind::OtherAccounts, Level::Note, "faktura podaje też inne rachunki: %1",
        "the invoice names other accounts too: %1" },
    KindText { Kind::SettlementDiffers, Level::Note, "w rozliczeniu faktury do zapłaty jest %1",
        "the invoice's settlement says %1 is due" },
    KindText { Kind::SplitPayment, Level::Note,
        "Faktura z mechanizmem podzielonej płatności (MPP): tytuł w formacie MPP – nie każdy bank przyjmuje "
        "taki przelew na papierze",
        "an invoice with split payment (MPP): the title is in the MPP format, which not every bank takes on "
        "paper" },
    KindText { Kind::SplitPaymentTitle, Level::Refused,
        "tytuł w formacie MPP dla faktury „%1” nie mieści się w limitach pól lub w dwóch wierszach blankietu",
        "the MPP title for invoice \"%1\" exceeds its fields' limits or the form's two title lines" },
    KindText { Kind::DuePassed, Level::Note, "termin płatności minął %1", "the due date %1 has passed" },
};

const KindText& textOf(Kind kind)
{
    return *std::find_if(Texts.begin(), Texts.end(), [kind](const KindText& t) { return t.kind == kind; });
}

// The problems that follow from the values rather than from reading them.
bool isReadiness(Kind kind)
{
    return kind == Kind::NoAmount || kind == Kind::AmountNotPositive || kind == Kind::NoRecipientName
        || kind == Kind::NoRecipientAccount || kind == Kind::WrongAccount;
}

} // namespace

Problem::Level Problem::level() const
{
    return textOf(kind).level;
}

QString problemText(const Problem& problem, Language language)
{
    const KindText& text = textOf(problem.kind);
    QString words = QString::fromUtf8(language == Language::Polish ? text.polish : text.english);
    return words.contains(QLatin1String("%1")) ? words.arg(problem.value) : words;
}

QString fieldLabel(Field field)
{
    static const char* const labels[]
        = { "", "NDNazwa (recipient name)", "NDKonto (recipient account)", "Kwota (amount)",
              "WCNazwa (payer name)", "WCKonto (payer account)", "Tytulem (title)", "Data (date)" };
    return QString::fromLatin1(labels[std::size_t(field)]);
}

QString fieldLabel(const QString& key)
{
    for (int field = int(Field::NDNazwa); field <= int(Field::Data); ++field) {
        QString label = fieldLabel(Field(field));
        if (label.startsWith(key + QStringLiteral(" (")))
            return label;
    }
    return key;
}

void checkTransfer(const TransferEditorValues& values, std::vector<Problem>& problems)
{
    std::erase_if(problems, [](const Problem& p) { return isReadiness(p.kind); });
    const bool amountRead = std::none_of(
        problems.begin(), problems.end(), [](const Problem& p) { return p.field == Field::Kwota; });
    std::vector<Problem> found;
    if (!values.amount && amountRead)
        found.push_back({ Kind::NoAmount, Field::Kwota });
    else if (values.amount && values.amount->grosze() <= 0)
        found.push_back({ Kind::AmountNotPositive, Field::Kwota, 0, values.amount->text() });
    if (values.recipientName.trimmed().isEmpty())
        found.push_back({ Kind::NoRecipientName, Field::NDNazwa });
    const bool accountSaid = std::any_of(
        problems.begin(), problems.end(), [](const Problem& p) { return p.kind == Kind::NoInvoiceAccount; });
    if (values.recipientAccount.trimmed().isEmpty() && !accountSaid)
        found.push_back({ Kind::NoRecipientAccount, Field::NDKonto });
    else if (checkAccountNumber(values.recipientAccount) == AccountCheck::WrongCheckSum)
        found.push_back({ Kind::WrongAccount, Field::NDKonto, 0, values.recipientAccount.simplified() });
    problems.insert(problems.end(), found.begin(), found.end());
}

std::optional<Problem> amountProblem(const AmountReading& reading, const QString& text, int line)
{
    using State = AmountReading::State;
    static const std::pair<State, Kind> kinds[]
        = { { State::Unreadable, Kind::UnreadableAmount }, { State::Ambiguous, Kind::AmbiguousAmount },
              { State::TooManyDecimals, Kind::TooManyDecimals }, { State::TooLarge, Kind::AmountTooLarge } };
    for (const auto& [state, kind] : kinds) {
        if (reading.state == state)
            return Problem { kind, Field::Kwota, line, text };
    }
    return std::nullopt;
}

bool isReady(const std::vector<Problem>& problems, bool acceptDoubtful)
{
    return std::all_of(problems.begin(), problems.end(), [acceptDoubtful](const Problem& p) {
        return p.level() == Level::Note || (acceptDoubtful && p.level() == Level::Doubtful);
    });
}

} // namespace transfer
