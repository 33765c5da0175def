// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/formfit.h"

#include "data/dm2.h"
#include "data/memtable.h"
#include "platform/cp1250.h"
#include "platform/fonts.h"
#include "printout/copytemplate.h"
#include "printout/funkcje.h"
#include "report/rpunits.h"
#include "transfer/amountwords.h"
#include "transfer/problem.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace printout {

namespace {

// What a filling step writes into its copy-A label.
enum class Source {
    Piece, // characters first..last of a text field
    Whole, // a whole text field
    Amount, // Kwota as the amount text
    PayerAccount, // WCKONTOKONTR followed by WCKonto, never cut
    None, // nothing new: only the copies are set from the label
};

struct FillStep {
    Source source;
    const char* field;
    int first, last;
    const char* label;
    std::array<const char*, 3> copies; // set to the label's caption afterwards; nullptr ends the list
};

// clang-format off
    constexpr FillStep kFilling[] = {
        { Source::Piece, "NDNazwa", 1, 27, "lOdbiorcaA", { "lOdbiorcaB", "lOdbiorcaC", "lOdbiorcaD" } },
        { Source::Piece, "NDNazwa", 28, 54, "lOdbiorcaA2", { "lOdbiorcaB2", "lOdbiorcaC2", "lOdbiorcaD2" } },
        { Source::Piece, "NDKonto", 1, 8, "lNrRachOdbA", { "lNrRachOdbB", "lNrRachOdbC", "lNrRachOdbD" } },
        { Source::Whole, "NDKONTOKONTR", 0, 0, "lLK1", { nullptr } },
        { Source::Piece, "NDKonto", 9, 25, "lNrRachOdbA1", { nullptr } },
        { Source::Piece, "NDKonto", 26, 32, "lNrRachOdbA2", { nullptr } },
        { Source::None, nullptr, 0, 0, "lLK1", { "lLK2", "lLK3", "lLK4" } },
        { Source::None, nullptr, 0, 0, "lNrRachOdbA1", { "lNrRachOdbB1", "lNrRachOdbC1", "lNrRachOdbD1" } },
        { Source::None, nullptr, 0, 0, "lNrRachOdbA2", { "lNrRachOdbB2", "lNrRachOdbC2", "lNrRachOdbD2" } },
        { Source::Amount, "Kwota", 0, 0, "lKwotaA", { "lKwotaB", "lKwotaC", "lKwotaD" } },
        { Source::PayerAccount, nullptr, 0, 0, "lNrRachZlecA", { "lNrRachZlecB", "lNrRachZlecC", "lNrRachZlecD" } },
        { Source::Piece, "WCNazwa", 1, 27, "lZleceniodawcaA",
              { "lZleceniodawcaB", "lZleceniodawcaC", "lZleceniodawcaD" } },
        { Source::Piece, "WCNazwa", 28, 54, "lZleceniodawcaA1",
              { "lZleceniodawcaB1", "lZleceniodawcaC1", "lZleceniodawcaD1" } },
        { Source::Piece, "Tytulem", 1, 27, "lTytulemA", { "lTytulemB", "lTytulemC", "lTytulemD" } },
        { Source::Piece, "Tytulem", 28, 54, "lTytulemA1", { "lTytulemB1", "lTytulemC1", "lTytulemD1" } },
    };
// clang-format on

// Each value fills one character cell of the form: two spaces after every character.
std::string spaced(const std::string& text)
{
    return SpaceLetters(text, 2, false);
}

// The form is a Polish one: its amount has a decimal comma whatever the desktop's settings.
constexpr std::string_view DecimalComma = ",";

// The value field of the payer-account line, in copy A.
constexpr int PayerFieldElement = 6;

struct FieldDef {
    const char* key;
    const char* name; // UTF-8, as the form's caption
};

// In the form's order. The recipient account is counted without its check digits, as the form cuts it.
enum Field { RecipientName, RecipientAccount, Amount, PayerAccount, PayerName, Title };
constexpr std::array<FieldDef, 6> Fields { {
    { "NDNazwa", QT_TRANSLATE_NOOP("printout", "nazwa odbiorcy") },
    { "NDKonto", QT_TRANSLATE_NOOP("printout", "nr rachunku odbiorcy") },
    { "Kwota", QT_TRANSLATE_NOOP("printout", "kwota") },
    { "WCKonto", QT_TRANSLATE_NOOP("printout", "nr rachunku zleceniodawcy") },
    { "WCNazwa", QT_TRANSLATE_NOOP("printout", "nazwa zleceniodawcy") },
    { "Tytulem", QT_TRANSLATE_NOOP("printout", "tytułem") },
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
    return FieldWarning { kind, Fields[field].key,
        QCoreApplication::translate("printout", Fields[field].name), 0, 0, QString() };
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
    const char* const noun = n == 1 ? QT_TRANSLATE_NOOP("printout", "znak")
        : few                       ? QT_TRANSLATE_NOOP("printout", "znaki")
                                    : QT_TRANSLATE_NOOP("printout", "znaków");
    return QStringLiteral("%1 %2").arg(n).arg(QCoreApplication::translate("printout", noun));
}

// The font of a copy's data label.
report::TRpFont dataLabelFont(const DataLabelDef& def, std::size_t copy)
{
    const char letter = char('A' + copy);
    ComponentDef component;
    component.font
        = { "Arial", DataPointSize, true, dataLabelFixedPitch(letter, def.checkDigits), clWindowText };
    return componentFont(component);
}

// Where a copy's data label's ink ends, in native units: the spaces that follow the last character leave
// none.
long double inkEnd(const DataLabelDef& def, std::size_t copy, std::string text, int ppi)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    const long double left = report::layoutToNative(def.left[copy]);
    if (text.empty())
        return left;
    const int pixels
        = platform::measureText(dataLabelFont(def, copy).toFontSpec(), platform::fromCp1250(text), ppi)
              .width();
    return left + report::screenToNative(pixels, ppi, 100);
}

const DataLabelDef& dataLabelNamed(std::string_view name)
{
    for (const DataLabelDef& def : dataLabels()) {
        if (std::find(def.names.begin(), def.names.end(), name) != def.names.end())
            return def;
    }
    throw std::logic_error("the form has no data label " + std::string(name));
}

} // namespace

std::vector<FilledCaption> filledCaptions(data::TMemTable& table)
{
    std::vector<FilledCaption> filled;
    for (const FillStep& step : kFilling) {
        std::string caption;
        switch (step.source) {
        case Source::Piece:
            caption = spaced(piece(table.fieldByName(step.field).asString(), step.first, step.last));
            break;
        case Source::Whole:
            caption = spaced(table.fieldByName(step.field).asString());
            break;
        case Source::Amount:
            caption = spaced(amountText(table.fieldByName(step.field).asFloat(), DecimalComma));
            break;
        case Source::PayerAccount:
            caption = spaced(
                table.fieldByName("WCKONTOKONTR").asString() + table.fieldByName("WCKonto").asString());
            break;
        case Source::None: {
            // Only the copies, from what the label got earlier.
            const auto earlier = std::find_if(filled.rbegin(), filled.rend(),
                [&](const FilledCaption& f) { return std::string_view(f.label) == step.label; });
            caption = earlier == filled.rend() ? std::string() : earlier->caption;
            break;
        }
        }
        if (step.source != Source::None)
            filled.push_back({ step.label, caption });
        for (const char* copy : step.copies) {
            if (copy)
                filled.push_back({ copy, caption });
        }
    }
    return filled;
}

report::TRpFont componentFont(const ComponentDef& def)
{
    report::TRpFont font;
    font.Name = QString::fromLatin1(def.font.face);
    font.Size = def.font.pointSize;
    font.Bold = def.font.bold;
    font.Color = def.font.colour;
    font.Charset = report::EASTEUROPE_CHARSET;
    font.Pitch = def.font.fixedPitch ? report::fpFixed : report::fpDefault;
    return font;
}

std::optional<int> wordsPointSize(std::size_t copy, const std::string& text, int ppi)
{
    const DataLabelDef& def = dataLabelNamed(PayerLabels[copy]);
    const TemplateElement& field = templateElement(PayerFieldElement);
    const long double lineEnd = report::layoutToNative(field.left + field.width + copies()[copy].dx);
    const long double left = report::layoutToNative(def.left[copy]);
    report::TRpFont font = dataLabelFont(def, copy);
    for (int size = DataPointSize; size >= SmallestWordsPointSize; --size) {
        font.Size = size;
        // As the label sizes itself to its caption: a pixel more than the text.
        const int pixels = text.empty()
            ? 0
            : platform::measureText(font.toFontSpec(), platform::fromCp1250(text), ppi).width() + 1;
        if (left + report::screenToNative(pixels, ppi, 100) <= lineEnd)
            return size;
    }
    return std::nullopt;
}

// The printed amount in words: from the amount text the page prints, so the words and the figures agree
// to the grosz. Nothing for a negative amount or one too large for words.
std::optional<QString> depositWords(double amount)
{
    const std::string text = amountText(amount, DecimalComma);
    const std::size_t comma = text.find(',');
    if (text.empty() || text.front() == '-' || comma == std::string::npos)
        return std::nullopt;
    bool zloteRead = false, groszeRead = false;
    const qulonglong zlote = QByteArray::fromStdString(text.substr(0, comma)).toULongLong(&zloteRead);
    const int grosze = QByteArray::fromStdString(text.substr(comma + 1)).toInt(&groszeRead);
    if (!zloteRead || !groszeRead)
        return std::nullopt;
    return transfer::amountInWords(zlote, grosze);
}

std::optional<QString> depositProblem(transfer::Money money)
{
    const double amount = money.toRecordValue();
    if (amountText(amount, DecimalComma).front() == '-')
        return QCoreApplication::translate("printout", "Wpłata gotówkowa nie może mieć ujemnej kwoty.");
    const std::optional<QString> words = depositWords(amount);
    if (!words)
        return QCoreApplication::translate("printout", "Kwota %1 jest za duża, by zapisać ją słownie.")
            .arg(QString::fromStdString(amountText(amount, DecimalComma)));
    const std::string text = platform::toCp1250(*words);
    for (std::size_t copy = 0; copy < PayerLabels.size(); ++copy) {
        if (!wordsPointSize(copy, text, platform::screenPpi()))
            return QCoreApplication::translate(
                "printout", "Kwota słownie nie zmieści się na blankiecie nawet pismem %1 pkt: „%2”.")
                .arg(SmallestWordsPointSize)
                .arg(*words);
    }
    return std::nullopt;
}

std::vector<FieldWarning> fieldWarnings(const transfer::TransferEditorValues& values, FormKind kind)
{
    const bool deposit = kind == FormKind::Deposit;
    const std::array<QString, 6> texts { values.recipientName,
        recipientAccountDigits(values.recipientAccount), QString(), deposit ? QString() : values.payerAccount,
        values.payerName, values.title };
    const std::array<int, 6> capacity { 2 * RowCharacters, AccountCharacters, 0, PayerAccountSize,
        2 * RowCharacters, 2 * RowCharacters };

    // The captions from a record of its own, as a generation fills them.
    data::TDM2 scratch;
    transfer::writeTransferRecord(scratch, values);
    scratch.mtPlat.first();
    std::map<std::string, std::string, std::less<>> captions;
    for (FilledCaption& filled : filledCaptions(scratch.mtPlat))
        captions[filled.label] = std::move(filled.caption);
    const int ppi = platform::screenPpi();
    std::array<bool, 6> runsPast {};
    for (const LabelRow& r : Rows) {
        if (deposit && r.field == PayerAccount)
            continue; // the amount in words, which depositProblem fits or refuses
        const DataLabelDef& def = dataLabels()[r.row];
        for (std::size_t copy = 0; copy < def.names.size(); ++copy) {
            const long double end = report::layoutToNative(r.fieldEnd + copies()[copy].dx);
            if (inkEnd(def, copy, captions[def.names[copy]], ppi) > end)
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
            tooLong << QCoreApplication::translate("printout", "%1 (%2, mieści się %3)")
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
        sentences << QCoreApplication::translate("printout", "Nie zmieści się na blankiecie: %1")
                         .arg(tooLong.join(QStringLiteral(", ")));
    if (!unprintable.isEmpty())
        sentences << QCoreApplication::translate("printout", "Wydrukuje się jako „?”: %1")
                         .arg(unprintable.join(QStringLiteral(", ")));
    return sentences.join(QStringLiteral(". "));
}

QString warningText(const FieldWarning& warning)
{
    const QString key = transfer::fieldLabel(QString::fromLatin1(warning.key));
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
