// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/frprzelnew.h"

#include "data/memtable.h"
#include "platform/cp1250.h"
#include "printout/bandlayout.h"
#include "printout/formfit.h"
#include "report/rpband.h"
#include "report/rpdbtext.h"
#include "report/rplabel.h"
#include "report/rpshape.h"
#include "report/rpunits.h"

#include <array>
#include <stdexcept>

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
    label.Font = componentFont(def);
    label.FontSize = def.font.pointSize;
    label.ParentFont = def.parentFont;
    label.Alignment = def.centred ? report::taCenter : report::taLeftJustify;
    label.AutoSize = true;
    label.WordWrap = true;
    label.AutoStretch = false;
    label.Transparent = def.transparent;
    label.Color = def.background;
}

// The box of the letter P, in copy A.
constexpr int LetterPBoxElement = 24;
constexpr int CurrencyElement = 50; // the caption "PLN"

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
    for (const FilledCaption& filled : filledCaptions(table))
        labelRef(filled.label).setCaption(filled.caption);
    const bool deposit = m_kind == FormKind::Deposit;
    for (const char* copy : { "A", "B", "C", "D" }) {
        for (const char* diagonal : { "1", "2" })
            component(std::string("shKrzyzyk") + copy + diagonal)->Enabled = deposit;
    }
    if (!deposit)
        return;
    // The amount in words, written on as text rather than into the cells; an amount that has none (the
    // print commands refuse it first) leaves the line empty. Words that do not fit even at the smallest
    // size keep it.
    const std::optional<QString> words = depositWords(table.fieldByName("Kwota").asFloat());
    const std::string text = words ? platform::toCp1250(*words) : std::string();
    for (std::size_t copy = 0; copy < PayerLabels.size(); ++copy) {
        report::TRpLabel& label = labelRef(PayerLabels[copy]);
        label.FontSize = wordsPointSize(copy, text, rp.screenPpi()).value_or(SmallestWordsPointSize);
        label.setCaption(text);
    }
}

} // namespace printout
