// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/frprzelnew.h"

#include "data/memtable.h"
#include "platform/cp1250.h"
#include "printout/bandlayout.h"
#include "printout/funkcje.h"
#include "report/rpband.h"
#include "report/rpdbtext.h"
#include "report/rplabel.h"
#include "report/rpshape.h"
#include "report/rpunits.h"
#include "transfer/amountwords.h"

#include <array>
#include <stdexcept>

printout::TfrPrzelNew* frPrzelNew = nullptr;

namespace printout {

namespace {

report::TRpShapeType toShapeType(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Rectangle:
        return report::rpsRectangle;
    case ElementKind::Circle:
        return report::rpsCircle;
    case ElementKind::HorLine:
        return report::rpsHorLine;
    case ElementKind::VertLine:
        return report::rpsVertLine;
    case ElementKind::Caption:
        break;
    }
    throw std::logic_error("a caption is not a shape");
}

report::TRpFont reportFont()
{
    report::TRpFont font;
    font.Name = QStringLiteral("Arial");
    font.Size = 10;
    font.Color = report::clWindowText;
    font.Charset = report::EASTEUROPE_CHARSET;
    font.Pitch = report::fpDefault;
    return font;
}

void applyText(report::TRpCustomLabel& label, const ComponentDef& def)
{
    report::TRpFont font;
    font.Name = QString::fromLatin1(def.font.face);
    font.Size = def.font.pointSize;
    font.Bold = def.font.bold;
    font.Color = def.font.colour;
    font.Charset = report::EASTEUROPE_CHARSET;
    font.Pitch = def.font.fixedPitch ? report::fpFixed : report::fpDefault;
    label.Font = font;
    label.FontSize = def.font.pointSize;
    label.ParentFont = def.parentFont;
    label.Alignment = def.centred ? report::taCenter : report::taLeftJustify;
    label.AutoSize = true;
    label.WordWrap = true;
    label.AutoStretch = false;
    label.Transparent = def.transparent;
    label.Color = def.background;
}

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

constexpr std::array<const char*, 4> PayerLabels { "lNrRachZlecA", "lNrRachZlecB", "lNrRachZlecC",
    "lNrRachZlecD" };
constexpr int DataPointSize = 12;
constexpr int SmallestWordsPointSize = 7;
// The value field of the payer-account line and the box of the letter P, in copy A.
constexpr int PayerFieldElement = 6;
constexpr int LetterPBoxElement = 24;
constexpr int CurrencyElement = 50; // the caption "PLN"

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

} // namespace

TfrPrzelNew::TfrPrzelNew(data::TMemTable& mtPlat, QObject* parent)
    : QObject(parent)
    , m_mtPlat(mtPlat)
    , m_dataSet(mtPlat)
{
    setObjectName(QStringLiteral("frPrzelNew"));
    rp.setObjectName(QStringLiteral("rp"));
    setUpReport();
    buildBand();
    // The 255 components are made when something first needs them (a generation, a check, a lookup):
    // the main window appears without waiting for them.
    rp.BeforeGenerate = [this] { ensureComponents(); };
}

void TfrPrzelNew::ensureComponents()
{
    if (m_componentsMade)
        return;
    m_componentsMade = true;
    addComponents();
    addDepositCrosses();
}

TfrPrzelNew::~TfrPrzelNew() = default;

void TfrPrzelNew::setUpReport()
{
    rp.setUnits(report::TRpUnit::MM);
    rp.setZoom(100);
    rp.Page.setPaperSize(report::TRpPaperSize::A4);
    rp.Page.setOrientation(report::poLandscape);
    rp.Page.setTopMargin(60.0L);
    rp.Page.setBottomMargin(76.2L);
    rp.Page.setLeftMargin(70.0L);
    rp.Page.setRightMargin(70.0L);
    rp.Page.setColumns(1);
    rp.Page.setColumnSpace(0);
    rp.DataSet = &m_dataSet;
    rp.PrintIfEmpty = true;
    rp.Options.FirstPageHeader = true;
    rp.Options.LastPageFooter = true;
    rp.Options.Compression = false;
    rp.Font = reportFont();
    rp.PrinterSettings.Copies = 1;
    rp.PrinterSettings.Duplex = false;
    rp.PrinterSettings.FirstPage = 0;
    rp.PrinterSettings.LastPage = 0;
    rp.PrinterSettings.OutputBin = report::TRpBin::Auto;
    rp.ReportTitle.clear();
}

void TfrPrzelNew::buildBand()
{
    DetailBand1 = rp.addBand("DetailBand1", report::rbDetail);
    DetailBand1->setLayoutSize(kBandWidth, kBandHeight);
    DetailBand1->Color = report::clWhite;
    DetailBand1->Enabled = true;
    DetailBand1->ForceNewPage = false;
    DetailBand1->Font = reportFont();
    DetailBand1->BeforePrint
        = [this](report::TRpBand* sender, bool& printBand) { DetailBand1BeforePrint(sender, printBand); };
}

void TfrPrzelNew::addComponents()
{
    m_layout = bandLayout();
    for (const ComponentDef& def : m_layout) {
        report::TRpPrintable* made = nullptr;
        switch (def.kind) {
        case ComponentKind::Shape: {
            auto* shape = DetailBand1->add<report::TRpShape>(def.name);
            shape->Shape = toShapeType(def.shape);
            shape->Pen = { def.penColour, def.penWidth, def.penStyle };
            shape->Brush = { def.brushColour, report::bsSolid };
            made = shape;
            break;
        }
        case ComponentKind::Label: {
            auto* label = DetailBand1->add<report::TRpLabel>(def.name);
            applyText(*label, def);
            label->setCaption(def.caption);
            made = label;
            break;
        }
        case ComponentKind::DBText: {
            auto* text = DetailBand1->add<report::TRpDBText>(def.name);
            applyText(*text, def);
            text->DataSet = &m_dataSet;
            text->DataField = def.dataField;
            text->setCaption(def.dataField);
            made = text;
            break;
        }
        }
        // The stored bounds are the layout's, whatever measuring the defined caption gave.
        made->setLayoutBounds(def.left, def.top, def.width, def.height);
        made->Enabled = true;
        m_components.emplace(def.name, made);
    }
}

// Two diagonals over the box of the letter P in each copy, in the copy's frame colour, drawn last. They
// print only on a deposit slip.
void TfrPrzelNew::addDepositCrosses()
{
    const TemplateElement& box = templateElement(LetterPBoxElement);
    for (const CopyDef& copy : copies()) {
        for (const report::TRpShapeType diagonal : { report::rpsDiagonalDown, report::rpsDiagonalUp }) {
            const std::string name
                = std::string("shKrzyzyk") + copy.letter + (diagonal == report::rpsDiagonalDown ? "1" : "2");
            auto* cross = DetailBand1->add<report::TRpShape>(name);
            cross->Shape = diagonal;
            cross->Pen = { copy.frame, 2, report::psSolid };
            cross->Brush = { clWhite, report::bsClear };
            cross->setLayoutBounds(box.left + copy.dx, box.top + copy.dy, box.width, box.height);
            cross->Enabled = false;
            m_components.emplace(name, cross);
        }
    }
}

// Sets the text on the payer-account label of a copy (0 for A .. 3 for D) at the largest size from 12
// points down to 7 at which it ends before the line's value field does; false when even 7 points pass it
// (the label then keeps 7 points).
bool TfrPrzelNew::fitOnPayerLine(std::size_t copy, const std::string& text)
{
    report::TRpLabel& label = labelRef(PayerLabels[copy]);
    const TemplateElement& field = templateElement(PayerFieldElement);
    const long double lineEnd = report::layoutToNative(field.left + field.width + copies()[copy].dx);
    using report::TRpPrintable;
    for (int size = DataPointSize; size >= SmallestWordsPointSize; --size) {
        label.FontSize = size;
        label.setCaption(text);
        if (label.Size.Values[TRpPrintable::Left] + label.Size.Values[TRpPrintable::Width] <= lineEnd)
            return true;
    }
    return false;
}

std::optional<QString> TfrPrzelNew::depositProblem(transfer::Money money)
{
    const double amount = money.toRecordValue();
    if (amountText(amount, DecimalComma).front() == '-')
        return QStringLiteral("Wpłata gotówkowa nie może mieć ujemnej kwoty.");
    const std::optional<QString> words = depositWords(amount);
    if (!words)
        return QStringLiteral("Kwota %1 jest za duża, by zapisać ją słownie.")
            .arg(QString::fromStdString(amountText(amount, DecimalComma)));
    const std::string text = platform::toCp1250(*words);
    for (std::size_t copy = 0; copy < PayerLabels.size(); ++copy) {
        if (!fitOnPayerLine(copy, text))
            return QStringLiteral("Kwota słownie nie zmieści się na blankiecie nawet pismem %1 pkt: „%2”.")
                .arg(SmallestWordsPointSize)
                .arg(*words);
    }
    return std::nullopt;
}

report::TRpPrintable* TfrPrzelNew::component(const std::string& name)
{
    ensureComponents();
    auto found = m_components.find(name);
    return found == m_components.end() ? nullptr : found->second;
}

report::TRpLabel* TfrPrzelNew::label(const std::string& name)
{
    return dynamic_cast<report::TRpLabel*>(component(name));
}

report::TRpLabel& TfrPrzelNew::labelRef(const char* name)
{
    report::TRpLabel* found = label(name);
    if (!found)
        throw std::logic_error(std::string("DetailBand1 has no label ") + name);
    return *found;
}

void TfrPrzelNew::DetailBand1BeforePrint(report::TRpBand* /*Sender*/, bool& /*PrintBand*/)
{
    fill(m_mtPlat);
}

// Sets the components for the full form or for values only, when that changed since the last run.
void TfrPrzelNew::applyValuesOnly()
{
    ensureComponents();
    if (m_valuesOnlyApplied == m_valuesOnly)
        return;
    m_valuesOnlyApplied = m_valuesOnly;
    const bool only = m_valuesOnly;
    DetailBand1->Transparent = only;
    for (const ComponentDef& def : m_layout) {
        report::TRpPrintable* made = component(def.name);
        const bool currency = def.kind == ComponentKind::Label && def.element == CurrencyElement;
        const bool value
            = def.kind == ComponentKind::DBText || (def.kind == ComponentKind::Label && def.element == 0);
        if (def.kind == ComponentKind::Shape || (def.kind == ComponentKind::Label && !value && !currency)) {
            made->Enabled = !only;
            continue;
        }
        auto* text = static_cast<report::TRpCustomLabel*>(made);
        text->Font.Color = only ? clBlack : def.font.colour;
        text->Transparent = only || def.transparent;
    }
    for (const CopyDef& copy : copies()) {
        for (const char* diagonal : { "1", "2" }) {
            auto* cross = static_cast<report::TRpShape*>(
                component(std::string("shKrzyzyk") + copy.letter + diagonal));
            cross->Pen.Color = only ? clBlack : copy.frame;
        }
    }
}

void TfrPrzelNew::fill(data::TMemTable& table)
{
    applyValuesOnly();
    // A deposit slip printed before may have shrunk the payer-account line.
    for (const char* name : PayerLabels)
        labelRef(name).FontSize = DataPointSize;
    for (const FillStep& step : kFilling) {
        report::TRpLabel& target = labelRef(step.label);
        switch (step.source) {
        case Source::Piece:
            target.setCaption(spaced(piece(table.fieldByName(step.field).asString(), step.first, step.last)));
            break;
        case Source::Whole:
            target.setCaption(spaced(table.fieldByName(step.field).asString()));
            break;
        case Source::Amount:
            target.setCaption(spaced(amountText(table.fieldByName(step.field).asFloat(), DecimalComma)));
            break;
        case Source::PayerAccount:
            target.setCaption(spaced(
                table.fieldByName("WCKONTOKONTR").asString() + table.fieldByName("WCKonto").asString()));
            break;
        case Source::None:
            break;
        }
        for (const char* copy : step.copies) {
            if (copy)
                labelRef(copy).setCaption(target.caption());
        }
    }
    const bool deposit = m_kind == FormKind::Deposit;
    for (const char* copy : { "A", "B", "C", "D" }) {
        for (const char* diagonal : { "1", "2" })
            component(std::string("shKrzyzyk") + copy + diagonal)->Enabled = deposit;
    }
    if (!deposit)
        return;
    // The amount in words, written on as text rather than into the cells; an amount that has none (the
    // print commands refuse it first) leaves the line empty.
    const std::optional<QString> words = depositWords(table.fieldByName("Kwota").asFloat());
    const std::string text = words ? platform::toCp1250(*words) : std::string();
    for (std::size_t copy = 0; copy < PayerLabels.size(); ++copy)
        fitOnPayerLine(copy, text);
}

} // namespace printout
