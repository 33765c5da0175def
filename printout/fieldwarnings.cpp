// SPDX-License-Identifier: GPL-2.0-or-later
// What the form will not show whole: values longer than the rows that hold them, values whose spaced
// text runs past the end of its field, characters outside code page 1250.
#include "data/dm2.h"
#include "platform/cp1250.h"
#include "platform/fonts.h"
#include "printout/bandlayout.h"
#include "printout/frprzelnew.h"
#include "report/rplabel.h"
#include "report/rpunits.h"

#include <QStringList>
#include <array>

namespace printout {

namespace {

struct FieldDef {
    const char* key;
    const char* name; // UTF-8, as the form's caption
};

// In the form's order. The recipient account is counted without its check digits, as the form cuts it.
enum Field { RecipientName, RecipientAccount, Amount, PayerAccount, PayerName, Title };
constexpr std::array<FieldDef, 6> Fields { {
    { "NDNazwa", "nazwa odbiorcy" },
    { "NDKonto", "nr rachunku odbiorcy" },
    { "Kwota", "kwota" },
    { "WCKonto", "nr rachunku zleceniodawcy" },
    { "WCNazwa", "nazwa zleceniodawcy" },
    { "Tytulem", "tytułem" },
} };

// The data-label rows of the form (bandLayout's order, check digits left out: two digits always fit),
// the field each fills and where its value field ends in copy A, in layout units.
struct LabelRow {
    std::size_t row; // into dataLabels()
    Field field;
    int fieldEnd;
};
constexpr std::array<LabelRow, 11> Rows { {
    { 0, RecipientName, 512 },
    { 1, RecipientName, 512 },
    { 3, RecipientAccount, 202 }, // up to the divider after the first eight digits
    { 4, RecipientAccount, 509 }, // up to the block's right edge
    { 5, RecipientAccount, 153 }, // the short field of the fourth row
    { 6, Amount, 512 },
    { 7, PayerAccount, 512 },
    { 8, PayerName, 512 },
    { 9, PayerName, 512 },
    { 10, Title, 512 },
    { 11, Title, 512 },
} };

constexpr int RowCharacters = 27; // a line of a name or the title
constexpr int AccountCharacters = 32; // the recipient account after its check digits
constexpr int PayerAccountSize = 50; // the record keeps no more

FieldWarning warning(FieldWarning::Kind kind, Field field)
{
    return FieldWarning { kind, Fields[field].key, QString::fromUtf8(Fields[field].name), 0, 0, QString() };
}

QString recipientAccountDigits(const QString& account)
{
    QString n = account;
    n.remove(QLatin1Char('-'));
    n.remove(QLatin1Char(' '));
    if (n.size() > 2 && n.startsWith(QLatin1String("PL"), Qt::CaseInsensitive) && n.at(2).isDigit())
        n.remove(0, 2); // the IBAN's country letters, which the record leaves out
    return n.mid(2);
}

// "62 znaki", "55 znaków".
QString characterCount(int n)
{
    const int lastTwo = n % 100, last = n % 10;
    const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? QStringLiteral("znak")
            : few                                    ? QStringLiteral("znaki")
                                                     : QStringLiteral("znaków"));
}

// Where a label's ink ends, in native units: the spaces that follow the last character leave none.
long double inkEnd(const report::TRpLabel& label, int ppi, int zoom)
{
    std::string text = label.caption();
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    const long double left = label.Size.Values[report::TRpPrintable::Left];
    if (text.empty())
        return left;
    const int pixels = platform::measureText(label.fontSpec(), platform::fromCp1250(text), ppi).width();
    return left + report::screenToNative(pixels, ppi, zoom);
}

} // namespace

std::vector<FieldWarning> TfrPrzelNew::fieldWarnings(
    const transfer::TransferEditorValues& values, FormKind kind)
{
    const bool deposit = kind == FormKind::Deposit;
    const std::array<QString, 6> texts { values.recipientName,
        recipientAccountDigits(values.recipientAccount), QString(), deposit ? QString() : values.payerAccount,
        values.payerName, values.title };
    const std::array<int, 6> capacity { 2 * RowCharacters, AccountCharacters, 0, PayerAccountSize,
        2 * RowCharacters, 2 * RowCharacters };

    // The labels filled from a record of their own, as a generation fills them.
    data::TDM2 scratch;
    transfer::writeTransferRecord(scratch, values);
    scratch.mtPlat.first();
    const FormKind kept = m_kind;
    m_kind = kind;
    fill(scratch.mtPlat);
    m_kind = kept;
    std::array<bool, 6> runsPast {};
    for (const LabelRow& r : Rows) {
        if (deposit && r.field == PayerAccount)
            continue; // the amount in words, which depositProblem fits or refuses
        const DataLabelDef& def = dataLabels()[r.row];
        for (std::size_t copy = 0; copy < def.names.size(); ++copy) {
            const long double end = report::layoutToNative(r.fieldEnd + copies()[copy].dx);
            if (inkEnd(labelRef(def.names[copy]), rp.screenPpi(), rp.Zoom()) > end)
                runsPast[r.field] = true;
        }
    }

    std::vector<FieldWarning> warnings;
    for (std::size_t f = 0; f < Fields.size(); ++f) {
        const auto field = Field(f);
        if (capacity[f] > 0 && texts[f].size() > capacity[f]) {
            FieldWarning w = warning(FieldWarning::Kind::Cut, field);
            w.length = int(texts[f].size());
            w.capacity = capacity[f];
            warnings.push_back(w);
        } else if (runsPast[f]) {
            warnings.push_back(warning(FieldWarning::Kind::RunsPast, field));
        }
    }
    for (std::size_t f = 0; f < Fields.size(); ++f) {
        QString unprintable;
        for (const QChar c : texts[f]) {
            if (c != QLatin1Char('?') && platform::cp1250Byte(c) == '?' && !unprintable.contains(c))
                unprintable += c;
        }
        if (!unprintable.isEmpty()) {
            FieldWarning w = warning(FieldWarning::Kind::Unprintable, Field(f));
            w.characters = unprintable;
            warnings.push_back(w);
        }
    }
    return warnings;
}

QString warningLine(const std::vector<FieldWarning>& warnings)
{
    QStringList tooLong, unprintable;
    for (const FieldWarning& w : warnings) {
        switch (w.kind) {
        case FieldWarning::Kind::Cut:
            tooLong << QStringLiteral("%1 (%2, mieści się %3)")
                           .arg(w.name, characterCount(w.length))
                           .arg(w.capacity);
            break;
        case FieldWarning::Kind::RunsPast:
            tooLong << w.name;
            break;
        case FieldWarning::Kind::Unprintable:
            unprintable << QStringLiteral("%1 („%2”)").arg(w.name, w.characters);
            break;
        }
    }
    QStringList sentences;
    if (!tooLong.isEmpty())
        sentences << QStringLiteral("Nie zmieści się na blankiecie: ") + tooLong.join(QStringLiteral(", "));
    if (!unprintable.isEmpty())
        sentences << QStringLiteral("Wydrukuje się jako „?”: ") + unprintable.join(QStringLiteral(", "));
    return sentences.join(QStringLiteral(". "));
}

QString warningText(const FieldWarning& warning)
{
    const QString key = QString::fromLatin1(warning.key);
    switch (warning.kind) {
    case FieldWarning::Kind::Cut:
        return QStringLiteral("%1: %2 characters, the form prints %3")
            .arg(key)
            .arg(warning.length)
            .arg(warning.capacity);
    case FieldWarning::Kind::RunsPast:
        return QStringLiteral("%1: runs past its field towards the next copy").arg(key);
    case FieldWarning::Kind::Unprintable:
        return QStringLiteral("%1: \"%2\" cannot be printed on the form and prints as \"?\"")
            .arg(key, warning.characters);
    }
    return QString::fromLatin1(warning.key);
}

} // namespace printout
